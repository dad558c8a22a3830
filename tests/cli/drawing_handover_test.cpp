// trovale-cli starts without Qt and hands the drawing commands to trovale-cli-desenho.
#include <gtest/gtest.h>

#include "catalogue_folder.h"
#include "cli_process.h"

namespace trovale::testing {
namespace {

namespace fs = std::filesystem;

// A copy of the program, alone in a folder of its own unless something is put beside it.
fs::path copiarPrograma(const fs::path& pasta, const fs::path& original = TROVALE_CLI_PATH) {
    fs::create_directories(pasta);
    const fs::path destino = pasta / original.filename();
    fs::copy_file(original, destino);
    fs::permissions(destino, fs::perms::owner_all);
    return destino;
}

// What the dynamic loader would load, without running the program.
std::string bibliotecas(const fs::path& programa) {
    return executarCli({}, {{"LD_TRACE_LOADED_OBJECTS", "1"}}, programa).saida;
}

TEST(DrawingHandover, TrovaleCliLoadsNeitherQtNorSound) {
    const std::string carregadas = bibliotecas(TROVALE_CLI_PATH);
    EXPECT_NE(carregadas.find("libc.so"), std::string::npos) << carregadas;
    for (const char* pesada : {"Qt", "fluidsynth", "rtmidi"})
        EXPECT_EQ(carregadas.find(pesada), std::string::npos) << pesada << "\n" << carregadas;
#ifdef TROVALE_CLI_DESENHO_PATH
    EXPECT_NE(bibliotecas(TROVALE_CLI_DESENHO_PATH).find("libQt6Gui"), std::string::npos);
#endif
}

// A stand-in for trovale-cli-desenho that only tells how it was started.
const char* const kDesenhoFalso =
    "#!/bin/sh\nprintf desenho\nfor a in \"$@\"; do printf ' [%s]' \"$a\"; done\n"
    "printf ' %s\\n' \"$TROVALE_CLI_PROGRAMA\"\n";

TEST(DrawingHandover, WhatIsHandedOver) {
    PastaTemporaria pasta;
    const fs::path programa = copiarPrograma(pasta.caminho());
    pasta.gravar("trovale-cli-desenho", kDesenhoFalso);
    fs::permissions(pasta.caminho() / "trovale-cli-desenho", fs::perms::owner_all);
    const struct {
        std::vector<std::string> argumentos;
        bool entregue;
    } casos[] = {
        {{"diagram", "x32010", "a.png"}, true},
        {{"--dir", "P", "render", "s.dec", "s.png"}, true},
        {{"--dir=P", "layout", "--json", "s.dec"}, true},
        {{"name", "--dir", "P", "Am", "n.png"}, true},
        {{"convert", "a.txt", "b.PDF"}, true},
        {{"convert", "a.dec", "--dir", "P", "b.pdf"}, true},
        {{"play", "--wav", "x.wav", "x32010"}, true},
        {{"--help"}, true},
        {{}, true},
        {{"-h", "types"}, true},
        {{"scales"}, true},
        {{"--dir", "P", "--bogus", "--version"}, true},
        {{"--version"}, false},
        {{"--dir", "P", "--version"}, false},
        {{"types", "--help"}, false},
        {{"--dir", "diagram", "types"}, false},
        {{"interpret", "render.txt"}, false},
        {{"convert", "a.txt", "b.dec"}, false},
        {{"convert", "a.pdf", "b.txt"}, false},
        {{"convert", "a.dec", "b.pdf.txt"}, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::PrintToString(c.argumentos));
        std::string esperado = "desenho";
        for (const std::string& a : c.argumentos) esperado += " [" + a + "]";
        const ResultadoCli r = executarCli(c.argumentos, {}, programa);
        if (c.entregue)
            EXPECT_EQ(r.saida, esperado + " " + programa.string() + "\n");
        else
            EXPECT_EQ(r.saida.find("desenho"), std::string::npos) << r.saida;
    }
}

TEST(DrawingHandover, AFailedHandoverIsTold) {
    const struct {
        const char* conteudo;
        fs::perms permissoes;
        const char* motivo;
    } casos[] = {
        {kDesenhoFalso, fs::perms::owner_read | fs::perms::owner_write, "permissão negada"},
        {"nada a executar\n", fs::perms::owner_all, "não é um programa executável"},
    };
    for (const auto& c : casos) {
        PastaTemporaria pasta;
        const fs::path programa = copiarPrograma(pasta.caminho());
        const fs::path desenho = pasta.gravar("trovale-cli-desenho", c.conteudo);
        fs::permissions(desenho, c.permissoes);
        const ResultadoCli r = executarCli({"diagram", "x32010", "a.png"}, {}, programa);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.saida, "");
        EXPECT_EQ(r.erros, "trovale-cli: não foi possível executar \"" + desenho.string() +
                               "\", que faz os desenhos: " + c.motivo + ".\n");
    }
}

// Without trovale-cli-desenho (a build without the desktop program) drawing is unknown.
TEST(DrawingHandover, WithoutTheDrawingProgram) {
    PastaTemporaria pasta;
    const fs::path programa = copiarPrograma(pasta.caminho());
    const ResultadoCli desconhecido = executarCli({"scales"}, {}, programa);
    const ResultadoCli r = executarCli({"diagram", "x32010", "a.png"}, {}, programa);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.saida, "");
    EXPECT_EQ(r.erros, desconhecido.erros);
    const std::string ajuda = executarCli({"--help"}, {}, programa).saida;
    EXPECT_NE(ajuda.find("interpret"), std::string::npos);
    EXPECT_EQ(ajuda.find("diagram"), std::string::npos);
}

#ifdef TROVALE_CLI_DESENHO_PATH
// The help lists every command, as the one program it was.
TEST(DrawingHandover, HelpOfTheWholeProgram) {
    const ResultadoCli ajuda = executarCli({"--help"});
    EXPECT_EQ(ajuda.status, 0);
    EXPECT_EQ(ajuda.saida, executarCli({"--help"}, {}, TROVALE_CLI_DESENHO_PATH).saida);
    for (const char* comando : {"interpret", "diagram", "render"})
        EXPECT_NE(ajuda.saida.find(comando), std::string::npos) << comando;
}

// Installed: bin/trovale-cli, libexec/trovale/trovale-cli-desenho; the catalogue beside
// trovale-cli counts for the drawing commands too.
TEST(DrawingHandover, InstalledLayout) {
    PastaTemporaria raiz, dados;
    const fs::path programa = copiarPrograma(raiz.caminho() / "bin");
    copiarPrograma(raiz.caminho() / "libexec" / "trovale", TROVALE_CLI_DESENHO_PATH);
    raiz.gravar("bin/ACORDES.TIP", tiposExemplo());
    raiz.gravar("bin/POSICOES.DIG", digitacoesExemplo());
    const fs::path imagem = raiz.caminho() / "am.png";
    const ResultadoCli r =
        executarCli({"name", "Am", imagem.string()}, {{"XDG_DATA_HOME", dados.texto()}}, programa);
    EXPECT_EQ(r.status, 0) << r.erros;
    EXPECT_TRUE(fs::is_regular_file(imagem));
}
#endif

}  // namespace
}  // namespace trovale::testing
