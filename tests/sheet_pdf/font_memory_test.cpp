// fontconfig's answers kept between runs: used while nothing they depend on changed, asked
// again as soon as something did.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "fonts/font_face.h"
#include "fonts/font_library.h"
#include "fonts/font_memory.h"

namespace trovale::fontes {
namespace {

namespace fs = std::filesystem;

// A face as the memory writes it: its file and index.
std::string respostaDe(const FaceFonte* face) {
    return face ? face->arquivo().caminho.string() + "\t" + std::to_string(face->arquivo().indice)
                : "";
}

std::string lerArquivo(const fs::path& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// What stands at a path, contents included, to tell whether anything changed it.
std::string retrato(const fs::path& caminho) {
    const fs::file_status estado = fs::symlink_status(caminho);
    if (!fs::exists(estado)) return "nada";
    if (fs::is_symlink(estado)) return "link: " + fs::read_symlink(caminho).string();
    if (!fs::is_directory(estado)) return "arquivo: " + lerArquivo(caminho);
    std::set<fs::path> dentro;
    for (const fs::directory_entry& e : fs::directory_iterator(caminho)) dentro.insert(e.path());
    std::string r = "pasta";
    for (const fs::path& p : dentro) r += "\n" + p.filename().string() + ": " + retrato(p);
    return r;
}

std::string linhaDeArial(const std::string& resposta) {
    return "face\tArial\t0\t0\t0\t" + resposta + "\n";
}

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

    // The face Arial is drawn from, by a library that remembers in memoria().
    std::string arquivoDeArial() const {
        BibliotecaFontes fontes(memoria());
        return respostaDe(fontes.face("Arial", false, false));
    }

    std::string lerMemoria() const { return lerArquivo(memoria()); }
    // The remembered answer for Arial pointed at another face, so that using it shows.
    void falsificarArial(const std::string& para) const {
        std::string texto = lerMemoria();
        const std::string inicio = "face\tArial\t0\t0\t0\t";
        const std::size_t onde = texto.find(inicio);
        ASSERT_NE(onde, std::string::npos) << texto;
        const std::size_t resposta = onde + inicio.size();
        texto.replace(resposta, texto.find('\n', resposta) - resposta, para);
        std::ofstream(memoria()) << texto;
    }

    fs::path pasta_;
    std::optional<std::string> configuracaoAntes_;
};

TEST_F(MemoriaFontesTest, AnswersHoldUntilWhatTheyDependOnChanges) {
    const std::string fontconfig = respostaDe(BibliotecaFontes().face("Arial", false, false));
    EXPECT_EQ(arquivoDeArial(), fontconfig);  // asked, and remembered
    ASSERT_TRUE(fs::exists(memoria()));
    const std::string outra = respostaDe(BibliotecaFontes().face("Courier New", false, false));
    ASSERT_NE(outra, fontconfig);

    falsificarArial(outra);
    EXPECT_EQ(arquivoDeArial(), outra) << "the remembered answer is used";

    fs::create_directories(pasta_ / "config" / "fontconfig");  // the user adds a configuration
    EXPECT_EQ(arquivoDeArial(), fontconfig) << "fontconfig is asked again";

    falsificarArial(outra);
    ::setenv("XDG_CONFIG_HOME", (pasta_ / "outra").c_str(), 1);
    EXPECT_EQ(arquivoDeArial(), fontconfig) << "another environment, another answer";
}

TEST_F(MemoriaFontesTest, ADamagedMemoryIsMadeAgain) {
    const std::string fontconfig = arquivoDeArial();
    for (const char* estrago : {"", "trovale-fontes\t1\n", "lixo\n", "trovale-fontes\t1\nx\n"}) {
        std::ofstream(memoria()) << estrago;
        EXPECT_EQ(arquivoDeArial(), fontconfig) << estrago;
        EXPECT_NE(lerMemoria().find(linhaDeArial(fontconfig)), std::string::npos) << estrago;
    }
}

// Whatever stands where a remembered face was: the memory is given up and fontconfig asked
// again, without ever waiting on a pipe.
TEST_F(MemoriaFontesTest, ARememberedFileThatHoldsNoFaceIsAskedAgain) {
    const std::string fontconfig = arquivoDeArial();
    ASSERT_FALSE(fontconfig.empty());
    const std::string fonte = fontconfig.substr(0, fontconfig.find('\t'));
    const struct {
        const char* estrago;
        std::string resposta;  // as the memory keeps it: file and face index
    } casos[] = {
        {"a text file", (pasta_ / "senhas").string() + "\t0"},
        {"an empty file", (pasta_ / "vazia.ttf").string() + "\t0"},
        {"face -1", fonte + "\t-1"},
        {"a face past the file's last", fonte + "\t7"},
        {"a named pipe", (pasta_ / "cano").string() + "\t0"},
        {"a folder", (pasta_ / "pasta.ttf").string() + "\t0"},
        {"a missing file", (pasta_ / "sumida.ttf").string() + "\t0"},
    };
    std::ofstream(pasta_ / "senhas") << "root:x:0:0:root:/root:/bin/bash\n";
    std::ofstream(pasta_ / "vazia.ttf").flush();
    ASSERT_EQ(::mkfifo((pasta_ / "cano").c_str(), 0600), 0);
    fs::create_directory(pasta_ / "pasta.ttf");

    for (const auto& caso : casos) {
        fs::remove(memoria());
        ASSERT_EQ(arquivoDeArial(), fontconfig);
        falsificarArial(caso.resposta);

        EXPECT_EQ(arquivoDeArial(), fontconfig) << caso.estrago;
        const std::string depois = lerMemoria();
        EXPECT_NE(depois.find(linhaDeArial(fontconfig)), std::string::npos) << caso.estrago;
        EXPECT_EQ(depois.find(linhaDeArial(caso.resposta)), std::string::npos) << caso.estrago;
        EXPECT_EQ(arquivoDeArial(), fontconfig) << caso.estrago << ": remembered again";
    }
}

// A link in the memory's place is replaced by the memory itself; what it pointed at is never
// written.
TEST_F(MemoriaFontesTest, ALinkInTheMemorysPlaceIsReplacedNotFollowed) {
    const std::string fontconfig = respostaDe(BibliotecaFontes().face("Arial", false, false));
    const fs::path alvo = pasta_ / "notas.txt";
    const std::string notas = "Minhas notas\nque nenhum programa deve apagar.\n";
    const struct {
        const char* alvo;
        void (*preparar)(const fs::path& alvo, const std::string& notas);
    } casos[] = {
        {"a file of the user's",
         [](const fs::path& a, const std::string& n) { std::ofstream(a, std::ios::binary) << n; }},
        {"a folder",
         [](const fs::path& a, const std::string& n) {
             fs::create_directory(a);
             std::ofstream(a / "dentro", std::ios::binary) << n;
         }},
        {"nothing", [](const fs::path&, const std::string&) {}},
    };
    for (const auto& caso : casos) {
        fs::remove_all(memoria().parent_path());
        fs::remove_all(alvo);
        fs::create_directories(memoria().parent_path());
        caso.preparar(alvo, notas);
        fs::create_symlink(alvo, memoria());
        const std::string antes = retrato(alvo);

        EXPECT_EQ(arquivoDeArial(), fontconfig) << caso.alvo;

        EXPECT_EQ(retrato(alvo), antes) << caso.alvo;
        EXPECT_FALSE(fs::is_symlink(memoria())) << caso.alvo;
        EXPECT_TRUE(fs::is_regular_file(memoria())) << caso.alvo;
        EXPECT_NE(lerMemoria().find(linhaDeArial(fontconfig)), std::string::npos) << caso.alvo;
        EXPECT_EQ(std::distance(fs::directory_iterator(memoria().parent_path()),
                                fs::directory_iterator()),
                  1)
            << caso.alvo << ": nothing but the memory is left in its folder";
    }
}

}  // namespace
}  // namespace trovale::fontes
