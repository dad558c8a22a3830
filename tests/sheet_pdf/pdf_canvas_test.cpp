// The PDF surface judged by what poppler draws and reads back from its pages.
#include "sheet_pdf/pdf_canvas.h"

#include <gtest/gtest.h>

#include <functional>

#include "pdf/leitores_pdf.h"

namespace trovale {
namespace {

using namespace pdf::testing;

constexpr int kDpi = 1200;  // 1200 surface pixels are 72 points, 72 pixels of the rendering
constexpr double kPagina = 144;

// Pages drawn at 1200 dpi, written out and checked by qpdf; `nome` names the file.
std::filesystem::path desenhar(const std::function<void(TelaPdf&)>& pintar, const std::string& nome,
                               int paginas = 1) {
    fontes::BibliotecaFontes fontes;
    pdf::DocumentoPdf documento;
    FontesDoDocumento registro(documento);
    for (int i = 0; i < paginas; ++i) {
        TelaPdf tela(documento.novaPagina(kPagina, kPagina), registro, fontes, kDpi);
        pintar(tela);
        EXPECT_TRUE(tela.exata());
    }
    const auto arquivo = gravar(documento.gerar(), nome + ".pdf");
    if (temFerramenta("qpdf")) {
        EXPECT_EQ(problemasQpdf(arquivo), "");
    }
    return arquivo;
}

struct Caixa {
    int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;  // inclusive
};

// Where the rendering has any ink, in pixels of the 72-dpi page.
Caixa tinta(const ImagemCinza& img) {
    Caixa c;
    for (int y = 0; y < img.altura; ++y)
        for (int x = 0; x < img.largura; ++x)
            if (img.em(x, y) < 255) {
                c = {std::min(c.x0, x), std::min(c.y0, y), std::max(c.x1, x), std::max(c.y1, y)};
            }
    return c;
}

ImagemCinza pagina(const std::filesystem::path& arquivo) {
    std::string queixas;
    ImagemCinza img = renderizar(arquivo, 1, queixas);
    EXPECT_EQ(queixas, "");
    return img;
}

struct CasoForma {
    const char* nome;
    std::function<void(TelaPdf&)> pintar;
    Caixa esperada;
};

TEST(TelaPdf, ShapesCoverTheirRectangles) {
    if (!temFerramenta("pdftoppm")) GTEST_SKIP() << "poppler's tools are not installed";
    const CasoForma casos[] = {
        {"retangulo",
         [](TelaPdf& t) {
             t.preencher({300, 600, 600, 300}, kCorPreta);
         },
         {18, 36, 53, 53}},
        {"elipse",
         [](TelaPdf& t) {
             t.elipse({1200, 300, 900, 600}, kCorPreta);
         },
         {72, 18, 125, 53}},
        {"arredondado",
         [](TelaPdf& t) {
             t.retanguloArredondado({600, 600, 1200, 600}, 100, {0, 0, 90});
         },
         {36, 36, 107, 71}},
        // Both ends drawn: 300..1199 covers 900 pixels, 54 points.
        {"linha", [](TelaPdf& t) { t.linha(300, 1200, 1199, 1200, kCorPreta); }, {18, 72, 71, 72}},
        // Inside the rectangle: through its first and last pixels, 18.5 and 89.5 points.
        {"pontilhado",
         [](TelaPdf& t) {
             t.contornoPontilhado({308, 308, 1184, 1184}, kCorPreta);
         },
         {18, 18, 89, 89}},
        {"diagonal",
         [](TelaPdf& t) { t.linha(300, 300, 1199, 1199, kCorPreta); },
         {18, 18, 71, 71}},
        {"recortada",
         [](TelaPdf& t) {
             t.salvar();
             t.recortar({0, 0, 1200, 1200});
             t.recortar({600, 600, 1200, 1200});  // narrows: 600..1199
             EXPECT_EQ(t.areaVisivel(), (Retangulo{600, 600, 600, 600}));
             t.preencher({0, 0, 2400, 2400}, kCorPreta);
             t.restaurar();
             EXPECT_EQ(t.areaVisivel(), (Retangulo{0, 0, 2400, 2400}));
         },
         {36, 36, 71, 71}},
    };
    for (const CasoForma& c : casos) {
        SCOPED_TRACE(c.nome);
        const Caixa t = tinta(pagina(desenhar(c.pintar, c.nome)));
        EXPECT_NEAR(t.x0, c.esperada.x0, 1);
        EXPECT_NEAR(t.y0, c.esperada.y0, 1);
        EXPECT_NEAR(t.x1, c.esperada.x1, 1);
        EXPECT_NEAR(t.y1, c.esperada.y1, 1);
    }
}

struct CasoTexto {
    int alinhamento;
    const char* texto;
};

// Text placed in a box as Qt places it, and read back as it was written.
TEST(TelaPdf, TextInABoxIsAlignedAndReadBack) {
    if (!temFerramenta("pdftoppm") || !temFerramenta("pdftotext"))
        GTEST_SKIP() << "poppler's tools are not installed";
    const Retangulo caixa{600, 600, 1200, 1200};  // 36..107 points
    for (const CasoTexto c :
         {CasoTexto{kAlinharCentro, "HIH"}, CasoTexto{kAlinharDireita | kAlinharBase, "Lá"}}) {
        SCOPED_TRACE(c.texto);
        MetricasTela m;
        int largura = 0;
        const auto arquivo = desenhar(
            [&](TelaPdf& t) {
                t.fonte({"Arial", 24, 0, false, false, false});
                m = t.metricas();
                largura = t.largura(c.texto);
                t.textoNaCaixa(caixa, c.alinhamento, c.texto, kCorPreta);
            },
            "caixa");
        EXPECT_NE(saidaDe("pdftotext " + aspas(arquivo) + " -").find(c.texto), std::string::npos);
        const Caixa t = tinta(pagina(arquivo));
        const double p = 72.0 / kDpi;
        if (c.alinhamento == kAlinharCentro) {
            EXPECT_NEAR((t.x0 + t.x1 + 1) / 2.0, 72, 2);  // the box's middle
            // Capitals stand on the baseline, centred with the line's height.
            EXPECT_NEAR(t.y1 + 1, (600 + (1200 - m.altura) / 2.0 + m.ascendente) * p, 1.5);
        } else {
            EXPECT_NEAR(t.x1 + 1, 108, 2);
            EXPECT_NEAR(t.x0, (1800 - largura) * p, 2);
            EXPECT_NEAR(t.y1 + 1, (1800 - m.descendente) * p, 1.5);
        }
    }
}

// Two pages share the face file; a character Liberation lacks comes from a fallback face.
TEST(TelaPdf, EmbedsEachFaceOnceAndFallsBackForMissingCharacters) {
    if (!temFerramenta("pdffonts") || !temFerramenta("pdftotext"))
        GTEST_SKIP() << "poppler's tools are not installed";
    const auto arquivo = desenhar(
        [](TelaPdf& t) {
            t.fonte({"Arial", 12, 0, false, false, false});
            t.texto(100, 400, "D\xC3\xB3 Si\xE2\x99\xAD", kCorPreta);  // "Dó Si♭"
        },
        "duas", 2);
    const std::string lista = saidaDe("pdffonts " + aspas(arquivo));
    auto vezes = [&](const std::string& nome) {
        int n = 0;
        for (std::size_t p = lista.find(nome); p != std::string::npos; p = lista.find(nome, p + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(vezes("LiberationSans"), 1) << lista;
    EXPECT_EQ(vezes("DejaVu"), 1) << lista;
    EXPECT_NE(saidaDe("pdftotext " + aspas(arquivo) + " -").find("D\xC3\xB3 Si\xE2\x99\xAD"),
              std::string::npos);
}

struct CasoFonte {
    const char* familia;
    bool negrito;
    bool ajustarPares;
    bool exata;
};

TEST(TelaDeFontes, TurnsInexactForFontsQtWouldStyleOrKern) {
    fontes::BibliotecaFontes fontes;
    const fontes::FaceFonte* math = fontes.face("DejaVu Math TeX Gyre", false, false);
    if (!math || math->arquivo().caminho.filename() != "DejaVuMathTeXGyre.ttf")
        GTEST_SKIP() << "DejaVu Math TeX Gyre is not installed";
    for (const CasoFonte c :
         {CasoFonte{"Arial", false, false, true}, CasoFonte{"Arial", true, false, true},
          CasoFonte{"Arial", false, true, false},
          CasoFonte{"DejaVu Math TeX Gyre", false, false, true},
          CasoFonte{"DejaVu Math TeX Gyre", true, false, false}}) {
        TelaDeFontes tela(fontes, 96);
        tela.fonte({c.familia, 10, 0, c.negrito, false, c.ajustarPares});
        EXPECT_EQ(tela.exata(), c.exata) << c.familia << " " << c.negrito << c.ajustarPares;
    }
}

}  // namespace
}  // namespace trovale
