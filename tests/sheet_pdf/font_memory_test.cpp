// fontconfig's answers kept between runs: used while nothing they depend on changed, asked
// again as soon as something did.
#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "fonts/font_face.h"
#include "fonts/font_library.h"
#include "fonts/font_memory.h"

namespace trovale::fontes {
namespace {

namespace fs = std::filesystem;

class MemoriaFontesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        pasta_ = fs::temp_directory_path() / ("memoria-fontes-" + std::to_string(::getpid()));
        fs::remove_all(pasta_);
        fs::create_directories(pasta_);
        // The user's configuration folder is one of the places the answers depend on.
        const char* antes = std::getenv("XDG_CONFIG_HOME");
        if (antes) configuracaoAntes_ = antes;
        ::setenv("XDG_CONFIG_HOME", (pasta_ / "config").c_str(), 1);
    }
    void TearDown() override {
        if (configuracaoAntes_)
            ::setenv("XDG_CONFIG_HOME", configuracaoAntes_->c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
        fs::remove_all(pasta_);
    }
    fs::path memoria() const { return pasta_ / "cache" / "fontes"; }

    // The file Arial is drawn from, by a library that remembers in memoria().
    std::string arquivoDeArial() const {
        BibliotecaFontes fontes(memoria());
        const FaceFonte* face = fontes.face("Arial", false, false);
        return face ? face->arquivo().caminho.string() : "";
    }

    std::string lerMemoria() const {
        std::ifstream f(memoria());
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }
    // The remembered answer for Arial pointed at another face, so that using it shows.
    void falsificarArial(const std::string& de, const std::string& para) const {
        std::string texto = lerMemoria();
        const std::size_t onde = texto.find("face\tArial\t0\t0\t0\t" + de);
        ASSERT_NE(onde, std::string::npos) << texto;
        texto.replace(texto.find(de, onde), de.size(), para);
        std::ofstream(memoria()) << texto;
    }

    fs::path pasta_;
    std::optional<std::string> configuracaoAntes_;
};

TEST_F(MemoriaFontesTest, AnswersHoldUntilWhatTheyDependOnChanges) {
    const std::string fontconfig =
        BibliotecaFontes().face("Arial", false, false)->arquivo().caminho.string();
    EXPECT_EQ(arquivoDeArial(), fontconfig);  // asked, and remembered
    ASSERT_TRUE(fs::exists(memoria()));
    const std::string outra =
        BibliotecaFontes().face("Courier New", false, false)->arquivo().caminho.string();
    ASSERT_NE(outra, fontconfig);

    falsificarArial(fontconfig, outra);
    EXPECT_EQ(arquivoDeArial(), outra) << "the remembered answer is used";

    fs::create_directories(pasta_ / "config" / "fontconfig");  // the user adds a configuration
    EXPECT_EQ(arquivoDeArial(), fontconfig) << "fontconfig is asked again";

    falsificarArial(fontconfig, outra);
    ::setenv("XDG_CONFIG_HOME", (pasta_ / "outra").c_str(), 1);
    EXPECT_EQ(arquivoDeArial(), fontconfig) << "another environment, another answer";
}

TEST_F(MemoriaFontesTest, ADamagedMemoryIsMadeAgain) {
    const std::string fontconfig = arquivoDeArial();
    for (const char* estrago : {"", "trovale-fontes\t1\n", "lixo\n", "trovale-fontes\t1\nx\n"}) {
        std::ofstream(memoria()) << estrago;
        EXPECT_EQ(arquivoDeArial(), fontconfig) << estrago;
        EXPECT_NE(lerMemoria().find("face\tArial\t0\t0\t0\t" + fontconfig), std::string::npos)
            << estrago;
    }
}

}  // namespace
}  // namespace trovale::fontes
