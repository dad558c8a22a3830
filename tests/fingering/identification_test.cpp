#include "fingering/identification.h"

#include <gtest/gtest.h>

#include "catalogue/fingering_from_frets.h"
#include "catalogue/symbol_elements.h"
#include "fingering_builders.h"
#include "support/type_fixture.h"

namespace trovale {
namespace {

using testing::dedilhado;

// One candidate as the candidate window shows it.
struct Linha {
    int type;
    std::string root;
    int omission;
    std::string bass;
    std::string equivalent = {};
    std::string equivalentBass = {};
    bool operator==(const Linha&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Linha& l) {
    return os << "{" << l.type << " " << l.root << " omission " << l.omission << " bass " << l.bass
              << " eq " << l.equivalent << "/" << l.equivalentBass << "}";
}

std::vector<Linha> linhas(const Identification& r) {
    std::vector<Linha> v;
    for (const ChordCandidate& c : r.candidates)
        v.push_back({c.type, c.rootSpelling, c.omission, c.bassSpelling, c.equivalentSpelling,
                     c.equivalentBassSpelling});
    return v;
}

Catalogo catalogoCom(const CatalogoTipos& tipos) {
    Catalogo c;
    c.tipos = tipos;
    return c;
}

enum : int {
    kMaior = 1,
    kMenor,
    kSetima,
    kMenorSetima,
    kSetimaMaior,
    kSexta,
    kMenorSexta,
    kDiminuto,
    kMeioDiminuto,
    kAumentado,
    kSetimaNona,
    kSetimaNonaMenor,
    kSetimaQuintaDiminuta,
    kSus4
};

// Everyday types, enough for the chords below to find all their names.
const Catalogo& catalogoUsual() {
    static const Catalogo catalogo = catalogoCom(testing::montarCatalogo({
        {kMaior, "Maior", "3 5", ""},
        {kMenor, "Menor", "b3 5", "m"},
        {kSetima, "S\xE9tima", "3 5 b7", "7"},
        {kMenorSetima, "Menor com s\xE9tima", "b3 5 b7", "m7"},
        {kSetimaMaior, "S\xE9tima maior", "3 5 7M", "7M"},
        {kSexta, "Sexta", "3 5 6", "6"},
        {kMenorSexta, "Menor com sexta", "b3 5 6", "m6"},
        {kDiminuto, "Diminuto", "b3 b5 bb7", "\xBA"},
        {kMeioDiminuto, "Meio diminuto", "b3 b5 b7", "m7(b5)"},
        {kAumentado, "Aumentado", "3 #5", "5+"},
        {kSetimaNona, "S\xE9tima com nona", "3 5 b7 9", "7(9)"},
        {kSetimaNonaMenor, "S\xE9tima com nona menor", "3 5 b7 b9", "7(b9)"},
        {kSetimaQuintaDiminuta, "S\xE9tima com quinta diminuta", "3 b5 b7", "7(b5)"},
        {kSus4, "Quarta suspensa", "4 5", "sus4"},
    }));
    return catalogo;
}

TEST(IdentifyChords, AfterTheBassNameCandidatesFollowTheSoundingNotesInStringOrder) {
    // C E G on strings 5, 4, 3: the sounding list is G, E, C; C in the bass names it first.
    const Catalogo catalogo = catalogoCom(testing::montarCatalogo({
        {1, "Maior", "3 5", ""},
        {2, "Sexta e quarta", "4 6", "6/4"},
        {3, "Menor com sexta menor", "b3 5 b13", "m(b6)"},
    }));
    const Identification r = identifyChords(dedilhado("x 3 2 0 x x"), {}, catalogo);
    EXPECT_EQ(r.count, 3);
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(r.bassName, "C");
    EXPECT_EQ(linhas(r), (std::vector<Linha>{
                             {1, "C", kCompleto, "C"},
                             {2, "G", kCompleto, "C"},
                             {3, "E", kSemQuinta, "C"},
                         }));
}

TEST(IdentifyChords, FifthMayBeLeftOutOfFourNoteChordsOnly) {
    const Catalogo& catalogo = catalogoUsual();
    // C E Bb: C7 without its fifth; no triad matches.
    Identification r = identifyChords(dedilhado("x 3 2 3 x x"), {}, catalogo);
    EXPECT_EQ(linhas(r), (std::vector<Linha>{
                             {kSetima, "C", kSemQuinta, "C"},
                             {kSetimaQuintaDiminuta, "F#", kSemFundamental, "C", "Gb", "C"},
                         }));
    // C and E alone: the major triad needs its fifth.
    r = identifyChords(dedilhado("x 3 2 x x x"), {},
                       catalogoCom(testing::montarCatalogo({{1, "Maior", "3 5", ""}})));
    EXPECT_EQ(r.count, 0);
    EXPECT_TRUE(r.candidates.empty());
    EXPECT_EQ(r.message, "Digitação não corresponde a nenhum dos tipos de acorde catalogados.");
}

TEST(IdentifyChords, SecondPassFindsRootlessChordsSpelledSharp) {
    const Catalogo& catalogo = catalogoUsual();
    // C Gb Bb Eb: Ab7(9) without its root, found after the chords it sounds complete.
    const Identification r = identifyChords(dedilhado("x 3 4 3 4 x"), {}, catalogo);
    EXPECT_EQ(r.bassName, "C");
    EXPECT_EQ(linhas(r), (std::vector<Linha>{
                             {kMeioDiminuto, "C", kCompleto, "C"},
                             {kMenorSexta, "D#", kCompleto, "C", "Eb", "C"},
                             {kSetimaNona, "G#", kSemFundamental, "C", "Ab", "C"},
                         }));
}

TEST(IdentifyChords, BassIsSpelledAfterEachCandidateRoot) {
    const Catalogo& catalogo = catalogoUsual();
    // G D Bb with Bb in the bass: Gm/Bb, Bb6 without fifth, and two rootless chords.
    const Identification r = identifyChords(dedilhado("x 1 0 0 3 3"), {}, catalogo);
    EXPECT_EQ(r.bassName, "A#");
    EXPECT_EQ(linhas(r), (std::vector<Linha>{
                             {kMenor, "G", kCompleto, "Bb"},
                             {kSexta, "A#", kSemQuinta, "A#", "Bb", "Bb"},
                             {kSetimaMaior, "D#", kSemFundamental, "A#", "Eb", "Bb"},
                             {kMeioDiminuto, "E", kSemFundamental, "Bb"},
                         }));
}

TEST(IdentifyChords, MoreThanFiveMatchesKeepsTheFirstFiveAndCountsAll) {
    const Catalogo& catalogo = catalogoUsual();
    // A diminished seventh: four diminished chords and four rootless 7(b9).
    const Identification r = identifyChords(dedilhado("x 3 4 2 4 x"), {}, catalogo);
    EXPECT_EQ(r.count, 8);
    EXPECT_EQ(r.message,
              "8 acordes correspondem à digitação. Apenas os cinco primeiros serão mostrados.");
    EXPECT_EQ(linhas(r), (std::vector<Linha>{
                             {kDiminuto, "C", kCompleto, "C"},
                             {kDiminuto, "D#", kCompleto, "C", "Eb", "C"},
                             {kDiminuto, "A", kCompleto, "C"},
                             {kDiminuto, "F#", kCompleto, "C", "Gb", "C"},
                             {kSetimaNonaMenor, "B", kSemFundamental, "C"},
                         }));
}

TEST(IdentifyChords, LinkedChordDecidesHowSoundingRootsAreSpelled) {
    const Catalogo& catalogo = catalogoUsual();
    const TDigitacao bb = dedilhado("x 1 3 3 3 1", 1, {{1, 5, 1}});
    const ChordToneRow tons = chordToneRow(catalogo.tipos.tipo(kMaior), "Bb", 2);
    Identification r = identifyChords(bb, tons, catalogo);
    EXPECT_EQ(r.bassName, "Bb");
    EXPECT_EQ(linhas(r), (std::vector<Linha>{
                             {kMaior, "Bb", kCompleto, "Bb", "A#", "A#"},
                             {kMenorSetima, "G", kSemFundamental, "Bb"},
                         }));
    r = identifyChords(bb, {}, catalogo);
    EXPECT_EQ(r.bassName, "A#");
    EXPECT_EQ(linhas(r)[0], (Linha{kMaior, "A#", kCompleto, "A#", "Bb", "Bb"}));
}

TEST(IdentifyChords, MarksCandidatesWhoseChordAlreadyHoldsTheSameSound) {
    Catalogo catalogo = catalogoCom(testing::montarCatalogo({
        {1, "Maior", "3 5", ""},
        {2, "Menor", "b3 5", "m"},
        {55, "Maior bis", "3 5", "M"},
    }));
    testing::catalogarDireto(catalogo, dedilhado("x 3 5 5 5 3", 3, {{1, 5, 1}}), 4, 1);
    // The same sound made with another barre; filed under type 1, found for type 55 too.
    testing::catalogarDireto(catalogo, dedilhado("x 3 2 0 1 0"), 4, 1);
    const Identification aberto = identifyChords(dedilhado("x 3 2 0 1 0"), {}, catalogo);
    ASSERT_EQ(aberto.candidates.size(), 2u);
    EXPECT_EQ(aberto.candidates[0].type, 1);
    EXPECT_TRUE(aberto.candidates[0].catalogued);
    EXPECT_EQ(aberto.candidates[1].type, 55);
    EXPECT_TRUE(aberto.candidates[1].catalogued);

    const Identification barra =
        identifyChords(dedilhado("x 3 5 5 5 3", 3, {{2, 4, 3}, {1, 5, 1}}), {}, catalogo);
    ASSERT_EQ(barra.candidates.size(), 2u);
    EXPECT_TRUE(barra.candidates[0].catalogued);

    // Same notes at other frets is another fingering.
    const Identification outra = identifyChords(dedilhado("8 x 10 9 8 x", 8), {}, catalogo);
    ASSERT_EQ(outra.candidates.size(), 2u);
    EXPECT_FALSE(outra.candidates[0].catalogued);
    EXPECT_FALSE(outra.candidates[1].catalogued);
}

// Everyday types and the rarer ones that also name open shapes ("Em(b6)/C" for C).
const Catalogo& catalogoComRaros() {
    static const Catalogo catalogo = catalogoCom(testing::montarCatalogo({
        {1, "Maior", "3 5", ""},
        {2, "Menor", "b3 5", "m"},
        {3, "S\xE9tima", "3 5 b7", "7"},
        {4, "Menor com s\xE9tima", "b3 5 b7", "m7"},
        {5, "S\xE9tima maior", "3 5 7M", "7M"},
        {6, "Sexta", "3 5 6", "6"},
        {7, "Menor com sexta", "b3 5 6", "m6"},
        {8, "Diminuto", "b3 b5 bb7", "\xBA"},
        {9, "Meio diminuto", "b3 b5 b7", "m7(b5)"},
        {10, "Aumentado", "3 #5", "5+"},
        {11, "Quarta suspensa", "4 5", "sus4"},
        {12, "Segunda suspensa", "2 5", "sus2"},
        {13, "Nona adicionada", "3 5 9", "add9"},
        {14, "S\xE9tima com quarta", "4 5 b7", "7sus4"},
        {20, "Menor com sexta menor", "b3 5 b13", "m(b6)"},
        {21, "Menor com quinta aumentada", "b3 #5", "m(#5)"},
        {22, "Sexta e quarta", "4 6", "6/4"},
        {23, "Sexta com quarta", "4 5 6", "6sus4"},
        // Other writings of the same notes, as users add them.
        {24, "Menor com 13\xAA menor", "b3 b13", "m(b13)"},
        {25, "Aumentado com 9\xAA aumentada", "#5 #9", "5+(#9)"},
        {26, "Com 9\xAA aumentada e 13\xAA menor", "#9 b13", "(#9/b13)"},
    }));
    return catalogo;
}

// As the candidate window writes a name: root, standard symbol, "/" and the bass.
std::vector<std::string> nomes(const Identification& r, const CatalogoTipos& tipos) {
    std::vector<std::string> v;
    for (const ChordCandidate& c : r.candidates) {
        std::string nome = c.rootSpelling + CifraLinearDe(tipos.tipo(c.type).CifraPadrao);
        if (c.bassSpelling != c.rootSpelling) nome += "/" + c.bassSpelling;
        v.push_back(nome);
    }
    return v;
}

TEST(IdentifyChords, OpenShapesAreFirstNamedAsAGuitaristNamesThem) {
    const Catalogo& catalogo = catalogoComRaros();
    const struct {
        const char* trastes;
        const char* primeiro;
    } casos[] = {
        {"x 3 2 0 1 0", "C"},   {"x 0 2 2 1 0", "Am"},  {"3 2 0 0 0 3", "G"},
        {"x x 0 2 3 2", "D"},   {"0 2 2 1 0 0", "E"},   {"1 3 3 2 1 1", "F"},
        {"0 2 2 0 0 0", "Em"},  {"x x 0 2 3 1", "Dm"},  {"x 0 2 2 2 0", "A"},
        {"3 2 0 0 0 1", "G7"},  {"x 3 2 3 1 0", "C7"},  {"0 2 0 1 0 0", "E7"},
        {"x 0 2 0 1 0", "Am7"}, {"x 3 2 0 0 0", "C7M"}, {"x 0 2 2 3 0", "Asus4"},
        {"x 2 1 2 0 2", "B7"},  {"x x 0 2 1 1", "Dm7"}, {"1 x 2 2 1 x", "F7M"},
    };
    for (const auto& c : casos) {
        const auto trastes = lerTrastes(c.trastes);
        ASSERT_TRUE(trastes) << c.trastes;
        const auto d = digitacaoDeTrastes(*trastes);
        ASSERT_TRUE(d) << c.trastes;
        const std::vector<std::string> v = nomes(identifyChords(*d, {}, catalogo), catalogo.tipos);
        ASSERT_FALSE(v.empty()) << c.trastes;
        EXPECT_EQ(v.front(), c.primeiro) << c.trastes;
    }
}

// The bass's name is kept even when more than five chords match; the others keep their order.
TEST(IdentifyChords, TheBassNameIsNeverLeftOutOfTheFirstFive) {
    const Catalogo& catalogo = catalogoComRaros();
    const Identification r = identifyChords(dedilhado("x 3 2 0 1 0"), {}, catalogo);
    EXPECT_EQ(r.count, 9);
    EXPECT_EQ(nomes(r, catalogo.tipos),
              (std::vector<std::string>{"C", "Em(b6)/C", "Em(#5)/C", "Em(b13)/C", "E5+(#9)/C"}));
}

TEST(IdentifyChords, TypeNumbersBeyondTheNumberOfEntriesAreTried) {
    // Deleted types leave gaps: a catalogue of one entry may hold type 40.
    const Catalogo catalogo = catalogoCom(testing::montarCatalogo({{40, "Maior", "3 5", ""}}));
    const Identification r = identifyChords(dedilhado("x 3 2 0 1 0"), {}, catalogo);
    EXPECT_EQ(linhas(r), (std::vector<Linha>{{40, "C", kCompleto, "C"}}));
}

}  // namespace
}  // namespace trovale
