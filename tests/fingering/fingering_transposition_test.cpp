#include "fingering/fingering_transposition.h"

#include <gtest/gtest.h>

#include "catalogue/notes.h"
#include "fingering/fingering_editing.h"
#include "fingering_builders.h"
#include "support/recording_dialogs.h"

namespace trovale {
namespace {

using testing::dedilhado;
using testing::RecordingDialogs;
constexpr Resposta Sim = Resposta::Sim, Nao = Resposta::Nao;

enum : int { kA = 1, kBb = 2, kD = 6, kE = 8 };

std::string trastes(const TDigitacao& d) {
    return escreverTrastes(trastesDe(d));
}

TEST(TransposeFingering, OpenEShapeBecomesABarreUpToTheTenthFret) {
    const struct {
        const char* trastes;
        const char* raiz;
        int casa;
    } esperadas[] = {
        {"0 2 2 1 0 0", "E", 1},     {"1 3 3 2 1 1", "F", 1},       {"2 4 4 3 2 2", "F#", 1},
        {"3 5 5 4 3 3", "G", 1},     {"4 6 6 5 4 4", "G#", 2},      {"5 7 7 6 5 5", "A", 3},
        {"6 8 8 7 6 6", "A#", 4},    {"7 9 9 8 7 7", "B", 5},       {"8 10 10 9 8 8", "C", 6},
        {"9 11 11 10 9 9", "C#", 7}, {"10 12 12 11 10 10", "D", 8},
    };
    const std::vector<TDigitacao> versoes =
        transposeFingering(dedilhado("0 2 2 1 0 0"), kE, "E", 5, nullptr);
    ASSERT_EQ(versoes.size(), std::size(esperadas));
    for (std::size_t k = 0; k < versoes.size(); ++k) {
        EXPECT_EQ(trastes(versoes[k]), esperadas[k].trastes) << k;
        EXPECT_EQ(versoes[k].NomeNota, esperadas[k].raiz) << k;
        EXPECT_EQ(versoes[k].Nota, notaDaGrafia(esperadas[k].raiz)) << k;
        EXPECT_EQ(versoes[k].Casa, esperadas[k].casa) << k;
        if (k == 0) continue;
        EXPECT_EQ(versoes[k].Pestanas[0].CordaInicial, 1) << k;
        EXPECT_EQ(versoes[k].Pestanas[0].CordaFinal, 6) << k;
    }
}

TEST(TransposeFingering, OpenStringsTakeNotesOrABarre) {
    const TDigitacao bemol = dedilhado("x 1 3 3 3 1", 1, {{1, 5, 1}});
    const struct {
        const char* caso;
        TDigitacao digitacao;
        int raiz;
        const char* grafia;
        Resposta resposta;  // to question 0, when asked
        std::size_t versoes, perguntas;
        std::size_t k;  // the version looked at
        const char* trastes;
        const char* raizK;
        bool pestana;
    } casos[] = {
        {"E shape", dedilhado("0 2 2 1 0 0"), kE, "E", Nao, 11, 0, 1, "1 3 3 2 1 1", "F", true},
        {"one open", dedilhado("x x 0 2 3 2"), kD, "D", Nao, 13, 0, 2, "x x 2 4 5 4", "E", false},
        {"two open, Sim", dedilhado("x 0 2 2 x 0"), kA, "A", Sim, 11, 1, 1, "x 1 3 3 x 1", "A#",
         true},
        {"two open, Nao", dedilhado("x 0 2 2 x 0"), kA, "A", Nao, 13, 1, 1, "x 1 3 3 x 1", "A#",
         false},
        {"flat root", bemol, kBb, "Bb", Nao, 11, 0, 4, "x 4 6 6 6 4", "Db", true},
        {"barre reaching the nut", bemol, kBb, "Bb", Nao, 11, 0, 0, "x 0 2 2 2 0", "A", false},
    };
    for (const auto& c : casos) {
        RecordingDialogs dialogs;
        dialogs.respostas = {c.resposta};
        const auto versoes = transposeFingering(c.digitacao, c.raiz, c.grafia, 5, &dialogs);
        ASSERT_EQ(versoes.size(), c.versoes) << c.caso;
        EXPECT_EQ(dialogs.perguntas,
                  (std::vector<std::pair<int, std::string>>(c.perguntas, {0, ""})))
            << c.caso;
        EXPECT_TRUE(dialogs.avisos.empty()) << c.caso;
        const TDigitacao& v = versoes[c.k];
        EXPECT_EQ(trastes(v), c.trastes) << c.caso;
        EXPECT_EQ(v.NomeNota, c.raizK) << c.caso;
        EXPECT_EQ(!v.Pestanas[0].vazia(), c.pestana) << c.caso;
        EXPECT_LE(elementCount(v), kMaxElementosDigitacao) << c.caso;
    }
}

TEST(TransposeFingering, RefusesWhatTheDiagramsCannotShow) {
    const std::string vedada = "Transposição vedada: pelo menos uma digitação ";
    const std::string ocuparia = vedada + "ocuparia mais casas que o programa pode apresentar.";
    const std::string excederia =
        vedada + "excederia o número máximo de elementos (notas ou pestanas).";
    const struct {
        const char* caso;
        TDigitacao digitacao;
        int casas;
        std::string aviso;  // empty: transposed
    } casos[] = {
        {"open string and fret 4 on four rows", dedilhado("x 0 2 2 4 x"), 4, ocuparia},
        {"open string and fret 4 on five rows", dedilhado("x 0 2 2 4 x"), 5, ""},
        {"four elements and an open string", dedilhado("x 0 2 2 2 1"), 5, excederia},
        {"open strings need a barre, both taken",
         dedilhado("0 0 4 2 3 3", 1, {{3, 4, 2}, {1, 2, 3}}), 5, excederia},
    };
    for (const auto& c : casos) {
        RecordingDialogs dialogs;
        dialogs.respostas = {Resposta::Sim};
        const auto versoes = transposeFingering(c.digitacao, kA, "A", c.casas, &dialogs);
        EXPECT_EQ(versoes.empty(), !c.aviso.empty()) << c.caso;
        EXPECT_EQ(dialogs.avisos,
                  c.aviso.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.aviso})
            << c.caso;
        EXPECT_EQ(transposeFingering(c.digitacao, kA, "A", c.casas, nullptr).empty(),
                  !c.aviso.empty())
            << c.caso;
    }
}

TEST(TransposeFingering, OriginalBeyondTheRowsIsRedrawnHigher) {
    const auto versoes = transposeFingering(dedilhado("x x 5 4 3 x"), kA, "A", 4, nullptr);
    ASSERT_EQ(versoes.size(), 13u);
    EXPECT_EQ(versoes[3].Casa, 2);
    EXPECT_EQ(trastes(versoes[3]), "x x 5 4 3 x");
    EXPECT_EQ(versoes[3].NomeNota, "A");
}

}  // namespace
}  // namespace trovale
