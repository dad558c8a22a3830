#include "fingering/string_states.h"

#include <gtest/gtest.h>

#include "fingering_builders.h"
#include "support/type_fixture.h"

namespace trovale {
namespace {

using Estados = std::array<std::uint8_t, kCordas>;  // strings 1..6

TEST(RecomputeBass, TogglingStringsMovesTheBass) {
    const struct {
        const char* caso;
        const char* trastes;
        std::vector<int> alternar;
        Estados esperado;
    } casos[] = {
        {"bass muted moves up", "x 3 2 0 1 0", {5}, {1, 1, 1, 0, 2, 2}},
        {"lower string added becomes bass", "x 3 2 0 1 0", {6}, {1, 1, 1, 1, 1, 0}},
        {"muted and struck again", "x 3 2 0 1 0", {5, 5}, {1, 1, 1, 1, 0, 2}},
        {"string above the bass changes nothing", "x 3 2 0 1 0", {1}, {2, 1, 1, 1, 0, 2}},
        {"everything muted", "x x x x 1 0", {2, 1}, {2, 2, 2, 2, 2, 2}},
    };
    for (const auto& c : casos) {
        TDigitacao d = testing::dedilhado(c.trastes);
        for (int corda : c.alternar) toggleString(d, corda);
        EXPECT_EQ(d.Estado, c.esperado) << c.caso;
    }
}

TEST(EnableOpenStrings, OpensChordTonesAboveTheBassAndAnOpenRootBelowIt) {
    CatalogoTipos tipos = testing::catalogoComum();
    tipos.TiposAcorde[60].Nome = "Sétima com nona e décima terceira";
    tipos.TiposAcorde[60].Intervalos = {3, 6, 10, 13, 18};  // C: E G Bb D A
    const struct {
        const char* caso;
        const char* raiz;
        int tipo;
        const char* trastes;
        int casa;
        Estados esperado;
    } casos[] = {
        {"C: open G and E above the bass, low E stays muted",
         "C",
         testing::kMaior,
         "x 3 2 x 1 x",
         1,
         {1, 1, 1, 1, 0, 2}},
        {"E: open low E is the root and becomes the bass",
         "E",
         testing::kMaior,
         "x 2 2 1 x x",
         1,
         {1, 1, 1, 1, 1, 0}},
        {"Am: open A is the root below the bass",
         "A",
         testing::kMenor,
         "x x 2 2 1 0",
         1,
         {1, 1, 1, 1, 0, 2}},
        {"sixth tone not consulted, foreign B stays muted",
         "C",
         60,
         "8 x x x x x",
         8,
         {1, 2, 1, 1, 2, 0}},
    };
    for (const auto& c : casos) {
        FingeringEditorState estado = emptyEditorState();
        estado.digitacao = testing::dedilhado(c.trastes, c.casa);
        linkChord(estado, tipos, c.raiz, c.tipo);
        enableOpenStrings(estado);
        EXPECT_EQ(estado.digitacao.Estado, c.esperado) << c.caso;
    }
}

TEST(EnableOpenStrings, LeavesPressedMutedStringsAlone) {
    FingeringEditorState estado = emptyEditorState();
    estado.digitacao = testing::dedilhado("x 3 2 0 1 0");
    estado.digitacao.Estado[3] = kCordaMuda;  // E pressed on string 4, not struck
    linkChord(estado, testing::catalogoComum(), "C", testing::kMaior);
    enableOpenStrings(estado);
    EXPECT_EQ(estado.digitacao.Estado, (Estados{1, 1, 1, 2, 0, 2}));
}

TEST(EnableOpenStrings, DoesNothingWhileNotLinked) {
    FingeringEditorState estado = emptyEditorState();
    estado.digitacao = testing::dedilhado("x 3 2 x 1 x");
    const Estados antes = estado.digitacao.Estado;
    enableOpenStrings(estado);
    EXPECT_EQ(estado.digitacao.Estado, antes);
}

}  // namespace
}  // namespace trovale
