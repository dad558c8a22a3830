// PALCO.INI: exact bytes, reading back, and lines that leave a side with the factory keys.

#include <gtest/gtest.h>

#include "base/file_system.h"
#include "catalogue/catalogue_files_fixture.h"
#include "settings/stage_keys_file.h"

namespace trovale {
namespace {

using testing::TempFolder;

TEST(StageKeysFile, WrittenAndReadBack) {
    TempFolder pasta;
    DiskFileSystem fs(false);
    EXPECT_EQ(lerTeclasDoPalco(fs, pasta.path()), teclasDoPalcoDeFabrica());
    const TeclasDoPalco pedal{{"B", "PgDown"}, {"A"}};
    ASSERT_TRUE(gravarTeclasDoPalco(fs, pasta.path(), pedal));
    EXPECT_EQ(pasta.read("PALCO.INI"), "Avancar=B;PgDown\r\nVoltar=A\r\n");
    EXPECT_EQ(lerTeclasDoPalco(fs, pasta.path()), pedal);
}

TEST(StageKeysFile, ASideWithNoKeyKeepsTheFactoryKeys) {
    const TeclasDoPalco fabrica = teclasDoPalcoDeFabrica();
    const struct {
        const char* bytes;
        std::vector<std::string> avancar, voltar;
    } casos[] = {
        {"", fabrica.avancar, fabrica.voltar},
        {"Avancar=\r\nVoltar=F7\r\n", fabrica.avancar, {"F7"}},
        {"Voltar= PgUp ; ;Left\n", fabrica.avancar, {"PgUp", "Left"}},
        {"lixo\r\nAvancar=Media Next\r\n", {"Media Next"}, fabrica.voltar},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.bytes);
        const TeclasDoPalco lidas = interpretarTeclasDoPalco(c.bytes);
        EXPECT_EQ(lidas.avancar, c.avancar);
        EXPECT_EQ(lidas.voltar, c.voltar);
    }
}

}  // namespace
}  // namespace trovale
