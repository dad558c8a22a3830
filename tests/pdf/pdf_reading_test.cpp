// A document in two fonts as the usual readers see it: text, fonts, information, pixels.

#include <gtest/gtest.h>

#include <regex>

#include "leitores_pdf.h"
#include "pdf/documento_pdf.h"

namespace trovale::pdf {
namespace {

using namespace testing;

constexpr CorPdf kPreto{0, 0, 0};

struct Texto {
    bool serif;
    double tamanho, x, y;
    std::u32string texto;
};

// Page 1 is A4 portrait with text and shapes, page 2 a landscape Letter with one line.
const Texto kTextosPagina1[] = {
    {false, 14, 72, 100, U"Canção"},
    {true, 14, 72, 140, U"ação"},
    {false, 12, 72, 180, U"Pestana"},
};

class LeituraPdf : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::exists(kSans) || !std::filesystem::exists(kSerifNegrito))
            GTEST_SKIP() << "fonts-liberation is not installed";
        sans_ = *doc_.adicionarFonte(kSans);
        serif_ = *doc_.adicionarFonte(kSerifNegrito);
        doc_.definirInformacoes("Canção do Pé de Boi", "João Ninguém");
        doc_.definirData(1796916600);
        PaginaPdf& p1 = doc_.novaPagina(595.28, 841.89);
        for (const Texto& t : kTextosPagina1)
            p1.texto(t.serif ? serif_ : sans_, t.tamanho, t.x, t.y, t.texto);
        p1.corPreenchimento(kPreto);
        p1.retangulo(300, 300, 100, 60, true, false);
        p1.salvar();
        p1.recortar(300, 500, 50, 50);
        p1.retangulo(280, 480, 200, 200, true, false);
        p1.restaurar();
        p1.elipse(100, 600, 80, 40, true, false);
        p1.retanguloArredondado(200, 700, 100, 50, 20, true, false);
        p1.espessura(4);
        p1.linha(400, 100, 500, 100);
        PaginaPdf& p2 = doc_.novaPagina(792, 612);
        p2.texto(serif_, 20, 50, 50, U"Pestana");
        arquivo_ = gravar(doc_.gerar(), "leitura.pdf");
        EXPECT_EQ(problemasQpdf(arquivo_), "");
    }

    DocumentoPdf doc_;
    int sans_ = -1, serif_ = -1;
    std::filesystem::path arquivo_;
};

TEST_F(LeituraPdf, TextComesBackExactlyPageByPage) {
    if (!temFerramenta("pdftotext")) GTEST_SKIP();
    EXPECT_EQ(saidaDe("pdftotext -enc UTF-8 " + aspas(arquivo_) + " -"),
              "Canção\nação\nPestana\n\n\fPestana\n\n\f");
}

TEST_F(LeituraPdf, FontsAreEmbeddedSubsets) {
    if (!temFerramenta("pdffonts")) GTEST_SKIP();
    const std::string saida = saidaDe("pdffonts " + aspas(arquivo_));
    const std::regex linha(R"(([A-Z]{6})\+(\S+) +CID TrueType +Identity-H +yes yes yes )");
    std::vector<std::string> nomes, etiquetas;
    for (std::sregex_iterator i(saida.begin(), saida.end(), linha), fim; i != fim; ++i) {
        etiquetas.push_back((*i)[1]);
        nomes.push_back((*i)[2]);
    }
    EXPECT_EQ(nomes, (std::vector<std::string>{"LiberationSans", "LiberationSerif-Bold"})) << saida;
    ASSERT_EQ(etiquetas.size(), 2u);
    EXPECT_NE(etiquetas[0], etiquetas[1]);
}

TEST_F(LeituraPdf, InformationAndPageSizes) {
    if (!temFerramenta("pdfinfo")) GTEST_SKIP();
    const std::string saida = saidaDe("pdfinfo -isodates -f 1 -l 2 " + aspas(arquivo_));
    for (const char* esperado :
         {"Title:           Canção do Pé de Boi\n", "Author:          João Ninguém\n",
          "Creator:         Trovale\n", "Producer:        Trovale " TROVALE_VERSION "\n",
          "CreationDate:    2026-12-10T15:30:00Z\n",
          "Pages:           2\n", "Page    1 size:  595.28 x 841.89 pts (A4)\n",
          "Page    2 size:  792 x 612 pts (letter)\n"})
        EXPECT_NE(saida.find(esperado), std::string::npos) << esperado << "\n" << saida;
}

// The identifier readers tell files apart by: in the trailer, and another for other contents.
TEST_F(LeituraPdf, TheFileHasItsOwnIdentifier) {
    const std::regex id(R"(/ID \[<([0-9A-F]{32})> <([0-9A-F]{32})>\])");
    const std::string arquivo = doc_.gerar();
    std::smatch este;
    ASSERT_TRUE(std::regex_search(arquivo, este, id));
    EXPECT_EQ(este[1], este[2]);
    doc_.novaPagina(100, 100);
    const std::string outro = doc_.gerar();
    std::smatch daquele;
    ASSERT_TRUE(std::regex_search(outro, daquele, id));
    EXPECT_NE(este[1], daquele[1]);
}

TEST_F(LeituraPdf, ShapesAndTextLandWhereTheyWereDrawn) {
    if (!temFerramenta("pdftoppm")) GTEST_SKIP();
    std::string queixas;
    const ImagemCinza pagina = renderizar(arquivo_, 1, queixas);
    EXPECT_EQ(queixas, "");
    ASSERT_EQ(pagina.largura, 596);
    ASSERT_EQ(pagina.altura, 842);
    const struct {
        const char* onde;
        int x, y;
        bool escuro;
    } pontos[] = {
        {"filled rectangle, centre", 350, 330, true},
        {"left of it", 295, 330, false},
        {"below it", 350, 365, false},
        {"clipped rectangle, inside the clip", 325, 525, true},
        {"clipped away", 290, 490, false},
        {"clipped away, far corner", 450, 650, false},
        {"ellipse, centre", 140, 620, true},
        {"ellipse, bounding box corner", 102, 602, false},
        {"rounded rectangle, centre", 250, 725, true},
        {"rounded rectangle, top edge", 250, 701, true},
        {"rounded rectangle, cut corner", 201, 701, false},
        {"4 pt line", 450, 100, true},
        {"beside the line", 450, 106, false},
        {"above the text", 100, 80, false},
    };
    for (const auto& p : pontos)
        EXPECT_EQ(pagina.em(p.x, p.y) < 64, p.escuro) << p.onde << ": " << pagina.em(p.x, p.y);

    // "Canção" leaves ink between its baseline and cap height, and none past its advance.
    double largura = 0;
    for (char32_t c : kTextosPagina1[0].texto) largura += doc_.larguraPorMil(sans_, c) * 14 / 1000;
    int escurosDentro = 0, escurosDepois = 0;
    for (int y = 88; y <= 100; ++y)
        for (int x = 60; x < 200; ++x)
            if (pagina.em(x, y) < 128) ++(x < 72 + largura ? escurosDentro : escurosDepois);
    EXPECT_GT(escurosDentro, 40);
    EXPECT_EQ(escurosDepois, 0);
}

}  // namespace
}  // namespace trovale::pdf
