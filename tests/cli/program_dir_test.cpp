#include "settings/program_dir.h"

#include <gtest/gtest.h>

#include "catalogue_folder.h"
#include "cli_process.h"

namespace trovale::testing {
namespace {

namespace fs = std::filesystem;

TEST(ProgramDir, ResolutionOrder) {
    PastaTemporaria comCatalogo, semCatalogo;
    comCatalogo.gravar("ACORDES.TIP", tiposSo("Maior"));
    const fs::path exeComCatalogo = comCatalogo.caminho() / "trovale-cli";
    const fs::path exeSemCatalogo = semCatalogo.caminho() / "trovale-cli";
    struct Caso {
        const char* descricao;
        FontesDiretorioPrograma fontes;
        fs::path esperado;
    };
    const Caso casos[] = {
        {"TROVALE_DIR wins",
         {"/tmp/catalogo", exeComCatalogo, "/xdg", "/home/ana", {}},
         "/tmp/catalogo"},
        {"empty TROVALE_DIR counts as unset",
         {"", exeComCatalogo, "/xdg", "/home/ana", {}},
         comCatalogo.caminho()},
        {"program folder with ACORDES.TIP",
         {{}, exeComCatalogo, "/xdg", "/home/ana", {}},
         comCatalogo.caminho()},
        {"program folder without it",
         {{}, exeSemCatalogo, "/xdg", "/home/ana", {}},
         "/xdg/Trovale"},
        {"program path unknown", {{}, {}, "/xdg", "/home/ana", {}}, "/xdg/Trovale"},
        {"empty XDG_DATA_HOME",
         {{}, exeSemCatalogo, "", "/home/ana", {}},
         "/home/ana/.local/share/Trovale"},
        {"no XDG_DATA_HOME",
         {{}, exeSemCatalogo, {}, "/home/ana", {}},
         "/home/ana/.local/share/Trovale"},
        {"no home either", {{}, exeSemCatalogo, {}, {}, {}}, "/.local/share/Trovale"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.descricao);
        EXPECT_EQ(resolverDiretorioPrograma(caso.fontes), caso.esperado);
    }
}

// An installation laid out as a package lays it out: bin/ beside share/trovale/.
TEST(ProgramDir, ReadingFallsBackToTheInstalledCatalogue) {
    PastaTemporaria raiz, usuario, usuarioComCatalogo;
    raiz.gravar("share/trovale/ACORDES.TIP", tiposSo("Maior"));
    usuarioComCatalogo.gravar("Trovale/ACORDES.TIP", tiposSo("Maior"));
    const fs::path exeInstalado = raiz.caminho() / "bin" / "trovale-cli";
    const fs::path exeSolto = usuario.caminho() / "trovale-cli";
    struct Caso {
        const char* descricao;
        FontesDiretorioPrograma fontes;
        fs::path esperado;
    };
    const Caso casos[] = {
        {"per-user folder not yet seeded",
         {{}, exeInstalado, usuario.texto(), "/home/ana", {}},
         raiz.caminho() / "share" / "trovale"},
        {"per-user catalogue comes first",
         {{}, exeInstalado, usuarioComCatalogo.texto(), "/home/ana", {}},
         usuarioComCatalogo.caminho() / "Trovale"},
        {"TROVALE_DIR is taken as given",
         {usuario.texto(), exeInstalado, usuario.texto(), "/home/ana", {}},
         usuario.caminho()},
        {"no installed catalogue either",
         {{}, exeSolto, usuario.texto(), "/home/ana", {}},
         usuario.caminho() / "Trovale"},
        {"program path unknown", {{}, {}, usuario.texto(), "/home/ana", {}},
         usuario.caminho() / "Trovale"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.descricao);
        EXPECT_EQ(resolverCatalogoParaLeitura(caso.fontes), caso.esperado);
    }
    // The windowed program keeps the per-user folder, which it seeds and saves into.
    EXPECT_EQ(resolverDiretorioPrograma(casos[0].fontes), usuario.caminho() / "Trovale");
}

// Folders that each hold a one-type catalogue named after the folder.
class ProgramDirOfCli : public ::testing::Test {
  protected:
    static void catalogo(const PastaTemporaria& pasta, const fs::path& sub, std::string_view nome) {
        pasta.gravar(sub / "ACORDES.TIP", tiposSo(nome));
        pasta.gravar(sub / "POSICOES.DIG", digitacoesSoDoMaior());
    }
    // A copy of the program in a folder of its own, so that the build folder does not count.
    fs::path copiaDoPrograma(const PastaTemporaria& pasta) {
        const fs::path destino = pasta.caminho() / "trovale-cli";
        fs::copy_file(TROVALE_CLI_PATH, destino);
        fs::permissions(destino, fs::perms::owner_all);
        return destino;
    }
    static std::string nomeLido(const ResultadoCli& r) {
        const std::string chave = "\"name\":\"";
        const std::size_t inicio = r.saida.find(chave);
        if (inicio == std::string::npos) return "(nenhum) " + r.erros;
        const std::size_t de = inicio + chave.size();
        return r.saida.substr(de, r.saida.find('"', de) - de);
    }
    PastaTemporaria a, b, dados, programa;
};

TEST_F(ProgramDirOfCli, EnvironmentAndOptionAgree) {
    catalogo(a, "", "Pasta A");
    catalogo(b, "", "Pasta B");
    catalogo(dados, "Trovale", "Dados do usuario");
    const fs::path semCatalogo = copiaDoPrograma(programa);
    struct Caso {
        const char* descricao;
        AmbienteCli ambiente;
        std::vector<std::string> argumentos;
        std::string esperado;
    };
    const AmbienteCli soXdg{{"XDG_DATA_HOME", dados.texto()}};
    const AmbienteCli comA{{"TROVALE_DIR", a.texto()}, {"XDG_DATA_HOME", dados.texto()}};
    const Caso casos[] = {
        {"TROVALE_DIR", comA, {"types", "--json"}, "Pasta A"},
        {"--dir over TROVALE_DIR", comA, {"--dir", b.texto(), "types", "--json"}, "Pasta B"},
        {"--dir after the subcommand", comA, {"types", "--json", "--dir", b.texto()}, "Pasta B"},
        {"per-user data folder", soXdg, {"types", "--json"}, "Dados do usuario"},
        {"under HOME without XDG_DATA_HOME",
         {{"HOME", dados.texto() + "/home"}},
         {"types", "--json"},
         "Home"},
    };
    catalogo(dados, "home/.local/share/Trovale", "Home");
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.descricao);
        EXPECT_EQ(nomeLido(executarCli(caso.argumentos, caso.ambiente, semCatalogo)),
                  caso.esperado);
    }
}

