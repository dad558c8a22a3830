// The layout's measures taken without Qt agree with Qt's to the pixel, or refuse.
#include "fonts/template_measure.h"

#include <gtest/gtest.h>

#include <vector>

#include "render/sheet_measure.h"
#include "support/type_fixture.h"

namespace trovale {
namespace {

// One face, style and size in every line kind, capitals-only where asked.
Modelo modeloCom(const std::string& nome, int pontos, bool negrito, bool italico, bool maiusculas) {
    Modelo m;
    for (FonteElemento& f : m.Fonts) f = {nome, maiusculas ? -pontos : pontos, 0, negrito, italico};
    return m;
}

// How many of the sizes and styles were measured without Qt; each one agrees with Qt.
int comparar(fontes::BibliotecaFontes& fontes, const char* nome, const std::vector<int>& tamanhos) {
    int comparados = 0;
    for (const int pontos : tamanhos)
        for (int estilo = 0; estilo < 8; ++estilo) {
            const Modelo modelo = modeloCom(nome, pontos, estilo & 1, estilo & 2, estilo & 4);
            const auto livre = fontes::MedidaDoModelo::criar(modelo, fontes, 96);
            if (!livre) continue;  // refused: Qt measures it instead
            const SheetMeasure qt(modelo, testing::catalogoComum(), 96);
            SCOPED_TRACE(std::string(nome) + " " + std::to_string(pontos) + " estilo " +
                         std::to_string(estilo));
            EXPECT_EQ(livre->altura(0), qt.letterMHeight(0));
            for (int b = 0; b < 256; ++b) {
                const std::string c(1, static_cast<char>(b));
                EXPECT_EQ(livre->larguraTexto(0, c), qt.textWidth(0, c)) << "byte " << b;
            }
            const std::string frase = "Quando olhei a terra ardendo: \xC7\xC3O, a\xE7\xE3o!";
            EXPECT_EQ(livre->larguraTexto(0, frase), qt.textWidth(0, frase));
            ++comparados;
        }
    return comparados;
}

TEST(TemplateMeasure, AgreesWithQtOnEveryCharacter) {
    fontes::BibliotecaFontes fontes;
    std::vector<int> tamanhos;
    for (int pontos = 5; pontos <= 24; ++pontos) tamanhos.push_back(pontos);
    tamanhos.insert(tamanhos.end(), {28, 36, 48, 72});
    // Liberation comes with the program's packages: every size and style must be measured.
    for (const char* nome : {"Arial", "Times New Roman", "Courier New"})
        EXPECT_EQ(comparar(fontes, nome, tamanhos), static_cast<int>(tamanhos.size()) * 8) << nome;
    // Others where installed; a name no font has falls back as in Qt.
    for (const char* nome : {"DejaVu Sans", "Liberation Sans Narrow", "Fonte Que Nao Existe"})
        comparar(fontes, nome, {8, 11, 15});
}

TEST(TemplateMeasure, FretNumbersAgreeWithQt) {
    fontes::BibliotecaFontes fontes;
    for (const char* nome : {"Arial", "Times New Roman"}) {
        const Modelo modelo = modeloCom(nome, 8, false, false, false);
        const auto livre = fontes::MedidaDoModelo::criar(modelo, fontes, 96);
        ASSERT_TRUE(livre) << nome;
        const SheetMeasure qt(modelo, testing::catalogoComum(), 96);
        for (int px = 1; px <= 40; ++px) {
            EXPECT_EQ(livre->alturaNumeros(px), qt.fretNumberHeight(px)) << nome << " " << px;
            EXPECT_EQ(livre->larguraNumeros(px), qt.fretNumberWidth(px)) << nome << " " << px;
        }
    }
}

// A face Qt would have to embolden or slant itself measures differently from its file:
// refused. Liberation has all four files.
TEST(TemplateMeasure, RefusesWhatQtWouldStyleItself) {
    fontes::BibliotecaFontes fontes;
    for (int estilo = 0; estilo < 4; ++estilo) {
        const fontes::FaceFonte* f = fontes.face("Liberation Serif", estilo & 1, estilo & 2);
        ASSERT_NE(f, nullptr) << estilo;
        EXPECT_EQ(f->negrito(), (estilo & 1) != 0);
        EXPECT_EQ(f->italico(), (estilo & 2) != 0);
    }
    const fontes::FaceFonte* soRegular = fontes.face("DejaVu Math TeX Gyre", false, false);
    if (!soRegular || soRegular->arquivo().caminho.filename() != "DejaVuMathTeXGyre.ttf")
        GTEST_SKIP() << "DejaVu Math TeX Gyre is not installed";
    EXPECT_EQ(fontes.face("DejaVu Math TeX Gyre", true, false), nullptr);
    EXPECT_EQ(fontes.face("DejaVu Math TeX Gyre", false, true), nullptr);
}

}  // namespace
}  // namespace trovale
