#include <gtest/gtest.h>

#include "catalogue_folder.h"
#include "cli_process.h"

namespace trovale::testing {
namespace {

struct CasoDigitacoes {
    std::vector<std::string> argumentos;
    std::string saida;
    std::string erros;
    int status;
};

class FingeringsCommand : public ::testing::Test {
  protected:
    void SetUp() override { pasta.gravar("ACORDES.TIP", tiposExemplo()); }
    void verificar(const std::vector<CasoDigitacoes>& casos) {
        for (const CasoDigitacoes& caso : casos) {
            std::vector<std::string> argumentos{"--dir", pasta.texto(), "fingerings"};
            argumentos.insert(argumentos.end(), caso.argumentos.begin(), caso.argumentos.end());
            SCOPED_TRACE(::testing::PrintToString(caso.argumentos));
            const ResultadoCli r = executarCli(argumentos);
            EXPECT_EQ(r.saida, caso.saida);
            EXPECT_EQ(r.erros, caso.erros);
            EXPECT_EQ(r.status, caso.status);
        }
    }
    PastaTemporaria pasta;
};

TEST_F(FingeringsCommand, JsonListsTheRunOfOneRootAndType) {
    pasta.gravar("POSICOES.DIG", digitacoesExemplo());
    verificar({
        {{"--json", "C", "1"},
         R"([{"position":2,"ordinal":1,"frets":"x 3 2 0 1 0","casa":1},)"
         R"({"position":3,"ordinal":2,"frets":"x 3 5 5 5 3","casa":3}])"
         "\n",
         "",
         0},
        {{"--json", "A", "2"},
         R"([{"position":1,"ordinal":1,"frets":"x 0 2 2 1 0","casa":1}])"
         "\n",
         "",
         0},
        {{"--json", "G", "1"},
         R"([{"position":4,"ordinal":1,"frets":"3 2 0 0 0 3","casa":1}])"
         "\n",
         "",
         0},
        // Type 26 sounds like type 25, which holds the fingering.
        {{"--json", "C", "26"},
         R"([{"position":5,"ordinal":1,"frets":"x 3 2 1 1 x","casa":1}])"
         "\n",
         "",
         0},
        // A# and Bb are the same root; it has no fingerings.
        {{"--json", "A#", "1"}, "[]\n", "", 0},
        {{"--json", "Bb", "1"}, "[]\n", "", 0},
    });
}

// A record that does not play its type is dropped: the positions are those of the list kept
// in memory, not of the file.
TEST_F(FingeringsCommand, RejectedRecordsAreCountedAndLeaveNoGap) {
    pasta.gravar("POSICOES.DIG", digitacoesExemplo(true));
    const std::string aviso =
        "O arquivo POSICOES.DIG está danificado ou apresenta inconsistência com os tipos de "
        "acorde definidos em ACORDES.TIP (1 ocorrências).\n";
    verificar({
        {{"--json", "G", "1"},
         R"([{"position":4,"ordinal":1,"frets":"3 2 0 0 0 3","casa":1}])"
         "\n",
         aviso,
         0},
        {{"--json", "C", "2"}, "[]\n", aviso, 0},
    });
}

TEST_F(FingeringsCommand, PlainOutput) {
    pasta.gravar("POSICOES.DIG", digitacoesExemplo());
    verificar({
        {{"C", "1"},
         "C Maior (tipo 1)\n"
         "Posição  Nº  Casa  Trastes\n"
         "      2   1     1  x 3 2 0 1 0\n"
         "      3   2     3  x 3 5 5 5 3\n",
         "",
         0},
        {{"C", "26"},
         "C Maior com 13ª menor (tipo 26)\n"
         "Digitações do tipo equivalente Aumentada (tipo 25)\n"
         "Posição  Nº  Casa  Trastes\n"
         "      5   1     1  x 3 2 1 1 x\n",
         "",
         0},
        {{"Bb", "1"}, "Bb Maior (tipo 1)\nNenhuma digitação catalogada.\n", "", 0},
    });
}

TEST_F(FingeringsCommand, RefusesBadArguments) {
    pasta.gravar("POSICOES.DIG", digitacoesExemplo());
    const std::string notaInvalida =
        "\". Escreva a raiz como A, A#, Bb, B, C, C#, Db, D, D#, Eb, E, F, F#, Gb, G, G# ou "
        "Ab.\n";
    verificar({
        {{"--json", "H", "1"}, "", "Nota inválida: \"H" + notaInvalida, 2},
        {{"--json", "c", "1"}, "", "Nota inválida: \"c" + notaInvalida, 2},
        {{"--json", "Cb", "1"}, "", "Nota inválida: \"Cb" + notaInvalida, 2},
        {{"--json", "Dº", "1"}, "", "Nota inválida: \"Dº" + notaInvalida, 2},
        {{"--json", "C", "x"},
         "",
         "Tipo de acorde inválido: \"x\". Indique o número do tipo, de 1 a 100.\n",
         2},
        {{"--json", "C", "0"},
         "",
         "Tipo de acorde inválido: \"0\". Indique o número do tipo, de 1 a 100.\n",
         2},
        {{"--json", "C", "101"},
         "",
         "Tipo de acorde inválido: \"101\". Indique o número do tipo, de 1 a 100.\n",
         2},
        {{"--json", "C", "99"}, "", "Tipo de acorde 99 não existe no catálogo.\n", 2},
    });
    const ResultadoCli r = executarCli({"--dir", pasta.texto(), "fingerings", "C"});
    EXPECT_EQ(r.saida, "");
    EXPECT_NE(r.erros.find("TYPE"), std::string::npos) << r.erros;
    EXPECT_EQ(r.status, 2);
}

TEST_F(FingeringsCommand, CannotAnswerWithoutFingerings) {
    verificar({
        {{"--json", "C", "1"},
         "",
         "Arquivo POSICOES.DIG não se encontra no diretório apropriado ou está danificado.\n",
         1},
    });
}

}  // namespace
}  // namespace trovale::testing
