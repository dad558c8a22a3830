// Which fonts a document takes, their widths, and the subset it embeds.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>

#include "leitores_pdf.h"
#include "pdf/documento_pdf.h"

namespace trovale::pdf {
namespace {

using namespace testing;

std::string lerTudo(const std::filesystem::path& caminho) {
    std::ifstream arquivo(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(arquivo), {}};
}

std::uint32_t u32(const std::string& b, std::size_t pos) {
    std::uint32_t v = 0;
    for (std::size_t i = pos; i < pos + 4; ++i)
        v = v << 8 | (i < b.size() ? static_cast<unsigned char>(b[i]) : 0u);
    return v;
}

// Where a table starts in a font file, by its directory; 0 when it has none.
std::size_t inicioTabela(const std::string& fonte, const char* nome) {
    const std::size_t tabelas = u32(fonte, 4) >> 16;
    for (std::size_t i = 0; i < tabelas; ++i)
        if (fonte.compare(12 + 16 * i, 4, nome) == 0) return u32(fonte, 12 + 16 * i + 8);
    return 0;
}

// The Liberation font with another embedding licence in OS/2 fsType.
std::filesystem::path comLicenca(std::uint16_t fsType) {
    std::string fonte = lerTudo(kSans);
    const std::size_t os2 = inicioTabela(fonte, "OS/2");
    fonte[os2 + 8] = static_cast<char>(fsType >> 8);
    fonte[os2 + 9] = static_cast<char>(fsType & 0xFF);
    return gravar(fonte, "licenca" + std::to_string(fsType) + ".ttf");
}

// The first font with CFF outlines installed, if any.
std::filesystem::path fonteCff() {
    return saidaDe(
        "for f in $(find /usr/share/fonts -name '*.otf' 2>/dev/null); do "
        "[ \"$(head -c 4 \"$f\")\" = OTTO ] && { printf %s \"$f\"; break; }; done");
}

class Fontes : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::exists(kSans) || !std::filesystem::exists(kSerifNegrito))
            GTEST_SKIP() << "fonts-liberation is not installed";
    }
};

