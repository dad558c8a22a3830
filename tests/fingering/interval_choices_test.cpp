#include "fingering/interval_choices.h"

#include <gtest/gtest.h>

#include "catalogue/notes.h"

namespace trovale {
namespace {

constexpr int kDo = 4, kMi = 8, kSol = 11, kSiBemol = 2;

std::vector<std::string> nomes(const std::vector<int>& escolhas) {
    std::vector<std::string> v;
    for (int e : escolhas) v.emplace_back(choiceName(e));
    return v;
}

// C E G Bb, string 1 first, as soundingNotes lists them.
const std::vector<SoundingNote> kDoSetima = {
    {kMi, "E", 1}, {kSiBemol, "Bb", 2}, {kSol, "G", 3}, {kDo, "C", 5}};

struct Distancia {
    int semitons;
    std::vector<std::string> lista;
};

TEST(IntervalChoices, EveryDistanceAboveTheBase) {
    const Distancia casos[] = {
        {1, {"b9", "Base"}},  {2, {"2", "9", "Base"}},    {3, {"b3", "#9", "Base"}},
        {4, {"3", "Base"}},   {5, {"4", "11", "Base"}},   {6, {"b5", "#11", "Base"}},
        {7, {"5", "Base"}},   {8, {"#5", "b13", "Base"}}, {9, {"6", "bb7", "13", "Base"}},
        {10, {"b7", "Base"}}, {11, {"7M", "Base"}},       {0, {"Base"}},
    };
    for (const Distancia& c : casos) {
        // The same distance from two bases, one of them across the octave's end (A = 1).
        EXPECT_EQ(nomes(intervalChoices(reduzirNota(kDo + c.semitons), kDo)), c.lista)
            << c.semitons;
        EXPECT_EQ(nomes(intervalChoices(reduzirNota(12 + c.semitons), 12)), c.lista) << c.semitons;
    }
}

TEST(IntervalChoices, ListsFollowTheBase) {
    struct Caso {
        int base;
        std::vector<std::vector<std::string>> listas;
    };
    const Caso casos[] = {
        {3, {{"3", "Base"}, {"b7", "Base"}, {"5", "Base"}, {"Base"}}},
        // "Base" chosen on E: every note is measured from E.
        {0, {{"Base"}, {"b5", "#11", "Base"}, {"b3", "#9", "Base"}, {"#5", "b13", "Base"}}},
    };
    for (const Caso& c : casos) {
        std::vector<std::vector<std::string>> listas;
        for (const auto& l : intervalChoices(kDoSetima, c.base)) listas.push_back(nomes(l));
        EXPECT_EQ(listas, c.listas) << c.base;
    }
}

TEST(IntervalChoices, ProposalSortsTheChoicesInTableOrder) {
    struct Caso {
        int base;
        std::vector<int> escolhas;  // one per note, in string order
        IntervalosTipo intervalos;
    };
    const Caso casos[] = {
        {3, {3, 10, 6, kEscolhaBase}, {3, 6, 10, 0, 0}},             // 3 b7 5 over C
        {0, {kEscolhaBase, 16, 2, 7}, {2, 7, 16, 0, 0}},             // #11 b3 #5 over E
        {3, {kEscolhaBase, 10, 6, kEscolhaBase}, {6, 10, 0, 0, 0}},  // "Base" leaves E out
    };
    for (const Caso& c : casos) {
        const auto p = proposeIntervals(kDoSetima, c.base, c.escolhas);
        ASSERT_TRUE(p.has_value());
        EXPECT_EQ(p->nota, kDoSetima[c.base].nota);
        EXPECT_EQ(p->grafia, kDoSetima[c.base].grafia);
        EXPECT_EQ(p->intervalos, c.intervalos) << c.base;
    }
}

TEST(IntervalChoices, NoTypeHoldsSixIntervals) {
    EXPECT_FALSE(proposeIntervals(kDoSetima, 0, {1, 2, 3, 4, 5, 6}).has_value());
}

}  // namespace
}  // namespace trovale
