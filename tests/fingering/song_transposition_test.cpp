#include "fingering/song_transposition.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/frets_notation.h"
#include "fingering_builders.h"
#include "support/type_fixture.h"

namespace trovale {
namespace {

using testing::catalogarDireto;
using testing::dedilhado;

constexpr int kBb = 2, kC = 4, kD = 6;

std::string codigo(const char* trastes, int nota = 0) {
    TDigitacao d = dedilhado(trastes);
    d.Nota = nota;
    const TDigitacaoGravada g = Codificar(d);
    return std::to_string(g.W[0]) + ' ' + std::to_string(g.W[1]) + ' ' + std::to_string(g.W[2]);
}

std::string trastesDoCodigo(const std::string& texto) {
    const auto g = digitacaoDoTexto(texto);
    return g ? escreverTrastes(trastesDe(Decodificar(*g))) : "-";
}

// The common types; D major catalogued as the open shape first, then the C shape moved up
// (a barre over strings 1 to 3).
Catalogo catalogo() {
    Catalogo c;
    c.tipos = testing::catalogoComum();
    catalogarDireto(c, dedilhado("x x 0 2 3 2"), kD, testing::kMaior);
    catalogarDireto(c, dedilhado("x 5 4 2 3 2", 1, {{1, 3, 2}}), kD, testing::kMaior);
    return c;
}

LinhaTransposicao linha(std::string simbolo, std::string codigo, int tipo) {
    LinhaTransposicao l;
    l.simbolo = std::move(simbolo);
    l.digitacao = std::move(codigo);
    l.tipo = tipo;
    return l;
}

TEST(SongTransposition, NewSymbolsAreSpelledFromTheKeyChord) {
    const Catalogo cat = catalogo();
    const struct {
        std::vector<const char*> simbolos;
        int tom, deslocamento;
        std::vector<std::string> esperados;
        std::vector<bool> bipes = {};
        int tipo = testing::kMaior;
    } casos[] = {
        {{"Cf", "Ff"}, 0, 1, {"Db", "Gb"}},
        {{"Cf", "Ff"}, 0, -1, {"B", "E"}},
        {{"Cf", "Ff"}, 0, 12, {"C", "F"}},
        {{"Cf", "Ff"}, 0, -12, {"C", "F"}},
        {{"Bb", "Eb", "Gfm"}, 0, -2, {"Ab", "Db", "Fm"}},
        // The key decides: C then F makes Db and Gb, F then C makes F# and C#.
        {{"Cf", "Ff"}, 1, 1, {"C#", "F#"}},
        {{"Cf/E", "Afm*c", "Cf/E*", "Cf/C"}, 0, 2, {"D/F#", "Bm*c", "D/F#*", "D"}},
        // A bass off the type is kept at its letter distance, and the window beeps.
        {{"Cf/Eb", "Ff"}, 0, 3, {"Eb/Gb", "Ab"}, {true, false}},
        // A bass spelled apart from its chord tone keeps its letters.
        {{"Cf7/Bb", "Cf7/A#"}, 0, -2, {"Bb7/Ab", "Bb7/G#"}, {false, false}, testing::kSetima},
    };
    for (const auto& c : casos) {
        std::vector<LinhaTransposicao> l;
        for (const char* simbolo : c.simbolos) l.push_back(linha(simbolo, "0", c.tipo));
        transporLinhas(l, c.deslocamento, c.tom, {}, cat, 5);
        for (std::size_t k = 0; k < l.size(); ++k) {
            SCOPED_TRACE(l[k].simbolo + " by " + std::to_string(c.deslocamento));
            EXPECT_EQ(l[k].novoSimbolo, c.esperados[k]);
            if (!c.bipes.empty()) {
                EXPECT_EQ(l[k].baixoForaDoTipo, c.bipes[k]);
            }
        }
    }
}

// Each row's symbol and type; the first row is the key chord.
using Linhas = std::vector<std::pair<const char*, int>>;

std::vector<std::string> transpostos(const Linhas& linhas, int deslocamento) {
    std::vector<LinhaTransposicao> l;
    for (const auto& [simbolo, tipo] : linhas) l.push_back(linha(simbolo, "0", tipo));
    transporLinhas(l, deslocamento, 0, {}, catalogo(), 5);
    std::vector<std::string> novos;
    for (const LinhaTransposicao& t : l) novos.push_back(t.novoSimbolo);
    return novos;
}

// The key as a musician writes it: the key signature with fewer accidentals, major or minor
// after the key chord; a tie keeps sharps going up and flats going down.
TEST(SongTransposition, KeyChordTakesTheSpellingWithFewerAccidentals) {
    using namespace testing;
    const struct {
        const char* simbolo;
        int tipo, deslocamento;
        const char* esperado;
    } casos[] = {
        {"Gf", kMaior, 3, "Bb"},
        {"Ab", kMaior, 2, "Bb"},
        {"Cf", kMaior, 3, "Eb"},
        {"Bf", kMaior, 2, "Db"},
        {"Cf7", kSetima, 8, "Ab7"},
        {"Ef", kMaior, -3, "Db"},
        {"Afm", kMenor, 1, "Bbm"},
        {"Dfm", kMenor, -1, "C#m"},
        {"Gfm", kMenor, -1, "F#m"},
        {"Afm", kMenor, -1, "G#m"},
        {"Efm7", kMenorSetima, 4, "G#m7"},
        {"Bfm", kMenor, -2, "Am"},
        {"Ff", kMaior, 1, "F#"},
        {"Gf", kMaior, -1, "Gb"},
        {"Dfm", kMenor, 1, "D#m"},
        {"Efm", kMenor, -1, "Ebm"},
        // No catalogued type: the written "m" tells a minor key.
        {"Cfm7(11)", 0, 1, "C#m7(11)"},
        {"Cfmaj7(11)", 0, 1, "Dbmaj7(11)"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(transpostos({{c.simbolo, c.tipo}}, c.deslocamento),
                  std::vector<std::string>{c.esperado})
            << c.simbolo << " by " << c.deslocamento;
}

// The other rows follow the key chord by letter distance, Cb, Fb, E# and B# included, and
// rows written with them move like any other.
TEST(SongTransposition, RowsSpelledByLetterDistanceFromTheKey) {
    using namespace testing;
    const struct {
        Linhas linhas;
        int deslocamento;
        std::vector<std::string> esperados;
    } casos[] = {
        {{{"Gf", kMaior}, {"Cf", kMaior}, {"Df7", kSetima}, {"Efm", kMenor}},
         3,
         {"Bb", "Eb", "F7", "Gm"}},
        {{{"Dfm", kMenor}, {"Ef7", kSetima}, {"Gf/B", kMaior}}, 1, {"D#m", "E#7", "G#/B#"}},
        {{{"Cfm", kMenor}, {"Gf7/B", kSetima}, {"Ff/C", kMaior}}, 1, {"C#m", "G#7/B#", "F#/C#"}},
        {{{"Gf/B", kMaior}, {"Ef", kMaior}}, 1, {"Ab/C", "F"}},
        {{{"Gb", kMaior}, {"Cb", kMaior}, {"Db7/Cb", kSetima}}, 2, {"Ab", "Db", "Eb7/Db"}},
        {{{"Csm", kMenor}, {"Gs7/B#", kSetima}, {"Esm7", kMenorSetima}}, -1, {"Cm", "G7/B", "Em7"}},
        {{{"Cb", kMaior}, {"Fb", kMaior}, {"Abm/Cb", kMenor}}, 1, {"C", "F", "Am/C"}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(transpostos(c.linhas, c.deslocamento), c.esperados)
            << c.linhas.front().first << " by " << c.deslocamento;
}

TEST(SongTransposition, NewFingeringsFollowTheWindowsChoices) {
    const Catalogo cat = catalogo();
    const OpcoesTransposicao simplicidade, similaridade{true, false}, sugerir{false, true};
    const struct {
        const char* caso;
        LinhaTransposicao linha;
        int deslocamento;
        OpcoesTransposicao opcoes;
        const char* trastes;  // of the new fingering, "-" for none
        int nota;             // the root it is filed under
    } casos[] = {
        {"first catalogued", linha("Cf", codigo("x 3 2 0 1 0"), testing::kMaior), 2, simplicidade,
         "x x 0 2 3 2", kD},
        {"same shape", linha("Cf", codigo("x 3 2 0 1 0"), testing::kMaior), 2, similaridade,
         "x 5 4 2 3 2", kD},
        {"variant tag", linha("Cf*", codigo("x 3 2 0 1 0"), testing::kMaior), 2, simplicidade,
         "x 5 4 2 3 2", kD},
        {"none catalogued", linha("Afm", codigo("x 0 2 2 1 0"), testing::kMenor), 1, simplicidade,
         "x 1 3 3 2 1", kBb},
        {"bass kept", linha("Cf/E", codigo("0 3 2 0 1 0"), testing::kMaior), 2, similaridade,
         "2 5 4 2 3 2", kD},
        {"undefined", linha("Cf", "0", testing::kMaior), 2, simplicidade, "-", 0},
        {"suggested", linha("Cf", "0", testing::kMaior), 2, sugerir, "x x 0 2 3 2", kD},
        {"no type", linha("Cf", codigo("x 3 2 0 1 0"), 0), 2, simplicidade, "-", 0},
        {"unmoved", linha("Cf", codigo("x 3 2 0 1 0", kC), testing::kMaior), 0, simplicidade,
         "x 3 2 0 1 0", kC},
    };
    for (const auto& c : casos) {
        std::vector<LinhaTransposicao> l = {c.linha};
        transporLinhas(l, c.deslocamento, 0, c.opcoes, cat, 5);
        EXPECT_EQ(trastesDoCodigo(l[0].novaDigitacao), c.trastes) << c.caso;
        const auto g = digitacaoDoTexto(l[0].novaDigitacao);
        EXPECT_EQ(g ? notaGravada(*g) : 0, c.nota) << c.caso;
    }
}

// "Gb F#*": the two spellings offered, the one in use marked; "-" where there is no choice.
std::string oferta(const std::string& bemol, const std::string& sustenido, bool aberta,
                   bool emBemol) {
    return aberta ? bemol + (emBemol ? "* " : " ") + sustenido + (emBemol ? "" : "*") : "-";
}

TEST(SongTransposition, ReviewOffersBothSpellingsOfRootAndBass) {
    const struct {
        const char *simbolo, *raiz, *baixo, *raizBemol, *baixoSustenido;
    } casos[] = {
        {"F#", "Gb F#*", "-", "Gb", "F#"},
        {"D/F#", "-", "Gb F#*", "D/F#", "D/F#"},
        {"Dbm7/Ab*", "Db* C#", "Ab* G#", "Dbm7/Ab*", "Dbm7/G#*"},
        {"E/B", "-", "-", "E/B", "E/B"},
        // Cb, Fb, E# and B# are offered with their natural spelling.
        {"Cb7M", "Cb* B", "-", "Cb7M", "Cb7M"},
        {"G#/B#", "Ab G#*", "C B#*", "Ab/B#", "G#/B#"},
        {"Ab/Fb", "Ab* G#", "Fb* E", "Ab/Fb", "Ab/E"},
        {"E#m", "F E#*", "-", "Fm", "E#m"},
    };
    for (const auto& c : casos) {
        const GrafiasOferecidas g = grafiasOferecidas(c.simbolo);
        EXPECT_EQ(oferta(g.raizBemol, g.raizSustenido, g.raizComAcidente, g.raizEmBemol), c.raiz);
        EXPECT_EQ(oferta(g.baixoBemol, g.baixoSustenido, g.baixoComAcidente, g.baixoEmBemol),
                  c.baixo);
        EXPECT_EQ(comGrafiaDaRaiz(c.simbolo, true), c.raizBemol);
        EXPECT_EQ(comGrafiaDoBaixo(c.simbolo, false), c.baixoSustenido);
    }
}

// The key chord's root written the other way in review: every row follows it by letter
// distance; a row's fingering stays as transposition chose it.
TEST(SongTransposition, TheKeyChordsOtherSpellingRespellsEveryRow) {
    const struct {
        Linhas linhas;
        int deslocamento;
        bool bemol;
        std::vector<std::string> esperados;
    } casos[] = {
        {{{"Cf", testing::kMaior}, {"Ff", testing::kMaior}}, 1, false, {"C#", "F#"}},
        {{{"Cf", testing::kMaior}, {"Ff7M", testing::kMaior}, {"Dfm7", testing::kMaior}},
         6, true, {"Gb", "Cb7M", "Abm7"}},
        {{{"Cf", testing::kMaior}, {"Cf/E", testing::kMaior}, {"Af*c", testing::kMaior}},
         -1, false, {"B", "B/D#", "G#*c"}},
    };
    for (const auto& c : casos) {
        std::vector<LinhaTransposicao> l;
        for (const auto& [simbolo, tipo] : c.linhas) l.push_back(linha(simbolo, "0", tipo));
        const Catalogo cat = catalogo();
        transporLinhas(l, c.deslocamento, 0, {}, cat, 5);
        l[0].novaDigitacao = "1 2 3";
        regrafarPeloTom(l, c.deslocamento, 0, c.bemol, cat.tipos);
        std::vector<std::string> novos;
        for (const LinhaTransposicao& t : l) novos.push_back(t.novoSimbolo);
        EXPECT_EQ(novos, c.esperados);
        EXPECT_EQ(l[0].novaDigitacao, "1 2 3");
    }
}

TEST(SongTransposition, ShiftReadsInSemitones) {
    const std::pair<int, const char*> casos[] = {
        {1, "1 semitom acima:"}, {-3, "3 semitons abaixo:"}, {12, ""}, {-12, ""}};
    for (const auto& [passos, texto] : casos)
        EXPECT_EQ(textoDoDeslocamento(normalizarDeslocamento(passos)), texto) << passos;
}

}  // namespace
}  // namespace trovale
