#include <gtest/gtest.h>

#include "catalogue_folder.h"
#include "cli_process.h"

namespace trovale::testing {
namespace {

class IdentifyCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        pasta.gravar("ACORDES.TIP", tiposExemplo());
        pasta.gravar("POSICOES.DIG", digitacoesExemplo());
    }
    ResultadoCli executar(std::vector<std::string> argumentos) {
        argumentos.insert(argumentos.begin(), {"--dir", pasta.texto(), "identify"});
        return executarCli(argumentos);
    }
    PastaTemporaria pasta;
};

TEST_F(IdentifyCommand, AnswersOneObjectPerFingering) {
    const struct {
        const char* trastes;
        const char* json;
    } casos[] = {
        {"x 3 2 0 1 0",
         R"j({"frets":"x 3 2 0 1 0","valid":true,"message":"","count":1,"candidates":[{"root":"C","rootPc":4,"type":1,"typeName":"Maior","symbol":"C","omission":0,"catalogued":true}]})j"},
        // The compact form, and a chord not catalogued with this shape.
        {"x02210",
         R"j({"frets":"x 0 2 2 1 0","valid":true,"message":"","count":1,"candidates":[{"root":"A","rootPc":1,"type":2,"typeName":"Menor","symbol":"Am","omission":0,"catalogued":true}]})j"},
        // Six matches in string order of the roots (C on string 2, G# on 3, E on 4); five
        // shown; the bass written after other roots; C(b13) shares the fingerings of C+.
        {"x 3 2 1 1 x",
         R"j({"frets":"x 3 2 1 1 x","valid":true,"message":"","count":6,"candidates":[{"root":"C","rootPc":4,"type":25,"typeName":"Aumentada","symbol":"C+","omission":0,"catalogued":true},{"root":"C","rootPc":4,"type":26,"typeName":"Maior com 13ª menor","symbol":"C(b13)","omission":0,"catalogued":true},{"root":"G#","rootPc":12,"type":25,"typeName":"Aumentada","symbol":"G#+/C","omission":0,"catalogued":false},{"root":"G#","rootPc":12,"type":26,"typeName":"Maior com 13ª menor","symbol":"G#(b13)/C","omission":0,"catalogued":false},{"root":"E","rootPc":8,"type":25,"typeName":"Aumentada","symbol":"E+/C","omission":0,"catalogued":false}]})j"},
        {"x x x x 0 0",
         R"j({"frets":"x x x x 0 0","valid":false,"message":"No mínimo 3 notas diferentes devem estar habilitadas num acorde.","count":0,"candidates":[]})j"},
        {"1 3 5 7 9 11",
         R"j({"frets":"1 3 5 7 9 11","valid":false,"message":"Digitação impossível de montar: exige mais de quatro dedos ou pestanas, ou mais de cinco casas de abertura.","count":0,"candidates":[]})j"},
    };
    for (const auto& c : casos) {
        const ResultadoCli r = executar({"--json", c.trastes});
        EXPECT_EQ(r.status, 0) << c.trastes;
        EXPECT_EQ(r.saida, std::string(c.json) + "\n") << c.trastes;
    }
}

TEST_F(IdentifyCommand, SeveralFingeringsMakeAnArray) {
    const ResultadoCli r = executar({"--json", "x32010", "x x x x 0 0"});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.saida.front(), '[');
    EXPECT_NE(r.saida.find(R"("frets":"x 3 2 0 1 0")"), std::string::npos);
    EXPECT_NE(r.saida.find(R"(},{"frets":"x x x x 0 0")"), std::string::npos);
}

TEST_F(IdentifyCommand, RefusesMalformedFrets) {
    for (const char* trastes : {"x 3 2 0 1", "x32a10", "x 3 2 0 1 30"}) {
        const ResultadoCli r = executar({"--json", trastes});
        EXPECT_EQ(r.status, 2) << trastes;
        EXPECT_EQ(r.saida, "") << trastes;
        EXPECT_EQ(r.erros, "Trastes inválidos: \"" + std::string(trastes) +
                               "\" (seis valores da corda 6 à 1: x, 0 ou a casa).\n");
    }
}

TEST_F(IdentifyCommand, PlainOutputListsCandidatesWithRemarks) {
    const ResultadoCli r = executar({"x 3 2 1 1 x"});
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.saida.find("x 3 2 1 1 x\n"), std::string::npos);
    EXPECT_NE(r.saida.find("Observação"), std::string::npos);
    EXPECT_NE(r.saida.find("G#+/C"), std::string::npos);
    EXPECT_NE(r.saida.find("catalogada"), std::string::npos);
}

}  // namespace
}  // namespace trovale::testing
