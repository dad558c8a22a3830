#include <gtest/gtest.h>

#include "catalogue_folder.h"
#include "cli_process.h"

namespace trovale::testing {
namespace {

struct CasoCifra {
    const char* simbolo;  // as typed in a UTF-8 terminal
    const char* json;
};

const CasoCifra kCasos[] = {
    {"C7(9)",
     R"j({"input":"C7(9)","isChord":true,"root":"C","bass":"C","variant":1,"canonical":"add9b7","type":18,"typeWithBass":18,"key":"Cf7(9)"})j"},
    {"Am",
     R"j({"input":"Am","isChord":true,"root":"A","bass":"A","variant":1,"canonical":"m","type":2,"typeWithBass":2,"key":"Afm"})j"},
    // The empty symbol is the highest-numbered type whose standard symbol is empty.
    {"C",
     R"j({"input":"C","isChord":true,"root":"C","bass":"C","variant":1,"canonical":"","type":1,"typeWithBass":1,"key":"Cf"})j"},
    // The b7 bass is a note of the chord.
    {"Bb7(9)/Ab",
     R"j({"input":"Bb7(9)/Ab","isChord":true,"root":"Bb","bass":"Ab","variant":1,"canonical":"add9b7","type":18,"typeWithBass":18,"key":"Bb7(9)/Ab"})j"},
    // A b7 bass under a major chord makes it the major chord with 7th.
    {"C/Bb",
     R"j({"input":"C/Bb","isChord":true,"root":"C","bass":"Bb","variant":1,"canonical":"","type":1,"typeWithBass":7,"key":"Cf/Bb"})j"},
    {"F#m/A",
     R"j({"input":"F#m/A","isChord":true,"root":"F#","bass":"A","variant":1,"canonical":"m","type":2,"typeWithBass":2,"key":"Fsm/A"})j"},
    // Cb, Fb, E# and B# read as B, E, F and C, kept as written.
    {"E#m",
     R"j({"input":"E#m","isChord":true,"root":"E#","bass":"E#","variant":1,"canonical":"m","type":2,"typeWithBass":2,"key":"Esm"})j"},
    {"Cb/Eb",
     R"j({"input":"Cb/Eb","isChord":true,"root":"Cb","bass":"Eb","variant":1,"canonical":"","type":1,"typeWithBass":1,"key":"Cb/Eb"})j"},
    {"G7*b",
     R"j({"input":"G7*b","isChord":true,"root":"G","bass":"G","variant":2,"canonical":"b7","type":7,"typeWithBass":7,"key":"Gf7*b"})j"},
    {"G7*",
     R"j({"input":"G7*","isChord":true,"root":"G","bass":"G","variant":2,"canonical":"b7","type":7,"typeWithBass":7,"key":"Gf7*"})j"},
    // "º" arrives as UTF-8 and must be read as the byte 0xBA.
    {"Dº",
     R"j({"input":"Dº","isChord":true,"root":"D","bass":"D","variant":1,"canonical":"o7","type":40,"typeWithBass":40,"key":"Dfº"})j"},
    // Another written form of the augmented fifth's token.
    {"E+5",
     R"j({"input":"E+5","isChord":true,"root":"E","bass":"E","variant":1,"canonical":"#5","type":25,"typeWithBass":25,"key":"Ef+5"})j"},
    // No type is written "b13#5"; its intervals are those of the augmented chord.
    {"C+(b13)",
     R"j({"input":"C+(b13)","isChord":true,"root":"C","bass":"C","variant":1,"canonical":"b13#5","type":25,"typeWithBass":25,"key":"Cf+(b13)"})j"},
    // A chord, but of no catalogued type.
    {"Cm7",
     R"j({"input":"Cm7","isChord":true,"root":"C","bass":"C","variant":1,"canonical":"b7m","type":0,"typeWithBass":0,"key":"Cfm7"})j"},
    {"Cx",
     R"j({"input":"Cx","isChord":false,"root":"C","bass":"C","variant":1,"canonical":"","type":0,"typeWithBass":0,"key":"Cfx"})j"},
};

class ChordCommand : public ::testing::Test {
  protected:
    void SetUp() override { pasta.gravar("ACORDES.TIP", tiposExemplo()); }
    ResultadoCli executar(std::vector<std::string> argumentos, bool comDigitacoes = true) {
        if (comDigitacoes) pasta.gravar("POSICOES.DIG", digitacoesExemplo());
        argumentos.insert(argumentos.begin(), {"--dir", pasta.texto()});
        return executarCli(argumentos);
    }
    PastaTemporaria pasta;
};

TEST_F(ChordCommand, JsonOfEachSymbol) {
    for (const CasoCifra& caso : kCasos) {
        SCOPED_TRACE(caso.simbolo);
        const ResultadoCli r = executar({"chord", "--json", caso.simbolo});
        EXPECT_EQ(r.saida, std::string("[") + caso.json + "]\n");
        EXPECT_EQ(r.erros, "");
        EXPECT_EQ(r.status, 0);
    }
}

TEST_F(ChordCommand, JsonKeepsTheOrderOfManySymbols) {
    std::vector<std::string> argumentos{"chord", "--json"};
    std::string esperado;
    for (const CasoCifra& caso : kCasos) {
        argumentos.push_back(caso.simbolo);
        esperado += (esperado.empty() ? "[" : ",") + std::string(caso.json);
    }
    EXPECT_EQ(executar(argumentos).saida, esperado + "]\n");
}

TEST_F(ChordCommand, WordsThatAreNoChord) {
    const ResultadoCli r = executar({"chord", "--json", "H7", "C/C"});
    EXPECT_EQ(r.status, 0);
    // A root outside A..G stops before anything is taken apart; a bass equal to the root
    // stops after the root.
    EXPECT_EQ(
        r.saida,
        R"j([{"input":"H7","isChord":false,"root":"","bass":"","variant":1,"canonical":"","type":0,"typeWithBass":0,"key":""},)j"
        R"j({"input":"C/C","isChord":false,"root":"C","bass":"","variant":1,"canonical":"","type":0,"typeWithBass":0,"key":"Cf/C"}])j"
        "\n");
}

TEST_F(ChordCommand, PlainOutputNamesTheType) {
    const ResultadoCli r = executar({"chord", "C7(9)", "C/Bb", "G7*b", "Cx"});
    EXPECT_EQ(r.saida,
              "Cifra  Acorde  Raiz  Baixo  Variante  Tipo  Com baixo  Canônica  Nome do tipo\n"
              "C7(9)  sim     C     C             1    18         18  add9b7    Maior com 7ª e 9ª\n"
              "C/Bb   sim     C     Bb            1     1          7            Maior\n"
              "G7*b   sim     G     G             2     7          7  b7        Maior com 7ª\n"
              "Cx     não     C     C             1     -          -\n");
    EXPECT_EQ(r.status, 0);
}

TEST_F(ChordCommand, AnswersWithoutFingeringsAndSaysWhy) {
    const ResultadoCli r = executar({"chord", "--json", "C7(9)"}, false);
    EXPECT_EQ(r.saida, std::string("[") + kCasos[0].json + "]\n");
    EXPECT_EQ(r.erros,
              "Arquivo POSICOES.DIG não se encontra no diretório apropriado ou está danificado.\n");
    EXPECT_EQ(r.status, 0);
}

TEST_F(ChordCommand, NeedsAtLeastOneSymbol) {
    const ResultadoCli r = executar({"chord", "--json"});
    EXPECT_EQ(r.saida, "");
    EXPECT_NE(r.erros, "");
    EXPECT_EQ(r.status, 2);
}

}  // namespace
}  // namespace trovale::testing
