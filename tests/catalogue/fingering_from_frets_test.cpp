#include "catalogue/fingering_from_frets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace trovale {
namespace {

// "casa 1 | pestana 1-6@1 | notas 5@3 4@3 | estados 111110": start fret, barres and notes
// as string@relative fret, then the state of strings 1..6.
std::string descrever(const TDigitacao& d) {
    std::string texto = "casa " + std::to_string(d.Casa);
    for (const Pestana& p : d.Pestanas)
        if (!p.vazia())
            texto += " | pestana " + std::to_string(p.CordaInicial) + "-" +
                     std::to_string(p.CordaFinal) + "@" + std::to_string(p.Traste);
    std::string notas;
    for (const NotaDedo& n : d.Notas)
        if (!n.vazia()) notas += " " + std::to_string(n.Corda) + "@" + std::to_string(n.Traste);
    if (!notas.empty()) texto += " | notas" + notas;
    texto += " | estados ";
    for (int corda = 1; corda <= kCordas; ++corda) texto += std::to_string(d.estado(corda));
    return texto;
}

template <typename Lista>
int contar(const Lista& lista) {
    return static_cast<int>(
        std::count_if(lista.begin(), lista.end(), [](const auto& e) { return !e.vazia(); }));
}

struct Pressionada {
    const char* trastes;
    const char* esperada;  // as descrever() gives it
};

// Each shape is pressed as expected, and what is pressed sounds exactly the frets asked for.
template <std::size_t N>
void esperarPressionadas(const Pressionada (&casos)[N]) {
    for (const Pressionada& c : casos) {
        const auto trastes = lerTrastes(c.trastes);
        ASSERT_TRUE(trastes) << c.trastes;
        const auto d = digitacaoDeTrastes(*trastes);
        ASSERT_TRUE(d) << c.trastes;
        EXPECT_EQ(descrever(*d), c.esperada) << c.trastes;
        EXPECT_EQ(escreverTrastes(trastesDe(*d)), c.trastes);
    }
}

TEST(DigitacaoDeTrastes, PressesTheShapeAsAPlayerWould) {
    const Pressionada casos[] = {
        // A finger on each fretted string while four are enough.
        {"x 3 2 0 1 0", "casa 1 | notas 5@3 4@2 2@1 | estados 111102"},
        {"3 2 0 0 0 3", "casa 1 | notas 6@3 5@2 1@3 | estados 111110"},
        {"x 0 2 2 2 0", "casa 1 | notas 4@2 3@2 2@2 | estados 111102"},
        {"x x 5 5 5 x", "casa 1 | notas 4@5 3@5 2@5 | estados 211022"},
        // Then a barre on the lowest fret it can lie; strings under it pressed higher keep
        // their own finger.
        {"1 3 3 2 1 1", "casa 1 | pestana 1-6@1 | notas 5@3 4@3 3@2 | estados 111110"},
        {"x 2 4 4 4 2", "casa 1 | pestana 1-5@2 | notas 4@4 3@4 2@4 | estados 111102"},
        {"5 5 5 5 5 5", "casa 1 | pestana 1-6@5 | estados 111110"},
        {"x 3 5 5 5 5", "casa 1 | pestana 1-4@5 | notas 5@3 | estados 111102"},
        {"x 3 2 3 5 5", "casa 1 | pestana 1-2@5 | notas 5@3 4@2 3@3 | estados 111102"},
        {"x 3 2 3 3 4", "casa 1 | pestana 2-3@3 | notas 5@3 4@2 1@4 | estados 111102"},
        // A second barre only when one is not enough.
        {"1 2 3 4 4 1", "casa 1 | pestana 1-6@1 | pestana 2-3@4 | notas 5@2 4@3 | estados 111110"},
        // A barre may lie across a string not struck, never across an open one.
        {"3 x 5 5 3 3", "casa 1 | pestana 1-6@3 | notas 4@5 3@5 | estados 111120"},
        {"1 3 4 2 x 1", "casa 1 | pestana 1-6@1 | notas 5@3 4@4 3@2 | estados 121110"},
        {"1 3 3 2 0 1", "casa 1 | pestana 4-5@3 | notas 6@1 3@2 1@1 | estados 111110"},
        // Beyond the fifth fret the window starts at the lowest fretted fret.
        {"8 10 10 9 8 8", "casa 8 | pestana 1-6@1 | notas 5@3 4@3 3@2 | estados 111110"},
        {"x x 0 7 7 5", "casa 5 | notas 3@3 2@3 1@1 | estados 111022"},
        {"12 14 14 13 12 12", "casa 12 | pestana 1-6@1 | notas 5@3 4@3 3@2 | estados 111110"},
        {"0 0 0 0 0 0", "casa 1 | estados 111110"},
        {"x x x x x x", "casa 1 | estados 222222"},
    };
    esperarPressionadas(casos);
}

TEST(DigitacaoDeTrastes, RefusesWhatTheHandCannotPress) {
    const char* casos[] = {
        "x 1 2 3 4 5",        // five fretted strings, each on its own fret
        "1 3 4 2 0 1",        // the barre that would hold it crosses the open B string
        "x 1 6 x x x",        // the highest fret is six frets from the start fret
        "x 8 x x x 3",        // the same beyond the fifth fret
        "13 17 17 16 13 13",  // fret 17: past the last row of start fret 12
        "x 13 18 x x x",      // six frets apart, high on the neck
    };
    for (const char* texto : casos) {
        const auto trastes = lerTrastes(texto);
        ASSERT_TRUE(trastes) << texto;
        EXPECT_FALSE(digitacaoDeTrastes(*trastes)) << texto;
    }
}

// The same hand anywhere on the neck: start fret 12 is the last, and its five rows reach
// fret 16.
TEST(DigitacaoDeTrastes, AShapeMovedUpTheNeckIsPressedTheSameWay) {
    const Pressionada casos[] = {
        {"x 2 1 2 2 1", "casa 1 | pestana 1-4@1 | notas 5@2 3@2 2@2 | estados 111102"},
        {"x 9 8 9 9 8", "casa 8 | pestana 1-4@1 | notas 5@2 3@2 2@2 | estados 111102"},
        {"x 13 12 13 13 12", "casa 12 | pestana 1-4@1 | notas 5@2 3@2 2@2 | estados 111102"},
        {"x 14 13 14 14 13", "casa 12 | pestana 1-4@2 | notas 5@3 3@3 2@3 | estados 111102"},
        {"x 16 15 16 16 15", "casa 12 | pestana 1-4@4 | notas 5@5 3@5 2@5 | estados 111102"},
        {"13 15 15 14 13 13", "casa 12 | pestana 1-6@2 | notas 5@4 4@4 3@3 | estados 111110"},
        {"x 15 x 14 16 x", "casa 12 | notas 5@4 3@3 2@5 | estados 211202"},
        {"0 14 16 16 x 0", "casa 12 | notas 5@3 4@5 3@5 | estados 121110"},
        {"x x x 16 16 16", "casa 12 | notas 3@5 2@5 1@5 | estados 110222"},
    };
    esperarPressionadas(casos);
}

// Fewest barres a hand needs for these frets, trying every pair of barres (any fret the shape
// presses, any run of adjacent strings pressed there or higher or not struck) with a finger
// for each fretted string left sounding lower than asked; nothing when every way takes more
// than four elements or the frets do not fit the five-fret window.
std::optional<int> menosPestanas(const TrastesAbsolutos& t) {
    int menor = 99, maior = 0;
    for (int f : t)
        if (f > 0) menor = std::min(menor, f), maior = std::max(maior, f);
    if (maior > 5 && maior - std::min(menor, 12) >= 5) return std::nullopt;
    // A barre over t[de..ate]; the empty one stands for "no barre".
    struct Barra {
        int traste, de, ate;
    };
    std::vector<Barra> barras{{0, 0, -1}};
    for (int f : t)
        for (int de = 0; de < kCordas && f > 0; ++de)
            for (int ate = de; ate < kCordas && (t[ate] >= f || t[ate] < 0); ++ate)
                if (ate > de) barras.push_back({f, de, ate});
    std::optional<int> melhor;
    for (std::size_t i = 0; i < barras.size(); ++i)
        for (std::size_t j = i; j < barras.size(); ++j) {
            const Barra& a = barras[i];
            const Barra& b = barras[j];
            const int pestanas = (a.ate >= 0) + (b.ate >= 0);
            int total = pestanas;
            for (int k = 0; k < kCordas; ++k) {
                int soa = 0;
                for (const Barra& x : {a, b})
                    if (k >= x.de && k <= x.ate) soa = std::max(soa, x.traste);
                total += t[k] > 0 && soa != t[k];
            }
            if (total <= kMaxElementosDigitacao) melhor = std::min(melhor.value_or(9), pestanas);
        }
    return melhor;
}

// Every guitar position of an independent chord book: what a hand can hold is pressed with no
// more barres than needed, at most four elements, and sounds as written; the rest is refused.
TEST(DigitacaoDeTrastes, AgreesWithAChordBook) {
    std::ifstream arquivo(std::filesystem::path(__FILE__).parent_path() /
                          "chords_db/guitar_positions.txt");
    ASSERT_TRUE(arquivo);
    int aceitas = 0, recusadas = 0;
    for (std::string linha; std::getline(arquivo, linha);) {
        if (linha.empty() || linha[0] == '#') continue;
        const auto trastes = lerTrastes(linha.substr(0, linha.find('|')));
        ASSERT_TRUE(trastes) << linha;
        const std::optional<int> esperado = menosPestanas(*trastes);
        const auto d = digitacaoDeTrastes(*trastes);
        ASSERT_EQ(d.has_value(), esperado.has_value()) << linha;
        if (!d) {
            ++recusadas;
            continue;
        }
        ++aceitas;
        EXPECT_EQ(trastesDe(*d), *trastes) << linha;
        EXPECT_EQ(contar(d->Pestanas), *esperado) << linha << ": " << descrever(*d);
        EXPECT_LE(contar(d->Notas) + contar(d->Pestanas), kMaxElementosDigitacao) << linha;
    }
    EXPECT_EQ(aceitas + recusadas, 1919);  // the positions chords-db holds
    RecordProperty("aceitas", aceitas);
    RecordProperty("recusadas", recusadas);
}

}  // namespace
}  // namespace trovale
