// trovale-cli starts without Qt or sound, and hands the drawing commands to trovale-cli-desenho
// and play to trovale-cli-som.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

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
    // The fonts and the PDF writer's libraries, HarfBuzz's subsetter among them; no toolkit.
    const std::string carregadas = bibliotecas(TROVALE_CLI_PATH);
    for (const char* propria : {"libc.so", "libfontconfig", "libharfbuzz-subset"})
        EXPECT_NE(carregadas.find(propria), std::string::npos) << propria << "\n" << carregadas;
    for (const char* pesada : {"Qt", "fluidsynth", "rtmidi"})
        EXPECT_EQ(carregadas.find(pesada), std::string::npos) << pesada << "\n" << carregadas;
    const std::string som = bibliotecas(TROVALE_CLI_SOM_PATH);
    EXPECT_NE(som.find("libfluidsynth"), std::string::npos) << som;
    EXPECT_EQ(som.find("Qt"), std::string::npos) << som;
#ifdef TROVALE_CLI_DESENHO_PATH
    const std::string desenho = bibliotecas(TROVALE_CLI_DESENHO_PATH);
    EXPECT_NE(desenho.find("libQt6Gui"), std::string::npos);
    EXPECT_EQ(desenho.find("fluidsynth"), std::string::npos) << desenho;
#endif
}

// A stand-in for a helper that only tells how it was started.
const char* const kAuxiliarFalso =
    "#!/bin/sh\nprintf \"${0##*/}\"\nfor a in \"$@\"; do printf ' [%s]' \"$a\"; done\n"
    "printf ' %s\\n' \"$TROVALE_CLI_PROGRAMA\"\n";

TEST(DrawingHandover, WhatIsHandedOver) {
    PastaTemporaria pasta;
    const fs::path programa = copiarPrograma(pasta.caminho());
    for (const char* auxiliar : {"trovale-cli-desenho", "trovale-cli-som"}) {
        pasta.gravar(auxiliar, kAuxiliarFalso);
        fs::permissions(pasta.caminho() / auxiliar, fs::perms::owner_all);
    }
    const std::string kDesenho = "trovale-cli-desenho", kSom = "trovale-cli-som";
    const struct {
        std::vector<std::string> argumentos;
        std::string entregue;  // empty: trovale-cli answers itself
    } casos[] = {
        {{"diagram", "x32010", "a.png"}, kDesenho},
        {{"--dir", "P", "render", "s.dec", "s.png"}, kDesenho},
        {{"--dir=P", "layout", "--json", "s.dec"}, kDesenho},
        {{"name", "--dir", "P", "Am", "n.png"}, kDesenho},
        {{"play", "--wav", "x.wav", "x32010"}, kSom},
        {{"--dir", "P", "play", "--help"}, kSom},
        {{"--help"}, kDesenho},
        {{}, kDesenho},
        {{"-h", "types"}, kDesenho},
        {{"scales"}, kDesenho},
        {{"--dir", "P", "--bogus", "--version"}, kDesenho},
        {{"--version"}, {}},
        {{"--dir", "P", "--version"}, {}},
        {{"types", "--help"}, {}},
        {{"--dir", "diagram", "types"}, {}},
        {{"interpret", "render.txt"}, {}},
        {{"convert", "a.txt", "b.dec"}, {}},
        {{"convert", "a.pdf", "b.txt"}, {}},
        {{"convert", "a.dec", "b.pdf.txt"}, {}},
        {{"convert", "a.txt", "b.PDF"}, {}},
        {{"convert", "a.dec", "--dir", "P", "b.pdf"}, {}},
        {{"convert", "--help", "a.dec", "b.pdf"}, {}},
        {{"songbook", "l.pdf", "a.dec", "b.cho"}, {}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::PrintToString(c.argumentos));
        std::string esperado = c.entregue;
        for (const std::string& a : c.argumentos) esperado += " [" + a + "]";
        const ResultadoCli r = executarCli(c.argumentos, {}, programa);
        if (!c.entregue.empty())
            EXPECT_EQ(r.saida, esperado + " " + programa.string() + "\n");
        else
            EXPECT_EQ(r.saida.find("trovale-cli-"), std::string::npos) << r.saida;
    }
}

TEST(DrawingHandover, AFailedHandoverIsTold) {
    const struct {
        const char* conteudo;
        fs::perms permissoes;
        const char* motivo;
    } casos[] = {
        {kAuxiliarFalso, fs::perms::owner_read | fs::perms::owner_write, "permissão negada"},
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

// A song whose fonts cannot be measured here as Qt would measure them (a family named beyond
// ASCII) is printed by trovale-cli-desenho, alone or in a book, and nothing is said twice.
TEST(DrawingHandover, APdfWhoseFontsNeedQtGoesToTheDrawingProgram) {
    PastaTemporaria pasta;
    const fs::path programa = copiarPrograma(pasta.caminho());
    pasta.gravar("ACORDES.TIP", tiposExemplo());
    const fs::path texto = pasta.gravar("a.txt", linhasCrLf({"Titulo", "", "C", "Letra"}));
    const fs::path cancao = pasta.caminho() / "a.dec";
    ASSERT_EQ(executarCli({"convert", texto.string(), cancao.string()}, {}, programa).status, 0);
    std::ifstream lida(cancao, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(lida)), std::istreambuf_iterator<char>());
    for (std::size_t i; (i = bytes.find(" Arial\r\n")) != std::string::npos;)
        bytes.replace(i, 6, " Ari\xC3l");
    pasta.gravar("a.dec", bytes);
    const fs::path desenho = pasta.caminho() / "trovale-cli-desenho";
    for (const std::vector<std::string>& pedido :
         {std::vector<std::string>{"convert", cancao.string(), "b.pdf"},
          std::vector<std::string>{"songbook", "b.pdf", cancao.string()}}) {
        SCOPED_TRACE(pedido[0]);
        fs::remove(desenho);
        const ResultadoCli semDesenho = executarCli(pedido, {}, programa);
        EXPECT_EQ(semDesenho.status, 1);
        EXPECT_EQ(semDesenho.erros,
                  "trovale-cli: as fontes desta música pedem trovale-cli-desenho, "
                  "que não foi instalado.\n");

        pasta.gravar("trovale-cli-desenho", kAuxiliarFalso);
        fs::permissions(desenho, fs::perms::owner_all);
        const ResultadoCli r = executarCli(pedido, {}, programa);
        std::string entregue = "trovale-cli-desenho";
        for (const std::string& a : pedido) entregue += " [" + a + "]";
        EXPECT_EQ(r.saida, entregue + " " + programa.string() + "\n");
        EXPECT_EQ(r.erros, "");
        EXPECT_FALSE(fs::exists(pasta.caminho() / "b.pdf"));
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

// Without trovale-cli-som play still reads its frets, then says that sound is missing.
TEST(DrawingHandover, WithoutTheSoundProgram) {
    PastaTemporaria pasta;
    const fs::path programa = copiarPrograma(pasta.caminho());
    const ResultadoCli errado = executarCli({"play", "x0221"}, {}, programa);
    EXPECT_EQ(errado.status, 2);
    EXPECT_NE(errado.erros.find("Trastes inválidos"), std::string::npos) << errado.erros;
    const ResultadoCli r = executarCli({"play", "x02210"}, {}, programa);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.erros, "trovale-cli: o som não foi instalado com este programa.\n");
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