TEST_F(ProgramDirOfCli, ProgramFolderHoldingTheCatalogue) {
    catalogo(a, "", "Pasta A");
    catalogo(dados, "Trovale", "Dados do usuario");
    catalogo(programa, "", "Junto do programa");
    const fs::path exe = copiaDoPrograma(programa);
    const AmbienteCli soXdg{{"XDG_DATA_HOME", dados.texto()}};
    EXPECT_EQ(nomeLido(executarCli({"types", "--json"}, soXdg, exe)), "Junto do programa");
    AmbienteCli comA = soXdg;
    comA["TROVALE_DIR"] = a.texto();
    EXPECT_EQ(nomeLido(executarCli({"types", "--json"}, comA, exe)), "Pasta A");
}

// A fresh user runs the installed command line before ever starting the windowed program.
TEST_F(ProgramDirOfCli, InstalledCatalogueBeforeTheFirstStart) {
    catalogo(programa, "share/trovale", "Instalado");
    catalogo(dados, "Trovale", "Dados do usuario");
    fs::create_directories(programa.caminho() / "bin");
    const fs::path exe = programa.caminho() / "bin" / "trovale-cli";
    fs::copy_file(TROVALE_CLI_PATH, exe);
    fs::permissions(exe, fs::perms::owner_all);
    EXPECT_EQ(nomeLido(executarCli({"types", "--json"}, {{"XDG_DATA_HOME", a.texto()}}, exe)),
              "Instalado");
    EXPECT_EQ(nomeLido(executarCli({"types", "--json"}, {{"XDG_DATA_HOME", dados.texto()}}, exe)),
              "Dados do usuario");
}

}  // namespace
}  // namespace trovale::testing