TEST_F(Fontes, OnlyEmbeddableOutlineFontsAreTaken) {
    const struct {
        const char* nome;
        std::filesystem::path arquivo;
        int face;
        bool aceita;
    } casos[] = {
        {"Liberation Sans", kSans, 0, true},
        {"missing file", kPastaLiberation / "NaoExiste.ttf", 0, false},
        {"not a font", gravar("Canção do Pé de Boi\n", "cancao.ttf"), 0, false},
        {"cut short", gravar(lerTudo(kSans).substr(0, 2000), "cortada.ttf"), 0, false},
        {"second face of a single font", kSans, 1, false},
        {"installable licence", comLicenca(0x0000), 0, true},
        {"restricted licence", comLicenca(0x0002), 0, false},
        {"restricted and editable: the looser wins", comLicenca(0x000A), 0, true},
        {"bitmap embedding only", comLicenca(0x0200), 0, false},
        {"CFF outlines", fonteCff(), 0, true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        if (c.arquivo.empty()) continue;  // no CFF font installed
        DocumentoPdf doc;
        EXPECT_EQ(doc.adicionarFonte(c.arquivo, c.face).has_value(), c.aceita);
    }
}

// A font with CFF outlines goes in as a CIDFontType0 over an OpenType subset, which readers
// draw, and its text reads back.
TEST_F(Fontes, CffOutlinesAreEmbeddedAsOpenTypeSubsets) {
    const std::filesystem::path cff = fonteCff();
    if (cff.empty()) GTEST_SKIP() << "no font with CFF outlines is installed";
    if (!temFerramenta("pdffonts") || !temFerramenta("pdftoppm")) GTEST_SKIP();
    DocumentoPdf doc;
    const int fonte = *doc.adicionarFonte(cff);
    doc.novaPagina(300, 100).texto(fonte, 40, 10, 60, U"Ação");
    const auto pdf = gravar(doc.gerar(), "cff.pdf");
    EXPECT_EQ(problemasQpdf(pdf), "");
    const std::string fontes = saidaDe("pdffonts " + aspas(pdf));
    EXPECT_TRUE(std::regex_search(
        fontes, std::regex(R"(CID Type 0C \(OT\)\s+Identity-H\s+yes\s+yes\s+yes)")))
        << fontes;
    EXPECT_EQ(saidaDe("pdftotext -enc UTF-8 " + aspas(pdf) + " -"), "Ação\n\n\f");
    EXPECT_LT(lerTudo(pdf).size(), std::filesystem::file_size(cff) / 4);
    std::string queixas;
    const ImagemCinza imagem = renderizar(pdf, 1, queixas);
    EXPECT_EQ(queixas, "");
    int escuros = 0;
    for (int y = 0; y < imagem.altura; ++y)
        for (int x = 0; x < imagem.largura; ++x) escuros += imagem.em(x, y) < 128;
    EXPECT_GT(escuros, 400);
}

TEST_F(Fontes, WidthsInThousandthsOfAnEm) {
    DocumentoPdf doc;
    const int sans = *doc.adicionarFonte(kSans);
    // Liberation keeps Arial's advances: 1366, 1139, 569 and 1024 units of 2048.
    const struct {
        char32_t caractere;
        double largura;
    } casos[] = {{U'A', 666.99}, {U'a', 556.15}, {U' ', 277.83}, {U'ç', 500}, {U'中', 0}};
    for (const auto& c : casos)
        EXPECT_NEAR(doc.larguraPorMil(sans, c.caractere), c.largura, 0.01) << int(c.caractere);
    EXPECT_EQ(doc.larguraPorMil(sans + 1, U'A'), 0);
}

TEST_F(Fontes, CharactersTheFontLacksAreNotLost) {
    if (!temFerramenta("pdftotext")) GTEST_SKIP();
    DocumentoPdf doc;
    const int sans = *doc.adicionarFonte(kSans);
    doc.novaPagina(200, 100).texto(sans, 12, 10, 50, U"Dó中maior");
    const auto arquivo = gravar(doc.gerar(), "faltando.pdf");
    EXPECT_EQ(problemasQpdf(arquivo), "");
    EXPECT_EQ(saidaDe("pdftotext -enc UTF-8 " + aspas(arquivo) + " -"), "Dó\uFFFDmaior\n\n\f");
}

// The embedded font programs, in file order, through qpdf.
std::vector<std::string> programasEmbutidos(const std::filesystem::path& pdf) {
    const std::string texto = lerTudo(pdf);
    const std::regex referencia(R"(/FontFile2 (\d+) 0 R)");
    std::vector<std::string> programas;
    for (std::sregex_iterator i(texto.begin(), texto.end(), referencia), fim; i != fim; ++i)
        programas.push_back(saidaDe("qpdf --show-object=" + (*i)[1].str() +
                                    " --filtered-stream-data " + aspas(pdf)));
    return programas;
}

TEST_F(Fontes, TheSubsetIsASmallerSoundFont) {
    if (!temFerramenta("qpdf")) GTEST_SKIP();
    DocumentoPdf doc;
    const int sans = *doc.adicionarFonte(kSans), serif = *doc.adicionarFonte(kSerifNegrito);
    PaginaPdf& pagina = doc.novaPagina(300, 100);
    pagina.texto(sans, 12, 10, 30, U"Canção");
    pagina.texto(serif, 12, 10, 60, U"Pestana ação");
    // Liberation's ç is a composite of c and the cedilla, glyphs nothing else here draws.
    pagina.texto(sans, 60, 200, 80, U"ç");
    const auto pdf = gravar(doc.gerar(), "subconjunto.pdf");
    EXPECT_EQ(problemasQpdf(pdf), "");
    const auto programas = programasEmbutidos(pdf);
    ASSERT_EQ(programas.size(), 2u);
    const std::filesystem::path originais[] = {kSans, kSerifNegrito};
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(originais[i].filename().string());
        const std::string& fonte = programas[i];
        EXPECT_LT(fonte.size(), std::filesystem::file_size(originais[i]) / 4);
        // Whole file and each table add up as the TrueType checksums say.
        std::uint32_t soma = 0;
        for (std::size_t p = 0; p < fonte.size(); p += 4) soma += u32(fonte, p);
        EXPECT_EQ(soma, 0xB1B0AFBAu);
        for (std::size_t t = 0; t < (u32(fonte, 4) >> 16); ++t) {
            const std::size_t registro = 12 + 16 * t, inicio = u32(fonte, registro + 8);
            std::uint32_t somaTabela = 0;
            for (std::size_t p = 0; p < u32(fonte, registro + 12); p += 4)
                somaTabela += u32(fonte, inicio + p);
            if (fonte.compare(registro, 4, "head") == 0) somaTabela -= u32(fonte, inicio + 8);
            EXPECT_EQ(somaTabela, u32(fonte, registro + 4)) << fonte.substr(registro, 4);
        }
        // FreeType opens it as a font with TrueType outlines of its own.
        DocumentoPdf outro;
        EXPECT_TRUE(outro.adicionarFonte(gravar(fonte, "sub" + std::to_string(i) + ".ttf")));
    }
    if (!temFerramenta("pdftoppm")) return;
    std::string queixas;
    const ImagemCinza imagem = renderizar(pdf, 1, queixas);
    EXPECT_EQ(queixas, "");
    ASSERT_EQ(imagem.largura, 300);
    int escurosTexto = 0, escurosCedilha = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 300; ++x)
            if (imagem.em(x, y) < 128) ++(x < 190 ? escurosTexto : escurosCedilha);
    EXPECT_GT(escurosTexto, 100);
    EXPECT_GT(escurosCedilha, 200);
}

}  // namespace
}  // namespace trovale::pdf
