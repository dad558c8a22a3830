#include <gtest/gtest.h>

#include "catalogue_folder.h"
#include "cli_process.h"

namespace trovale::testing {
namespace {

TEST(GlobalOptions, VersionAndHelp) {
    const ResultadoCli versao = executarCli({"--version"});
    EXPECT_EQ(versao.saida, "trovale-cli 2.04\n");
    EXPECT_EQ(versao.status, 0);

    const ResultadoCli ajuda = executarCli({"--help"});
    EXPECT_EQ(ajuda.status, 0);
    for (const char* palavra : {"types", "chord", "fingerings", "--dir", "--version"})
        EXPECT_NE(ajuda.saida.find(palavra), std::string::npos) << palavra;
}

// Usage mistakes are told on standard error, never as an answer, with exit status 2.
TEST(GlobalOptions, UsageMistakes) {
    PastaTemporaria pasta;
    pasta.gravar("ACORDES.TIP", tiposExemplo());
    pasta.gravar("POSICOES.DIG", digitacoesExemplo());
    const std::vector<std::vector<std::string>> casos = {
        {"--dir", pasta.texto()},
        {"--dir", pasta.texto(), "scales"},
        {"--dir", pasta.texto(), "types", "--xml"},
        {"--dir", pasta.texto(), "types", "extra"},
    };
    for (const auto& argumentos : casos) {
        SCOPED_TRACE(::testing::PrintToString(argumentos));
        const ResultadoCli r = executarCli(argumentos);
        EXPECT_EQ(r.saida, "");
        EXPECT_NE(r.erros, "");
        EXPECT_EQ(r.status, 2);
    }
}

}  // namespace
}  // namespace trovale::testing
