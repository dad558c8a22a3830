// ASPECTO.INI: the exact bytes written, what a damaged file gives, and saving that never
// destroys the file already there.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "drawing/appearance_file.h"
#include "drawing/appearance_validation.h"

namespace trovale {
namespace {

namespace fs = std::filesystem;

const std::string kFabrica =
    "2 1 2 2\r\n"
    " 1.00000000000000E-0002  2.00000000000000E-0002  3.00000000000000E-0002 "
    " 3.33400000000000E-0002  5.00000000000000E-0002  4.00000000000000E-0002 "
    " 1.50000000000000E-0002\r\n";

class PastaTemporaria {
  public:
    PastaTemporaria() {
        std::random_device r;
        caminho_ = fs::temp_directory_path() / ("trovale-aspecto-" + std::to_string(r()));
        fs::create_directories(caminho_);
    }
    ~PastaTemporaria() { fs::remove_all(caminho_); }
    const fs::path& caminho() const { return caminho_; }
    void escrever(const std::string& nome, const std::string& bytes) const {
        std::ofstream(caminho_ / nome, std::ios::binary) << bytes;
    }
    std::string ler(const std::string& nome) const {
        std::ifstream entrada(caminho_ / nome, std::ios::binary);
        std::ostringstream texto;
        texto << entrada.rdbuf();
        return texto.str();
    }
    std::vector<std::string> arquivos() const {
        std::vector<std::string> nomes;
        for (const auto& e : fs::directory_iterator(caminho_))
            nomes.push_back(e.path().filename().string());
        return nomes;
    }

  private:
    fs::path caminho_;
};

// The real disk, with one step that fails as an input/output error would.
class DiscoFalho : public DiskFileSystem {
  public:
    enum class Falha { Nenhuma, Escrita, Recusa };
    explicit DiscoFalho(Falha falha) : DiskFileSystem(false), falha_(falha) {}

    void writeFile(const fs::path& caminho, std::string_view bytes) override {
        if (falha_ == Falha::Escrita)
            throw FileSystemError("No space left on device", caminho, true);
        if (falha_ == Falha::Recusa) throw FileSystemError("Read-only file system", caminho);
        DiskFileSystem::writeFile(caminho, bytes);
    }

