// Drawing calls in any order, with any numbers, still make a file readers take whole.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <limits>
#include <tuple>
#include <vector>

#include "leitores_pdf.h"
#include "pdf/documento_pdf.h"
#include "pdf/numeros_pdf.h"

namespace trovale::pdf {
namespace {

using namespace testing;

TEST(NumerosPdf, FixedPointWithoutTrailingZeros) {
    const struct {
        double valor;
        int casas;
        const char* texto;
    } casos[] = {
        {0, 2, "0"},
        {12, 2, "12"},
        {841.89, 2, "841.89"},
        {-0.5, 2, "-0.5"},
        {0.05, 2, "0.05"},
        {1.999, 2, "2"},
        {-0.004, 2, "0"},
        {0.25098, 3, "0.251"},
        {556.15234375, 3, "556.152"},
        {1e300, 2, "32767"},
        {-1e9, 0, "-32767"},
        {std::numeric_limits<double>::quiet_NaN(), 2, "0"},
    };
    for (const auto& c : casos) {
        std::string saida;
        acrescentarNumero(saida, c.valor, c.casas);
        EXPECT_EQ(saida, c.texto) << c.valor;
    }
}

TEST(NumerosPdf, InformationStringsAsUtf16) {
    EXPECT_EQ(textoUtf16Hex("Pé"), "<FEFF005000E9>");
    EXPECT_EQ(textoUtf16Hex("𝄞"), "<FEFFD834DD1E>");      // a surrogate pair
    EXPECT_EQ(textoUtf16Hex("a\xC3"), "<FEFF0061FFFD>");  // cut short
}

// Each case draws on a document of its own; the file must pass qpdf, render without
// complaints and show these pages.
struct Caso {
    const char* nome;
    std::function<void(DocumentoPdf&)> desenhar;
    int paginas;
    const char* tamanhoPrimeira;  // in points, as pdfinfo prints it
};

TEST(DesenhoPdf, EveryCallSequenceMakesAReadableFile) {
    if (!temFerramenta("qpdf") || !temFerramenta("pdfinfo") || !temFerramenta("pdftoppm"))
        GTEST_SKIP();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Caso casos[] = {
        {"never drawn on: one blank A4 page", [](DocumentoPdf&) {}, 1, "595.28 x 841.89"},
        {"an empty page", [](DocumentoPdf& d) { d.novaPagina(100, 200); }, 1, "100 x 200"},
        {"restaurar without salvar",
         [](DocumentoPdf& d) {
             PaginaPdf& p = d.novaPagina(100, 100);
             p.restaurar();
             p.linha(0, 0, 10, 10);
         },
         1, "100 x 100"},
        {"salvar left open",
         [](DocumentoPdf& d) {
             PaginaPdf& p = d.novaPagina(100, 100);
             p.salvar();
             p.salvar();
             p.recortar(10, 10, 20, 20);
             d.novaPagina(100, 100).retangulo(0, 0, 50, 50, true, true);
         },
         2, "100 x 100"},
        {"nonsense numbers",
         [nan](DocumentoPdf& d) {
             PaginaPdf& p = d.novaPagina(nan, -5);
             p.espessura(-3);
             p.linha(nan, 1e300, -1e300, 0);
             p.retanguloArredondado(0, 0, -10, 20, 50, true, true);
             p.elipse(0, 0, 0, 0, true, true);
             p.texto(7, 12, 0, 0, U"sem fonte");
         },
         1, "3 x 3"},
        {"a page too large", [](DocumentoPdf& d) { d.novaPagina(20000, 500); }, 1, "14400 x 500"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        DocumentoPdf doc;
        c.desenhar(doc);
        const auto arquivo = gravar(doc.gerar(), "desenho.pdf");
        EXPECT_EQ(problemasQpdf(arquivo), "");
        // qpdf does not follow the drawing; poppler complains of a Q without its q.
        std::string queixas;
        renderizar(arquivo, c.paginas, queixas);
        EXPECT_EQ(queixas, "");
        const std::string info = saidaDe("pdfinfo " + aspas(arquivo));
        EXPECT_NE(info.find("Pages:           " + std::to_string(c.paginas) + "\n"),
                  std::string::npos)
            << info;
        EXPECT_NE(info.find(std::string("Page size:       ") + c.tamanhoPrimeira + " pts"),
                  std::string::npos)
            << info;
    }
}

// Dark runs along a row of the rendered page.
int tracos(const ImagemCinza& imagem, int y, int x0, int x1) {
    int tracos = 0;
    for (int x = x0; x < x1; ++x)
        tracos += imagem.em(x, y) < 128 && (x == x0 || imagem.em(x - 1, y) >= 128);
    return tracos;
}

TEST(DesenhoPdf, DottedLinesUntilRestored) {
    if (!temFerramenta("pdftoppm")) GTEST_SKIP();
    DocumentoPdf doc;
    PaginaPdf& p = doc.novaPagina(200, 100);
    p.espessura(2);
    p.salvar();
    p.tracejado(true);
    p.linha(20, 20, 180, 20);  // dots 2 pt long, 4 pt apart: 27 of them
    p.restaurar();
    p.linha(20, 60, 180, 60);
    const auto arquivo = gravar(doc.gerar(), "pontilhado.pdf");
    EXPECT_EQ(problemasQpdf(arquivo), "");
    std::string queixas;
    const ImagemCinza imagem = renderizar(arquivo, 1, queixas);
    ASSERT_EQ(imagem.altura, 100);
    EXPECT_EQ(tracos(imagem, 20, 10, 190), 27);
    EXPECT_EQ(tracos(imagem, 60, 10, 190), 1);
}

// A page writes only what changes its graphics state; what a restaurar brings back is known.
TEST(DesenhoPdf, StateRestoredIsWrittenAgain) {
    if (!temFerramenta("pdftoppm")) GTEST_SKIP();
    constexpr CorPdf kBranco{255, 255, 255}, kPreto{0, 0, 0};
    DocumentoPdf doc;
    PaginaPdf& p = doc.novaPagina(100, 100);
    p.corPreenchimento(kBranco);
    p.salvar();
    p.corPreenchimento(kPreto);
    p.recortar(0, 0, 50, 100);
    p.restaurar();
    p.corPreenchimento(kPreto);  // white again after the restaurar: black must be set anew
    p.recortar(0, 0, 50, 100);   // and the clip too
    p.retangulo(0, 0, 100, 100, true, false);
    p.corPreenchimento(kPreto);
    p.recortar(0, 0, 50, 100);
    const std::string& conteudo = p.conteudo();
    const auto vezes = [&](const std::string& operador) {
        int n = 0;
        for (auto i = conteudo.find(operador); i != std::string::npos;
             i = conteudo.find(operador, i + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(vezes(" rg\n"), 3) << conteudo;
    EXPECT_EQ(vezes("re W n"), 2) << conteudo;
    const auto arquivo = gravar(doc.gerar(), "estado.pdf");
    std::string queixas;
    const ImagemCinza imagem = renderizar(arquivo, 1, queixas);
    ASSERT_EQ(imagem.largura, 100);
    EXPECT_LT(imagem.em(25, 50), 64);   // black inside the clip
    EXPECT_GT(imagem.em(75, 50), 192);  // white beyond it
}

// Texts drawn one after another share a text object, each placed from the one before: they
// still land where they were drawn, to the hundredth of a point, however many there are.
TEST(DesenhoPdf, TextsInARowLandWhereEachWasDrawn) {
    if (!temFerramenta("pdftotext") || !std::filesystem::exists(kSans)) GTEST_SKIP();
    DocumentoPdf doc;
    const int sans = *doc.adicionarFonte(kSans);
    PaginaPdf& p = doc.novaPagina(400, 200);
    std::vector<double> xs;
    for (int i = 0; i < 12; ++i) {
        xs.push_back(10.333 + i * 31.117);
        p.texto(sans, i % 2 ? 9 : 12, xs.back(), 50 + (i % 3) * 0.37, U"Am");
    }
    p.retangulo(0, 150, 10, 10, true, false);  // ends the text object
    p.texto(sans, 10, 20.004, 120, U"Am");
    xs.push_back(20.004);
    const auto arquivo = gravar(doc.gerar(), "textos.pdf");
    EXPECT_EQ(problemasQpdf(arquivo), "");
    const std::string caixas = saidaDe("pdftotext -bbox " + aspas(arquivo) + " -");
    std::vector<double> lidos;
    for (auto i = caixas.find("xMin=\""); i != std::string::npos; i = caixas.find("xMin=\"", i + 1))
        lidos.push_back(std::stod(caixas.substr(i + 6)));
    ASSERT_EQ(lidos.size(), xs.size()) << caixas;
    std::sort(lidos.begin(), lidos.end());  // the reader lists them in its reading order
    std::sort(xs.begin(), xs.end());
    for (std::size_t i = 0; i < xs.size(); ++i) EXPECT_NEAR(lidos[i], xs[i], 0.006) << i;
}

// A page concluded is deflated at once, its open saves closed; later drawing on it is dropped.
TEST(DesenhoPdf, AConcludedPageKeepsWhatWasDrawnBefore) {
    if (!temFerramenta("pdftoppm")) GTEST_SKIP();
    DocumentoPdf doc;
    PaginaPdf& primeira = doc.novaPagina(100, 100);
    primeira.salvar();
    primeira.recortar(0, 0, 50, 100);
    primeira.retangulo(0, 0, 100, 100, true, false);  // black, cut to the left half
    doc.concluir(primeira);
    EXPECT_TRUE(primeira.concluida());
    primeira.retangulo(0, 0, 100, 100, true, false);  // too late: not kept
    doc.novaPagina(100, 100).retangulo(50, 0, 50, 100, true, false);
    const auto arquivo = gravar(doc.gerar(), "concluida.pdf");
    EXPECT_EQ(problemasQpdf(arquivo), "");
    for (const auto& [pagina, preta, branca] : {std::tuple{1, 25, 75}, std::tuple{2, 75, 25}}) {
        std::string queixas;
        const ImagemCinza imagem = renderizar(arquivo, pagina, queixas);
        EXPECT_EQ(queixas, "");
        ASSERT_EQ(imagem.largura, 100);
        EXPECT_LT(imagem.em(preta, 50), 64) << "page " << pagina;
        EXPECT_GT(imagem.em(branca, 50), 192) << "page " << pagina;
    }
}

// A document written as it is drawn hands its pages over while later ones are still drawn,
// and makes the very file a document held whole makes.
TEST(DesenhoPdf, ADocumentWrittenAsItIsDrawnMakesTheSameFile) {
    for (const int paginas : {0, 1, 3, 120}) {
        SCOPED_TRACE(paginas);
        std::string entregue;
        std::size_t entregueAntesDoFim = 0;
        DocumentoPdf aosPoucos([&entregue](std::string_view parte) { entregue += parte; });
        DocumentoPdf inteiro;
        const auto fonte = inteiro.adicionarFonte(kSans);
        ASSERT_TRUE(fonte.has_value());
        ASSERT_EQ(aosPoucos.adicionarFonte(kSans), fonte);
        for (DocumentoPdf* doc : {&aosPoucos, &inteiro}) {
            for (int i = 0; i < paginas; ++i) {
                PaginaPdf& p = doc->novaPagina(200, 300);
                // Numbers that do not repeat, so that deflating keeps every page large.
                for (int k = 0; k < 400; ++k)
                    p.retangulo((i * 7919 + k * 104729) % 190, (k * 7 + i) % 290, 1 + k % 9,
                                1 + i % 5, true, false);
                p.texto(*fonte, 12, 10, 20, U"Página");
                if (i % 2 == 0) doc->concluir(p);  // the next page concludes the others
            }
            doc->definirInformacoes("Título", "Autor");
            doc->definirData(1796916600);
        }
        entregueAntesDoFim = entregue.size();
        aosPoucos.terminar();
        if (paginas == 120) {
            EXPECT_GT(entregueAntesDoFim, entregue.size() / 2);
        }
        EXPECT_EQ(entregue, inteiro.gerar());
        EXPECT_EQ(problemasQpdf(gravar(entregue, "aos_poucos.pdf")), "");
    }
}

}  // namespace
}  // namespace trovale::pdf
