#include <gtest/gtest.h>

#include <functional>

#include "catalogue_folder.h"
#include "cli_process.h"

namespace trovale::testing {
namespace {

const std::string kSemTipos =
    "Arquivo ACORDES.TIP não se encontra no diretório apropriado ou está danificado.\n";
const std::string kSemDigitacoes =
    "Arquivo POSICOES.DIG não se encontra no diretório apropriado ou está danificado.\n";

std::string jsonTipoSo(const std::string& nome) {
    return R"([{"number":1,"name":")" + nome +
           R"(","intervals":[3,6],"standard":"","optional":"","canonical":"","basic":true}])"
           "\n";
}

struct CasoCarga {
    const char* descricao;
    std::function<void(const PastaTemporaria&)> preparar;
    std::vector<std::string> argumentos;
    std::string saida;
    std::string erros;
    int status;
};

void verificar(const std::vector<CasoCarga>& casos) {
    for (const CasoCarga& caso : casos) {
        SCOPED_TRACE(caso.descricao);
        PastaTemporaria pasta;
        caso.preparar(pasta);
        const std::vector<std::string> antes = pasta.nomes();
        std::vector<std::string> argumentos{"--dir", pasta.texto()};
        argumentos.insert(argumentos.end(), caso.argumentos.begin(), caso.argumentos.end());
        const ResultadoCli r = executarCli(argumentos);
        EXPECT_EQ(r.saida, caso.saida);
        EXPECT_EQ(r.erros, caso.erros);
        EXPECT_EQ(r.status, caso.status);
        EXPECT_EQ(pasta.nomes(), antes) << "the catalogue folder must be left as it was";
    }
}

void semTipos(const PastaTemporaria& p) {
    p.gravar("POSICOES.DIG", digitacoesExemplo());
}

void tiposCortados(const PastaTemporaria& p) {
    p.gravar("ACORDES.TIP", linhasCrLf({"3", " 3  6  0  0  0  0  0  1 Maior"}));
    p.gravar("POSICOES.DIG", digitacoesExemplo());
}

TEST(CatalogueLoading, WithoutTypesNoCommandCanAnswer) {
    verificar({
        {"missing, types", semTipos, {"types", "--json"}, "", kSemTipos, 1},
        {"missing, chord", semTipos, {"chord", "--json", "C"}, "", kSemTipos, 1},
        {"missing, fingerings", semTipos, {"fingerings", "--json", "C", "1"}, "", kSemTipos, 1},
        {"cut short", tiposCortados, {"types", "--json"}, "", kSemTipos, 1},
        {"no entries",
         [](const PastaTemporaria& p) { p.gravar("ACORDES.TIP", linhasCrLf({"0"})); },
         {"types"},
         "",
         kSemTipos,
         1},
    });
}

TEST(CatalogueLoading, ProblemsWithFingeringsDoNotStopTypes) {
    verificar({
        {"missing",
         [](const PastaTemporaria& p) { p.gravar("ACORDES.TIP", tiposSo("Maior")); },
         {"types", "--json"},
         jsonTipoSo("Maior"),
         kSemDigitacoes,
         0},
        {"empty",
         [](const PastaTemporaria& p) {
             p.gravar("ACORDES.TIP", tiposSo("Maior"));
             p.gravar("POSICOES.DIG", "");
         },
         {"types", "--json"},
         jsonTipoSo("Maior"),
         kSemDigitacoes,
         0},
        // The later block wins; both entries stay in the presentation order.
        {"duplicate type number",
         [](const PastaTemporaria& p) {
             p.gravar("ACORDES.TIP", linhasCrLf({"2", " 3  6  0  0  0  0  0  1 Maior",
                                                 " 3  6  0  0  0  0  0  1 Maior de novo"}));
         },
         {"types", "--json"},
         R"([{"number":1,"name":"Maior de novo","intervals":[3,6],"standard":"","optional":"","canonical":"","basic":true},)"
         R"({"number":1,"name":"Maior de novo","intervals":[3,6],"standard":"","optional":"","canonical":"","basic":true}])"
         "\n",
         "ATENÇÃO: Erro no arquivo de tipos de acordes. Duplicata: 1\n" + kSemDigitacoes,
         0},
    });
}

// The command-line tool never commits or discards a save the program left half done; it reads
// what the program will read once it has recovered.
TEST(CatalogueLoading, ReadsAnInterruptedSaveWithoutTouchingIt) {
    auto antigoENovo = [](const PastaTemporaria& p) {
        p.gravar("ACORDES.TIP", tiposSo("Antigo"));
        p.gravar("ACORDES.NEW", tiposSo("Novo"));
        p.gravar("POSICOES.DIG", digitacoesSoDoMaior());
    };
    verificar({
        {"new file without its marker is incomplete",
         antigoENovo,
         {"types", "--json"},
         jsonTipoSo("Antigo"),
         "",
         0},
        {"new file with its marker",
         [&](const PastaTemporaria& p) {
             antigoENovo(p);
             p.gravar("TERMINOU.NEW", "Yes\r\n");
         },
         {"types", "--json"},
         jsonTipoSo("Novo"),
         "",
         0},
        {"combined save marker",
         [&](const PastaTemporaria& p) {
             antigoENovo(p);
             p.gravar("CASADA.END", "Yes\r\n");
         },
         {"types", "--json"},
         jsonTipoSo("Novo"),
         "",
         0},
        {"old file already deleted",
         [](const PastaTemporaria& p) {
             p.gravar("ACORDES.NEW", tiposSo("Novo"));
             p.gravar("TERMINOU.NEW", "Yes\r\n");
             p.gravar("POSICOES.DIG", digitacoesSoDoMaior());
         },
         {"types", "--json"},
         jsonTipoSo("Novo"),
         "",
         0},
        {"new fingerings with their marker",
         [](const PastaTemporaria& p) {
             p.gravar("ACORDES.TIP", tiposExemplo());
             p.gravar("POSICOES.DIG", digitacoesSoDoMaior());
             p.gravar("POSICOES.NEW", digitacoesExemplo());
             p.gravar("ACABOU.NEW", "Yes\r\n");
         },
         {"fingerings", "--json", "C", "1"},
         R"([{"position":2,"ordinal":1,"frets":"x 3 2 0 1 0","casa":1},)"
         R"({"position":3,"ordinal":2,"frets":"x 3 5 5 5 3","casa":3}])"
         "\n",
         "",
         0},
        {"new fingerings without their marker",
         [](const PastaTemporaria& p) {
             p.gravar("ACORDES.TIP", tiposExemplo());
             p.gravar("POSICOES.DIG", digitacoesSoDoMaior());
             p.gravar("POSICOES.NEW", digitacoesExemplo());
         },
         {"fingerings", "--json", "C", "1"},
         R"([{"position":1,"ordinal":1,"frets":"x 3 2 0 1 0","casa":1}])"
         "\n",
         "",
         0},
    });
}

}  // namespace
}  // namespace trovale::testing
