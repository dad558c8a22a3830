#include "fingering/same_sound.h"

#include <gtest/gtest.h>

#include "fingering_builders.h"

namespace trovale {
namespace {

using testing::dedilhado;

TEST(SoundsTheSame, ComparesStruckStringsAndAbsoluteFrets) {
    const struct {
        const char* caso;
        TDigitacao a, b;
        bool mesmoSom, aDentroDeB, bDentroDeA;
    } casos[] = {
        {"identical", dedilhado("x 3 2 0 1 0"), dedilhado("x 3 2 0 1 0"), true, true, true},
        {"barre instead of fingers", dedilhado("x 0 2 2 2 0"),
         dedilhado("x 0 2 2 2 0", 1, {{2, 4, 2}}), true, true, true},
        {"same shape from another start fret", dedilhado("x 3 5 5 5 3", 3, {{1, 5, 1}}),
         dedilhado("x 3 5 5 5 3", 2, {{1, 5, 2}}), true, true, true},
        {"one string less", dedilhado("x 3 2 0 1 x"), dedilhado("x 3 2 0 1 0"), false, true, false},
        {"bass added", dedilhado("3 3 2 0 1 0"), dedilhado("x 3 2 0 1 0"), false, false, true},
        {"open against fretted", dedilhado("x 3 2 0 1 0"), dedilhado("x 3 2 2 1 0"), false, false,
         false},
        {"muted against struck", dedilhado("x 3 2 0 1 0"), dedilhado("x 3 2 x 1 0"), false, false,
         true},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(soundsTheSame(c.a, c.b), c.mesmoSom) << c.caso;
        EXPECT_EQ(soundsTheSame(c.b, c.a), c.mesmoSom) << c.caso;
        EXPECT_EQ(strikesSubsetOf(c.a, c.b), c.aDentroDeB) << c.caso;
        EXPECT_EQ(strikesSubsetOf(c.b, c.a), c.bDentroDeA) << c.caso;
    }
}

}  // namespace
}  // namespace trovale
