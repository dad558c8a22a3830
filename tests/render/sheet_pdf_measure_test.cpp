// The layout's measures without Qt, chord names included, are Qt's own to the pixel.
#include "sheet_pdf/measure_without_qt.h"

#include <gtest/gtest.h>

#include "render/sheet_measure.h"
#include "support/type_fixture.h"

namespace trovale {
namespace {

Modelo modeloCom(const std::string& nome, int pontos, bool negrito) {
    Modelo m;
    for (FonteElemento& f : m.Fonts) f = {nome, pontos, 0, negrito, false};
    return m;
}

// Display forms as a song shows them, and words that are no chord (Windows-1252).
const char* const kCifras[] = {
    "C",      "Am7",    "F#m7(b5)", "G7(9/13)", "Bb7M",       "D/F#",    "E7(#9)",  "C#dim",
    "Gsus4",  "A7*",    "Em*c",     "N.C.",     "Refr\xE3o:", "xyz",     "Dm6",     "Ab",
    "B7(b9)", "F7M(9)", "Cm7M",     "G6(9)",    "E7(11)",     "A7(b13)", "D7(#11)", "Caug",
    "Eb6",    "F#m7*b", "G/B",      "C9",       "Bm(add9)",   "A4",      "E5+",     "Dm7(9)"};

const char* const kLinhas[] = {"Quando olhei a terra ardendo", "\xC7\xC3O, a\xE7\xE3o!",
                               "  [Intro]  ", ""};

struct Caso {
    const char* nome;
    int pontos;
    bool negrito;
};

TEST(SheetPdfMeasure, EqualsQtForChordNamesAndTexts) {
    fontes::BibliotecaFontes fontes;
    for (const Caso c :
         {Caso{"Arial", 10, false}, Caso{"Arial", 12, false}, Caso{"Times New Roman", 11, true}})
        for (const int dpi : {96, 1200}) {
            SCOPED_TRACE(std::string(c.nome) + " " + std::to_string(c.pontos) + " dpi " +
                         std::to_string(dpi));
            const Modelo modelo = modeloCom(c.nome, c.pontos, c.negrito);
            const auto livre = MedidaSemQt::criar(modelo, testing::catalogoComum(), fontes, dpi);
            ASSERT_TRUE(livre);
            const SheetMeasure qt(modelo, testing::catalogoComum(), dpi);
            for (const char* cifra : kCifras)
                EXPECT_EQ(livre->chordSymbolWidth(cifra), qt.chordSymbolWidth(cifra)) << cifra;
            for (const char* linha : kLinhas)
                EXPECT_EQ(livre->textWidth(0, linha), qt.textWidth(0, linha)) << linha;
            EXPECT_EQ(livre->letterMHeight(3), qt.letterMHeight(3));
            EXPECT_EQ(livre->fretNumberWidth(40), qt.fretNumberWidth(40));
            EXPECT_TRUE(livre->exata());
        }
}

// Chord names in a font the measure cannot have as Qt does are left to Qt.
TEST(SheetPdfMeasure, RefusesChordFontsItCannotMeasure) {
    fontes::BibliotecaFontes fontes;
    Modelo semTamanho = modeloCom("Arial", 10, false);
    semTamanho.Fonts[3].tamanho = 0;  // the name is then drawn in kerned Arial 9
    EXPECT_FALSE(MedidaSemQt::criar(semTamanho, testing::catalogoComum(), fontes, 96));
    EXPECT_TRUE(
        MedidaSemQt::criar(modeloCom("Arial", 10, false), testing::catalogoComum(), fontes, 96));
}

}  // namespace
}  // namespace trovale
