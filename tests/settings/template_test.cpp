// The presentation template: factory values and the diagram size edit.

#include "settings/template.h"

#include <gtest/gtest.h>

#include "support/recording_dialogs.h"

namespace trovale {
namespace {

struct FonteEsperada {
    int tamanho;
    std::int32_t cor;
    bool negrito;
};

TEST(ModeloDeFabrica, NineArialElementsWithTheirSizesColoursAndBold) {
    const FonteEsperada esperadas[kElementosModelo] = {
        {12, 0x000000, true},   // title
        {8, 0x000000, false},   // author
        {11, 0x000000, false},  // lyrics
        {9, 0x008000, false},   // chord symbols, green
        {20, 0x000000, false},  // diagram side 2.0 cm
        {8, 0x000000, true},    // start-fret numbers
        {11, 0x000000, true},   // refrain
        {11, 0x000000, true},   // chorus
        {9, 0x808080, false},   // remarks, grey
    };
    const Modelo m = modeloDeFabrica();
    EXPECT_EQ(m.Presentation, 1);
    EXPECT_EQ(m.DiagramListOrder, 2);
    EXPECT_EQ(m.tamanhoDiagramaMm(), 20);
    for (int i = 0; i < kElementosModelo; ++i) {
        SCOPED_TRACE(i);
        const FonteElemento& f = m.Fonts[i];
        EXPECT_EQ(f.nome, "Arial");
        EXPECT_EQ(f.tamanho, esperadas[i].tamanho);
        EXPECT_EQ(f.cor, esperadas[i].cor);
        EXPECT_EQ(f.negrito, esperadas[i].negrito);
        EXPECT_FALSE(f.italico);
        EXPECT_FALSE(f.soMaiusculas());
    }
}

TEST(TamanhoDiagrama, EditTextToMillimetres) {
    const struct {
        const char* texto;
        int milimetros;
    } casos[] = {
        {"0,9", 9},   {"0.9", 9},   {"10", 100}, {"2,0", 20}, {"2", 20},
        {"1,25", 13}, {"3,14", 31}, {"5,", 50},  {",9", 9},   {"10,0001", 100},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.texto);
        testing::RecordingDialogs dialogs;
        EXPECT_EQ(tamanhoDiagramaDeTexto(caso.texto, dialogs), caso.milimetros);
        EXPECT_TRUE(dialogs.avisos.empty());
    }
}

TEST(TamanhoDiagrama, OutOfRangeOrUnreadableIsRefusedWithTheMessage) {
    for (const char* texto : {"0,85", "10,1", "0", "", ",", "1,2,3", "1,5.0", "abc", "-2"}) {
        SCOPED_TRACE(texto);
        testing::RecordingDialogs dialogs;
        EXPECT_EQ(tamanhoDiagramaDeTexto(texto, dialogs), 0);
        EXPECT_EQ(dialogs.avisos,
                  std::vector<std::string>{"Tamanho deve situar-se entre 0.9 e 10 cm"});
    }
}

TEST(TamanhoDiagrama, MillimetresShownAsCentimetres) {
    EXPECT_EQ(textoCentimetros(20), "2,0");
    EXPECT_EQ(textoCentimetros(9), "0,9");
    EXPECT_EQ(textoCentimetros(100), "10,0");
    EXPECT_EQ(textoCentimetros(-25, '.'), "2.5");
}

}  // namespace
}  // namespace trovale
