#include "fingering/chord_tones.h"

#include <gtest/gtest.h>

#include "catalogue/intervals.h"
#include "catalogue/notes.h"
#include "fingering/editor_state.h"
#include "fingering/sounding_notes.h"
#include "fingering_builders.h"
#include "support/type_fixture.h"

namespace trovale {
namespace {

int codigo(std::string_view nome) {
    for (int c = 1; c <= kMaxCodigoIntervalo; ++c)
        if (TabelaIntervalos[c].nome == nome) return c;
    return 0;
}

TEST(SpellChordTone, FollowsTheDegreeLetter) {
    const struct {
        const char* raiz;
        const char* intervalo;
        const char* esperado;
    } casos[] = {
        {"Gb", "13", "Eb"}, {"C", "b3", "Eb"},  {"E", "3", "G#"},  {"F", "b7", "Eb"},
        {"A", "b9", "Bb"},  {"D#", "b7", "C#"}, {"C", "#5", "G#"}, {"C", "b13", "Ab"},
        {"B", "3", "D#"},   {"F", "#9", "G#"},  {"Db", "3", "F"},  {"Bb", "#11", "E"},
        {"C", "b5", "Gb"},  {"C", "#11", "F#"}, {"Eb", "6", "C"},  {"Ab", "bb7", "F"},
        {"F#", "7M", "F"},  {"C#", "7M", "C"},  {"G", "b9", "Ab"}, {"Gb", "b3", "A"},
    };
    for (const auto& c : casos) {
        const Intervalo& i = TabelaIntervalos[codigo(c.intervalo)];
        EXPECT_EQ(spellChordTone(c.raiz, notaDaGrafia(c.raiz), i.semitons, i.grau), c.esperado)
            << c.raiz << " " << c.intervalo;
    }
}

TEST(ChordToneRow, SpellsEveryComponentAndLeavesAbsentOnesEmpty) {
    const CatalogoTipos& tipos = testing::catalogoComum();
    EXPECT_EQ(chordToneRow(tipos.tipo(testing::kMenorSetimaNona), "C", 4),
              (ChordToneRow{"C", "Eb", "G", "Bb", "D", ""}));
    EXPECT_EQ(chordToneRow(tipos.tipo(testing::kMaior), "Db", 5),
              (ChordToneRow{"Db", "F", "Ab", "", "", ""}));
    EXPECT_EQ(chordToneRow(tipos.tipo(testing::kDiminuto), "C#", 5),
              (ChordToneRow{"C#", "E", "G", "Bb", "", ""}));
}

TEST(StringLabels, SpellAfterTheLinkedChordElseSharp) {
    const CatalogoTipos& tipos = testing::catalogoComum();
    FingeringEditorState estado = emptyEditorState();
    // x 1 3 3 3 1 at fret 1: Bb F Bb D F.
    estado.digitacao = testing::dedilhado("x 1 3 3 3 1", 1, {{1, 5, 1}});
    refreshDerived(estado, tipos);
    EXPECT_EQ(estado.labels, (std::array<std::string, 6>{"F", "D", "A#", "F", "A#", "E"}));

    linkChord(estado, tipos, "Bb", testing::kMaior);
    EXPECT_EQ(estado.linkedRoot, 2);
    EXPECT_EQ(estado.labels, (std::array<std::string, 6>{"F", "D", "Bb", "F", "Bb", "E"}));
    const auto notas = soundingNotes(estado.digitacao, estado.chordTones);
    ASSERT_EQ(notas.size(), 3u);
    EXPECT_EQ(notas[0].grafia, "F");
    EXPECT_EQ(notas[1].grafia, "D");
    EXPECT_EQ(notas[2].grafia, "Bb");
    EXPECT_EQ(notas[2].corda, 3);

    unlinkChord(estado, tipos);
    EXPECT_EQ(estado.labels[2], "A#");
    EXPECT_EQ(estado.chordTones, ChordToneRow{});
}

TEST(SoundingNotes, DistinctInStringOrderSkippingMutedStrings) {
    const struct {
        const char* trastes;
        std::vector<int> notas;
    } casos[] = {
        {"x 3 2 0 1 0", {8, 4, 11}},
        {"x 3 2 0 x x", {11, 8, 4}},
        {"0 2 2 1 0 0", {8, 3, 12}},
        {"x x 0 2 3 2", {10, 6, 1}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(pitchClasses(soundingNotes(testing::dedilhado(c.trastes, 1), {})), c.notas)
            << c.trastes;
}

}  // namespace
}  // namespace trovale
