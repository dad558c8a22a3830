#include "catalogue/symbol_elements.h"

#include <gtest/gtest.h>

#include <string>

namespace trovale {
namespace {

// Elements written position by position: {{slot 1, slot 2}, ...}.
using E = ElementosCifra;

std::string mostrar(const ElementosCifra& e) {
    std::string texto;
    for (const auto& posicao : e) texto += "[" + posicao[0] + "|" + posicao[1] + "]";
    return texto;
}

TEST(CifraLinearDe, WritesPositionsOnOneLine) {
    struct Caso {
        E elementos;
        std::string linear;
    };
    const Caso casos[] = {
        {E{}, ""},
        {E{{{"m", ""}, {">6", "<9"}, {}, {}}}, "m/6/9"},
        {E{{{"m", ""}, {"<9", ">6"}, {}, {}}}, "m/6/9"},  // stacked pair in either slot order
        {E{{{"<9", ">6"}, {}, {}, {}}}, "6/9"},
        {E{{{"7", ""}, {}, {}, {"9", ""}}}, "7(9)"},
        {E{{{"m", ""}, {"7", ""}, {}, {"9", ""}}}, "m7(9)"},
        {E{{{}, {"7M", ""}, {}, {}}}, "7M"},
        {E{{{"m", ""}, {}, {"7M", ""}, {}}}, "m7M"},
        {E{{{}, {}, {">7", "<4"}, {}}}, "7/4"},
        {E{{{"<9", ""}, {}, {}, {}}}, "/9"},
        {E{{{"7", ""}, {">9", ""}, {}, {}}}, "7/9/"},
        {E{{{}, {}, {"7", ""}, {">9", "<13"}}}, "7(9/13)"},
        {E{{{}, {}, {}, {"b5", ""}}}, "(b5)"},
    };
    for (const Caso& c : casos) EXPECT_EQ(CifraLinearDe(c.elementos), c.linear) << c.linear;
}

TEST(ElementosDaCifra, SplitsOneLineIntoPositions) {
    struct Caso {
        std::string texto;
        E elementos;
    };
    const Caso casos[] = {
        {"", E{}},
        {"m", E{{{}, {}, {"m", ""}, {}}}},
        {"m7", E{{{}, {}, {"m7", ""}, {}}}},
        {"7(9)", E{{{}, {}, {"7", ""}, {"9", ""}}}},
        {"m7(9)", E{{{}, {}, {"m7", ""}, {"9", ""}}}},
        {"7(9", E{{{}, {}, {"7", ""}, {"9", ""}}}},  // unclosed: the rest is parenthesised
        {"7(9)m", E{{{}, {}, {"7m", ""}, {"9", ""}}}},
        {"7(9/13)", E{{{}, {}, {"7", ""}, {">9", "<13"}}}},
        {"m7/9", E{{{"m", ""}, {}, {">7", "<9"}, {}}}},
        {"m/6/9", E{{{}, {"m", ""}, {">6", "<9"}, {}}}},
        {"maj7/9", E{{{}, {}, {">maj7", "<9"}, {}}}},
        {"6/9", E{{{}, {}, {">6", "<9"}, {}}}},
        {"/9", E{{{}, {}, {"<9", ""}, {}}}},
        {"6/", E{{{}, {}, {">6", ""}, {}}}},
        {"7/9/11", E{{{}, {"7", ""}, {">9", "<11"}, {}}}},
        {"sus4add9", E{{{}, {}, {"sus4a", ""}, {}}}},  // cut to five characters
        {"abcdefg/hijklmn", E{{{}, {}, {">abcd", "<hijk"}, {}}}},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(mostrar(ElementosDaCifra(c.texto)), mostrar(c.elementos)) << c.texto;
}

TEST(ElementosDaCifra, SurplusSegmentsAreDropped) {
    // Seven segments: only the three rightmost fit positions 1..3.
    EXPECT_EQ(mostrar(ElementosDaCifra("a/b/c/d/e/f/g")),
              mostrar(E{{{">b", "<c"}, {">d", "<e"}, {">f", "<g"}, {}}}));
    // The leading "m" holds position 1, so the segment meant for it is dropped.
    EXPECT_EQ(mostrar(ElementosDaCifra("m1/2/3/4/5/6")),
              mostrar(E{{{"m", ""}, {">3", "<4"}, {">5", "<6"}, {}}}));
    EXPECT_EQ(mostrar(ElementosDaCifra(std::string(500, '/'))), mostrar(E{}));
}

TEST(CifraEmUmaLinha, SurvivesTheTripThroughElements) {
    struct Caso {
        std::string texto, volta;
    };
    const Caso casos[] = {
        {"", ""},
        {"m", "m"},
        {"m6", "m6"},
        {"7(9)", "7(9)"},
        {"m7(9)", "m7(9)"},
        {"m(7M)", "m(7M)"},
        {"6/9", "6/9"},
        {"7/4", "7/4"},
        {"m/6/9", "m/6/9"},
        {"7M(#11)", "7M(#11)"},
        {"7(9/13)", "7(9/13)"},
        {"m7/9", "m/7/9"},  // the minor sign gets its own position, hence a separator
    };
    for (const Caso& c : casos) EXPECT_EQ(CifraLinearDe(ElementosDaCifra(c.texto)), c.volta);
}

}  // namespace
}  // namespace trovale
