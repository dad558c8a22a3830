#include "fingering/fingering_editing.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fingering_builders.h"

namespace trovale {
namespace {

using testing::dedilhado;

const std::string kAntes3 =
    "Pelo menos uma corda foi inutilmente pressionada antes da pestana no traste 3. "
    "Retifique esta incoerência.";

std::string trastes(const TDigitacao& d) {
    return escreverTrastes(trastesDe(d));
}

bool notasNaFrente(const TDigitacao& d) {
    return std::is_partitioned(d.Notas.begin(), d.Notas.end(),
                               [](const NotaDedo& n) { return !n.vazia(); });
}

TEST(PlaceNote, RemovesPlacesOrRefuses) {
    const struct {
        const char* caso;
        TDigitacao inicial;
        int corda, casa;
        const char* depois;  // frets notation
        bool placed;
        std::string message;
    } casos[] = {
        {"click on a note removes it", dedilhado("x 3 2 0 1 0"), 4, 2, "x 3 0 0 1 0", false, ""},
        {"string already pressed", dedilhado("x 3 2 0 1 0"), 5, 2, "x 3 2 0 1 0", false,
         "Corda já pressionada. Caso queira introduzir uma pestana, comece pelo outro extremo."},
        {"four elements", dedilhado("1 3 3 2 1 1", 1, {{1, 6, 1}}), 1, 3, "1 3 3 2 1 1", false,
         "Digitação excederia o número máximo de elementos (notas ou pestanas)."},
        {"muted string becomes struck and the bass", dedilhado("x 3 2 0 1 0"), 6, 3, "3 3 2 0 1 0",
         true, ""},
        {"note behind a barre stays, with a warning", dedilhado("x 3 3 3 3 3", 1, {{1, 5, 3}}), 2,
         1, "x 3 3 3 3 3", true, kAntes3},
    };
    for (const auto& c : casos) {
        TDigitacao d = c.inicial;
        const NoteClick r = placeNote(d, c.corda, c.casa);
        EXPECT_EQ(trastes(d), c.depois) << c.caso;
        EXPECT_EQ(r.placed, c.placed) << c.caso;
        EXPECT_EQ(r.message, c.message) << c.caso;
        EXPECT_TRUE(notasNaFrente(d)) << c.caso;
    }
    TDigitacao d = dedilhado("x 3 2 0 1 0");
    placeNote(d, 6, 3);
    EXPECT_EQ(d.Estado, (std::array<std::uint8_t, kCordas>{1, 1, 1, 1, 1, 0}));
}

TEST(FinishBarre, TheNoteBecomesABarreOverTheDraggedStrings) {
    const TDigitacao aberto = dedilhado("x 3 2 0 1 0");
    const TDigitacao duas = dedilhado("5 5 7 7 7 5", 5, {{1, 5, 1}, {2, 4, 3}});
    const struct {
        const char* caso;
        TDigitacao inicial;
        int corda, casa, alvo;
        const char* depois;
        int elementos;
        std::string message;
    } casos[] = {
        {"from string 1 to 6", dedilhado("x x x x x 1"), 1, 1, 6, "1 1 1 1 1 1", 1, ""},
        {"swallows its fret", dedilhado("x 3 3 3 1 x"), 5, 3, 2, "x 3 3 3 3 x", 2, kAntes3},
        {"dropped on its own string", aberto, 5, 3, 5, "x 3 2 0 1 0", 3, ""},
        {"dropped off the strings", aberto, 5, 3, 0, "x 3 2 0 1 0", 3, ""},
        {"first barre on that fret", dedilhado("x x x 2 2 2", 1, {{1, 2, 2}}), 3, 2, 4,
         "x x x 2 2 2", 2, "Traste já contém pestana."},
        {"two barres", duas, 6, 1, 5, "5 5 7 7 7 5", 3, "Acorde já contém 2 pestanas."},
    };
    for (const auto& c : casos) {
        TDigitacao d = c.inicial;
        const std::string aviso = finishBarre(d, c.corda, c.casa, c.alvo);
        EXPECT_EQ(trastes(d), c.depois) << c.caso;
        EXPECT_EQ(elementCount(d), c.elementos) << c.caso;
        EXPECT_EQ(aviso, c.message) << c.caso;
        EXPECT_TRUE(notasNaFrente(d)) << c.caso;
    }
}

TEST(RemoveBarre, TheSecondMovesIntoTheFirstSlot) {
    for (int slot : {0, 1}) {
        const TDigitacao antes = dedilhado("x 5 7 7 7 5", 5, {{1, 5, 1}, {2, 4, 3}});
        TDigitacao d = antes;
        removeBarre(d, slot);
        EXPECT_EQ(d.Pestanas[0], (slot == 0 ? Pestana{2, 4, 3} : Pestana{1, 5, 1}));
        EXPECT_TRUE(d.Pestanas[1].vazia());
        EXPECT_EQ(d.Estado, antes.Estado);
    }
}

TEST(MoveWindow, StartFretStaysWithinOneToTwelve) {
    for (auto [casa, passo, depois] :
         {std::array{1, -1, 1}, {1, 1, 2}, {12, 1, 12}, {12, -1, 11}}) {
        TDigitacao d = dedilhado("x 3 2 0 1 0");
        d.Casa = casa;
        EXPECT_EQ(moveWindow(d, passo), depois != casa) << casa << ' ' << passo;
        EXPECT_EQ(d.Casa, depois) << casa << ' ' << passo;
    }
}

}  // namespace
}  // namespace trovale
