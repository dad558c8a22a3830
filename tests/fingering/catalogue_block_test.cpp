#include "fingering/catalogue_block.h"

#include <gtest/gtest.h>

#include "fingering/fingering_transposition.h"
#include "fingering_builders.h"
#include "support/recording_dialogs.h"
#include "support/type_fixture.h"

namespace trovale {
namespace {

using testing::catalogarDireto;
using testing::dedilhado;

enum : int { kMaior = 1, kMenor = 2, kMaiorBis = 55 };
enum : int { kC = 4, kD = 6, kE = 8, kF = 9 };

constexpr const char *kC1 = "x 3 2 0 1 0", *kC2 = "x 3 2 0 1 3", *kC3 = "3 3 2 0 1 0";
constexpr const char *kD1 = "x x 0 2 3 2", *kD2 = "x 5 4 2 3 x", *kCm = "x 3 1 0 1 x";

Catalogo catalogoDeTeste() {
    Catalogo c;
    c.tipos = testing::montarCatalogo({
        {kMaior, "Maior", "3 5", ""},
        {kMenor, "Menor", "b3 5", "m"},
        {kMaiorBis, "Maior bis", "3 5", "M"},
    });
    for (const char* t : {kC1, kC2, kC3}) catalogarDireto(c, dedilhado(t), kC, kMaior);
    for (const char* t : {kD1, kD2}) catalogarDireto(c, dedilhado(t), kD, kMaior);
    catalogarDireto(c, dedilhado(kCm), kC, kMenor);
    return c;
}

// Each record as "root/type frets".
std::vector<std::string> registros(const Catalogo& c) {
    std::vector<std::string> r;
    for (const TDigitacaoGravada& g : c.digitacoes.Digitacoes)
        r.push_back(std::to_string(notaGravada(g)) + '/' + std::to_string(tipoGravado(g)) + ' ' +
                    escreverTrastes(trastesDe(Decodificar(g))));
    return r;
}

TEST(ReplaceChordFingerings, WritesTheListBackAndMovesTheLaterChords) {
    const std::string c1 = std::string("4/1 ") + kC1, c2 = std::string("4/1 ") + kC2,
                      c3 = std::string("4/1 ") + kC3, d1 = std::string("6/1 ") + kD1,
                      d2 = std::string("6/1 ") + kD2, cm = std::string("4/2 ") + kCm;
    const struct {
        const char* caso;
        int raiz, tipo;
        std::vector<const char*> lista;
        int antes;
        std::vector<std::string> banco;
        std::array<int, 3> indice;  // C major, D major, C minor
    } casos[] = {
        {"two deleted", kC, kMaior, {kC2}, 3, {c2, d1, d2, cm}, {1, 2, 4}},
        {"all deleted", kC, kMaior, {}, 3, {d1, d2, cm}, {0, 1, 3}},
        {"reordered", kC, kMaior, {kC3, kC1, kC2}, 3, {c3, c1, c2, d1, d2, cm}, {1, 4, 6}},
        {"last chord emptied", kC, kMenor, {}, 1, {c1, c2, c3, d1, d2}, {1, 4, 0}},
        {"equal-sounding type", kC, kMaiorBis, {kC1}, 3, {c1, d1, d2, cm}, {1, 2, 4}},
        {"count beyond the chord", kD, kMaior, {kD2}, 3, {c1, c2, c3, d2, cm}, {1, 4, 5}},
    };
    for (const auto& c : casos) {
        Catalogo catalogo = catalogoDeTeste();
        std::vector<TDigitacao> lista;
        for (const char* t : c.lista) lista.push_back(dedilhado(t));
        replaceChordFingerings(catalogo, c.raiz, c.tipo, lista, c.antes);
        EXPECT_EQ(registros(catalogo), c.banco) << c.caso;
        const auto& indice = catalogo.digitacoes.IndiceDigitacoes;
        EXPECT_EQ((std::array<int, 3>{indice[kC][kMaior], indice[kD][kMaior], indice[kC][kMenor]}),
                  c.indice)
            << c.caso;
        EXPECT_TRUE(catalogo.DigitacoesAlteradas) << c.caso;
    }
}

TEST(CatalogueList, EachVersionUnderItsOwnRootAndOnlyOnce) {
    Catalogo catalogo = catalogoDeTeste();
    const auto versoes = transposeFingering(dedilhado("0 2 2 1 0 0"), kE, "E", 5, nullptr);
    testing::RecordingDialogs dialogs;
    EXPECT_TRUE(catalogueList(catalogo, versoes, kMaior, dialogs));
    EXPECT_TRUE(dialogs.avisos.empty());
    const auto& banco = catalogo.digitacoes;
    EXPECT_EQ(banco.NumDigitacoes(), 6 + 11);
    for (int raiz : {kE, kF}) ASSERT_NE(banco.PrimeiraDigitacao(raiz, kMaior), 0);
    EXPECT_EQ(escreverTrastes(trastesDe(
                  Decodificar(banco.Digitacoes[banco.PrimeiraDigitacao(kF, kMaior) - 1]))),
              "1 3 3 2 1 1");
    EXPECT_EQ(banco.tamanhoDaSequencia(banco.PrimeiraDigitacao(kC, kMaior)), 4);

    EXPECT_FALSE(catalogueList(catalogo, versoes, kMaior, dialogs));
    ASSERT_EQ(dialogs.avisos.size(), versoes.size());
    EXPECT_EQ(dialogs.avisos[0], "Digitação em E previamente catalogada para este tipo de acorde.");
    EXPECT_EQ(dialogs.avisos[1], "Digitação em F previamente catalogada para este tipo de acorde.");
    EXPECT_EQ(banco.NumDigitacoes(), 6 + 11);
}

}  // namespace
}  // namespace trovale
