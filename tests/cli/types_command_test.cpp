#include <gtest/gtest.h>

#include "command_fixture.h"

namespace trovale::testing {
namespace {

using TypesCommand = ComandoComCatalogo;

TEST_F(TypesCommand, JsonListsTypesInPresentationOrderWithoutSeparators) {
    const ResultadoCli r = executar({"types", "--json"});
    EXPECT_EQ(r.saida,
              "[{\"number\":1,\"name\":\"Maior\",\"intervals\":[3,6],\"standard\":\"\","
              "\"optional\":\"\",\"canonical\":\"\",\"basic\":true},"
              "{\"number\":2,\"name\":\"Menor\",\"intervals\":[2,6],\"standard\":\"m\","
              "\"optional\":\"\",\"canonical\":\"m\",\"basic\":true},"
              "{\"number\":7,\"name\":\"Maior com 7ª\",\"intervals\":[3,6,10],\"standard\":\"7\","
              "\"optional\":\"\",\"canonical\":\"b7\",\"basic\":true},"
              "{\"number\":18,\"name\":\"Maior com 7ª e 9ª\",\"intervals\":[3,6,10,13],"
              "\"standard\":\"7(9)\",\"optional\":\"\",\"canonical\":\"add9b7\",\"basic\":true},"
              "{\"number\":40,\"name\":\"Diminuta\",\"intervals\":[2,5,9],\"standard\":\"°\","
              "\"optional\":\"\",\"canonical\":\"o7\",\"basic\":true},"
              "{\"number\":25,\"name\":\"Aumentada\",\"intervals\":[3,7],\"standard\":\"+\","
              "\"optional\":\"\",\"canonical\":\"#5\",\"basic\":true},"
              "{\"number\":26,\"name\":\"Maior com 13ª menor\",\"intervals\":[3,17],"
              "\"standard\":\"(b13)\",\"optional\":\"\",\"canonical\":\"b13\",\"basic\":true},"
              "{\"number\":60,\"name\":\"Menor com 6ª e 9ª\",\"intervals\":[2,6,8,13],"
              "\"standard\":\"m/6/9\",\"optional\":\"m6(9)\",\"canonical\":\"add96m\","
              "\"basic\":false}]\n");
    EXPECT_EQ(r.erros, "");
    EXPECT_EQ(r.status, 0);
}

TEST_F(TypesCommand, PlainOutputShowsSeparatorsInAlignedColumns) {
    const ResultadoCli r = executar({"types"});
    EXPECT_EQ(r.saida,
              "Nº  Nome                 Intervalos  Cifra padrão  Cifra opcional\n"
              " 1  Maior                3 5\n"
              " 2  Menor                b3 5        m\n"
              "    -- Tétrades --\n"
              " 7  Maior com 7ª         3 5 b7      7\n"
              "18  Maior com 7ª e 9ª    3 5 b7 9    7(9)\n"
              "40  Diminuta             b3 b5 bb7   °\n"
              "25  Aumentada            3 #5        +\n"
              "26  Maior com 13ª menor  3 b13       (b13)\n"
              "60  Menor com 6ª e 9ª    b3 5 6 9    m/6/9         m6(9)\n");
    EXPECT_EQ(r.status, 0);
}

// The catalogue stores "ª" as the single byte 0xAA; what reaches the terminal is UTF-8.
TEST_F(TypesCommand, Windows1252NamesAreWrittenAsUtf8) {
    for (const char* modo : {"--json", ""}) {
        SCOPED_TRACE(modo);
        std::vector<std::string> argumentos{"types"};
        if (*modo) argumentos.push_back(modo);
        const std::string saida = executar(argumentos).saida;
        EXPECT_NE(saida.find("Maior com 7\xC2\xAA"), std::string::npos);
        if (!*modo) {
            EXPECT_NE(saida.find("-- T\xC3\xA9trades --"), std::string::npos);
        }
        for (std::size_t i = 0; i < saida.size(); ++i) {
            if (static_cast<unsigned char>(saida[i]) == 0xAA) {
                ASSERT_EQ(static_cast<unsigned char>(saida[i - 1]), 0xC2) << "at " << i;
            }
        }
    }
}

}  // namespace
}  // namespace trovale::testing
