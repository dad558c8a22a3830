#include "fingering/fingering_validation.h"

#include <gtest/gtest.h>

#include "fingering_builders.h"

namespace trovale {
namespace {

TDigitacao comMuda(TDigitacao d, int corda) {
    d.Estado[corda - 1] = kCordaMuda;
    d.marcarBaixo();
    return d;
}

TEST(ValidateFingering, ShowsTheFirstFailingCheck) {
    const struct {
        const char* caso;
        TDigitacao digitacao;
        const char* mensagem;  // empty: valid
    } casos[] = {
        {"open C", testing::dedilhado("x 3 2 0 1 0"), ""},
        {"barre F", testing::dedilhado("1 3 3 2 1 1", 1, {{1, 6, 1}}), ""},
        {"barre Bm at fret 2", testing::dedilhado("x 2 4 4 3 2", 2, {{1, 5, 1}}), ""},
        {"note behind a barre",
         [] {
             TDigitacao d = testing::dedilhado("x x 4 5 4 4", 3, {{1, 4, 2}});
             d.Notas[1] = {2, 1};  // string 2 at fret 3, behind the barre at fret 4
             return d;
         }(),
         "Pelo menos uma corda foi inutilmente pressionada antes da pestana no traste 4. "
         "Retifique esta incoerência."},
        {"barre pressed over everywhere", testing::dedilhado("x x x 3 3 3", 1, {{1, 3, 1}}),
         "Pestana totalmente inutil  no traste 1. Retifique esta incoerência."},
        {"second barre under a higher one",
         testing::dedilhado("x 5 7 7 7 5", 5, {{1, 5, 1}, {2, 4, 3}}), ""},
        {"barre over muted strings only",
         comMuda(comMuda(testing::dedilhado("x 3 2 0 3 3", 1, {{1, 2, 3}}), 1), 2),
         "Pestana totalmente inutil  no traste 3. Retifique esta incoerência."},
        {"pressed string not struck", comMuda(testing::dedilhado("x 3 2 0 1 0"), 4),
         "Corda 4 pressionada e marcada para não ser ferida. Retifique esta incoerência."},
        {"muted string under a barre is fine",
         comMuda(testing::dedilhado("1 3 3 2 1 1", 1, {{1, 6, 1}}), 1), ""},
        {"octaves only", testing::dedilhado("x 0 2 2 x x"),
         "No mínimo 3 notas diferentes devem estar habilitadas num acorde."},
        {"note behind barre wins over too few notes",
         [] {
             TDigitacao d = testing::dedilhado("x x x x 3 3", 3, {{1, 2, 1}});
             d.Notas[0] = {2, 1};
             d.Pestanas[0].Traste = 2;
             return d;
         }(),
         "Pelo menos uma corda foi inutilmente pressionada antes da pestana no traste 4. "
         "Retifique esta incoerência."},
    };
    for (const auto& c : casos) {
        const FingeringCheck r = validateFingering(c.digitacao);
        EXPECT_EQ(r.valid, std::string(c.mensagem).empty()) << c.caso;
        EXPECT_EQ(r.message, c.mensagem) << c.caso;
    }
}

TEST(CheckNoteBeforeBarre, WarnsOnlyAboutNotesBehindABarre) {
    TDigitacao d = testing::dedilhado("x 3 5 5 5 3", 3, {{1, 5, 1}});
    EXPECT_TRUE(checkNoteBeforeBarre(d).valid);
    d.Pestanas[1] = {2, 4, 3};  // second barre at fret 5 over the notes there
    d.Notas = {};
    EXPECT_TRUE(checkNoteBeforeBarre(d).valid);
    d.Notas[0] = {3, 2};  // fret 4 under the second barre
    EXPECT_EQ(checkNoteBeforeBarre(d).message,
              "Pelo menos uma corda foi inutilmente pressionada antes da pestana no traste 5. "
              "Retifique esta incoerência.");
    d.Estado.fill(kCordaMuda);
    // Only the first check runs: muting everything does not change its verdict.
    EXPECT_FALSE(checkNoteBeforeBarre(d).valid);
}

}  // namespace
}  // namespace trovale
