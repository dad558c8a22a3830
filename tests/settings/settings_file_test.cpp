// The numbers and lines of the settings files.

#include "settings/settings_file.h"

#include <gtest/gtest.h>

namespace trovale {
namespace {

TEST(SettingsFile, IntegersAtTheStartOfALine) {
    const struct {
        const char* linha;
        int quantos;
        std::optional<std::vector<int>> numeros;
        const char* resto;
    } casos[] = {
        {"1 2", 2, std::vector<int>{1, 2}, ""},
        {"  -14\t+3 7 Times New Roman", 3, std::vector<int>{-14, 3, 7}, " Times New Roman"},
        {"2147483647 -2147483648", 2, std::vector<int>{2147483647, -2147483648}, ""},
        {"1 2 3", 2, std::vector<int>{1, 2}, " 3"},
        {"1", 2, std::nullopt, ""},
        {"1x 2", 2, std::nullopt, ""},
        {"1 - 2", 2, std::nullopt, ""},
        {"+-1 2", 2, std::nullopt, ""},
        {"2147483648 1", 2, std::nullopt, ""},
        {"", 1, std::nullopt, ""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.linha);
        std::string_view resto;
        EXPECT_EQ(lerInteiros(c.linha, c.quantos, &resto), c.numeros);
        if (c.numeros) {
            EXPECT_EQ(resto, c.resto);
        }
    }
}

TEST(SettingsFile, LinesEndWithCrLfOrLf) {
    using Linhas = std::vector<std::string>;
    EXPECT_EQ(linhasArquivo("a\r\nb\r\n"), (Linhas{"a", "b"}));
    EXPECT_EQ(linhasArquivo("a\nb"), (Linhas{"a", "b"}));
    EXPECT_EQ(linhasArquivo("a\r\n\r\nb\r\n\r\n\r\n"), (Linhas{"a", "", "b"}));
    EXPECT_EQ(linhasArquivo(""), Linhas{});
    EXPECT_EQ(linhasArquivo("\xE7\r\n"), Linhas{"\xE7"});
}

}  // namespace
}  // namespace trovale