  private:
    Falha falha_;
};

Aparencia outraAparencia() {
    Aparencia a;
    a.Orientacao = kOrientacaoHorizontal;
    a.Inicio = 2;
    a.PrimeiraCorda = 1;
    a.Extensao = 1;
    // Reached in the window step by step: fret 3 % needs a base of 4.5 % or more first.
    a.WT = 0.03;
    a.WB = 0.06;
    a.WC = 1.0 / 120;
    a.RP = 0.065;
    a.WP = 0.09;
    a.RT = 0.025;
    a.WL = 0.0015;
    return a;
}

TEST(AppearanceFile, FactoryBytes) {
    EXPECT_EQ(bytesAparencia(Aparencia{}), kFabrica);
}

TEST(AppearanceFile, RealsInTheirField) {
    const struct {
        double valor;
        const char* texto;
    } casos[] = {{0.01, " 1.00000000000000E-0002"},      {0.03334, " 3.33400000000000E-0002"},
                 {1.0 / 120, " 8.33333333333333E-0003"}, {12.5, " 1.25000000000000E+0001"},
                 {0.0, " 0.00000000000000E+0000"},       {-0.5, "-5.00000000000000E-0001"}};
    for (const auto& caso : casos) {
        EXPECT_EQ(formatarReal23(caso.valor), caso.texto);
        EXPECT_EQ(formatarReal23(caso.valor).size(), 23u);
    }
}

TEST(AppearanceFile, RoundTrip) {
    const Aparencia a = outraAparencia();
    const auto lida = lerBytesAparencia(bytesAparencia(a));
    ASSERT_TRUE(lida.has_value());
    EXPECT_EQ(lida->Orientacao, kOrientacaoHorizontal);
    EXPECT_EQ(lida->Extensao, 1);
    for (int k = kPropWC; k <= kPropWL; ++k) EXPECT_NEAR(lida->proporcao(k), a.proporcao(k), 1e-16);
}

// Pixel steps can put a proportion exactly on a ratio; fifteen digits must not push it over.
TEST(AppearanceFile, ValuesOnARatioAreReadBack) {
    Aparencia a;
    a.RP = 8.0 / 384;
    a.WC = 6.0 / 384;  // exactly 3:4 of the dot
    a.WP = 0.03;
    ASSERT_TRUE(proporcoesValidas(a));
    const auto lida = lerBytesAparencia(bytesAparencia(a));
    ASSERT_TRUE(lida.has_value());
    EXPECT_NEAR(lida->WC, a.WC, 1e-16);
}

// A hand-written file on the very edge of a ratio: what is read is saved in a form that reads
// back, never in one that the next start would throw away.
TEST(AppearanceFile, WhatIsReadIsSavedInAFormThatReadsBack) {
    const std::string bytes =
        "2 1 2 2\r\n0.015956727332633685 0.02 0.03 0.03 0.0212756364434903 0.04 0.015\r\n";
    const auto lida = lerBytesAparencia(bytes);
    if (!lida) return;  // refused as it stands is sound too
    const auto denovo = lerBytesAparencia(bytesAparencia(*lida));
    ASSERT_TRUE(denovo.has_value());
    EXPECT_EQ(bytesAparencia(*denovo), bytesAparencia(*lida));
}

TEST(AppearanceFile, AnyRealNotationIsRead) {
    const auto lida =
        lerBytesAparencia("1 2 1 1\n0.012 2E-2 +3.0e-2 0.03 5.0000E-0002 0.04 1.5e-2\n");
    ASSERT_TRUE(lida.has_value());
    EXPECT_EQ(lida->Orientacao, 1);
    EXPECT_EQ(lida->Inicio, 2);
    EXPECT_EQ(lida->PrimeiraCorda, 1);
    EXPECT_EQ(lida->Extensao, 1);
    EXPECT_DOUBLE_EQ(lida->WC, 0.012);
    EXPECT_DOUBLE_EQ(lida->WT, 0.02);
    EXPECT_DOUBLE_EQ(lida->WB, 0.03);
    EXPECT_DOUBLE_EQ(lida->WP, 0.03);
}

// Whatever is wrong, all eleven values are the factory ones.
TEST(AppearanceFile, DamagedFileGivesTheFactorySettings) {
    const std::string proporcoes = "0.01 0.02 0.03 0.03334 0.05 0.04 0.015\r\n";
    const struct {
        const char* nome;
        std::string bytes;
    } casos[] = {
        {"empty", ""},
        {"options only", "1 2 1 1\r\n"},
        {"six proportions", "1 2 1 1\r\n0.01 0.02 0.03 0.03334 0.05 0.04\r\n"},
        {"orientation 3", "3 2 1 1\r\n" + proporcoes},
        {"extension 0", "1 2 1 0\r\n" + proporcoes},
        {"option not a number", "1 x 1 1\r\n" + proporcoes},
        {"option with decimals", "1 2.0 1 1\r\n" + proporcoes},
        {"proportion not a number", "1 2 1 1\r\n0.01 0.02 0.03 abc 0.05 0.04 0.015\r\n"},
        {"comma in a proportion", "1 2 1 1\r\n0,01 0.02 0.03 0.03334 0.05 0.04 0.015\r\n"},
        {"base above its maximum", "1 2 1 1\r\n0.01 0.02 0.1 0.03334 0.05 0.04 0.015\r\n"},
        {"zero symbol lines", "1 2 1 1\r\n0.01 0.02 0.03 0.03334 0.05 0.04 0\r\n"},
        {"negative string", "1 2 1 1\r\n-0.01 0.02 0.03 0.03334 0.05 0.04 0.015\r\n"},
        {"barre beyond 3:2 of the dot", "1 2 1 1\r\n0.01 0.02 0.03 0.06 0.03 0.04 0.015\r\n"},
        {"fret beyond 2:3 of the base", "1 2 1 1\r\n0.01 0.021 0.03 0.03334 0.05 0.04 0.015\r\n"},
        {"not a number", "1 2 1 1\r\n0.01 0.02 0.03 0.03334 nan 0.04 0.015\r\n"},
        {"infinite", "1 2 1 1\r\n0.01 0.02 0.03 0.03334 0.05 inf 0.015\r\n"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        EXPECT_FALSE(lerBytesAparencia(caso.bytes).has_value());
        PastaTemporaria pasta;
        pasta.escrever(kArquivoAparencia, caso.bytes);
        DiskFileSystem disco(false);
        EXPECT_EQ(carregarAparencia(disco, pasta.caminho()), Aparencia{});
    }
}

TEST(AppearanceFile, MissingFileGivesTheFactorySettings) {
    PastaTemporaria pasta;
    DiskFileSystem disco(false);
    EXPECT_EQ(carregarAparencia(disco, pasta.caminho()), Aparencia{});
}

TEST(AppearanceFile, SavedSettingsAreReadBack) {
    PastaTemporaria pasta;
    pasta.escrever(kArquivoAparencia, "old");
    DiskFileSystem disco(false);
    ASSERT_TRUE(gravarAparencia(disco, pasta.caminho(), outraAparencia()));
    EXPECT_EQ(pasta.ler(kArquivoAparencia), bytesAparencia(outraAparencia()));
    EXPECT_EQ(pasta.arquivos(), std::vector<std::string>{kArquivoAparencia});
    const Aparencia lida = carregarAparencia(disco, pasta.caminho());
    EXPECT_EQ(lida.Orientacao, kOrientacaoHorizontal);
    EXPECT_NEAR(lida.WT, 0.03, 1e-16);
    EXPECT_NEAR(lida.WB, 0.06, 1e-16);
}

TEST(AppearanceFile, FailedSaveKeepsTheOldFile) {
    for (const auto falha : {DiscoFalho::Falha::Escrita, DiscoFalho::Falha::Recusa}) {
        SCOPED_TRACE(static_cast<int>(falha));
        PastaTemporaria pasta;
        pasta.escrever(kArquivoAparencia, kFabrica);
        DiscoFalho disco(falha);
        EXPECT_FALSE(gravarAparencia(disco, pasta.caminho(), outraAparencia()));
        EXPECT_EQ(pasta.ler(kArquivoAparencia), kFabrica);
        EXPECT_EQ(pasta.arquivos(), std::vector<std::string>{kArquivoAparencia});
    }
}

}  // namespace
}  // namespace trovale
