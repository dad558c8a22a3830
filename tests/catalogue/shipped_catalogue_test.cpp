// The catalogue delivered with the program, as the build leaves it beside the executables.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/chord_interpreter.h"
#include "catalogue/chord_symbol.h"
#include "catalogue/fingering_choice.h"
#include "catalogue/fingering_file.h"
#include "catalogue/fingering_from_frets.h"
#include "catalogue/fingering_match.h"
#include "catalogue/frets_notation.h"
#include "catalogue/intervals.h"
#include "catalogue/notes.h"
#include "catalogue/symbol_elements.h"
#include "catalogue/type_file.h"
#include "fingering/fingering_validation.h"

namespace trovale {
namespace {

#ifdef TROVALE_SHIPPED_CATALOGUE_DIR
const std::filesystem::path kPasta = TROVALE_SHIPPED_CATALOGUE_DIR;
#endif

std::string lerBytes(const std::filesystem::path& caminho) {
    std::ifstream entrada(caminho, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(entrada), {});
}

// Every spelling a root may be written with.
const std::vector<std::string> kRaizes = {"A",  "A#", "Bb", "B",  "C",  "C#", "Db", "D", "D#",
                                          "Eb", "E",  "F",  "F#", "Gb", "G",  "G#", "Ab"};

bool soaARaiz(const TDigitacao& d, int raiz) {
    const std::vector<int> notas = notasSoantes(d);
    return std::find(notas.begin(), notas.end(), raiz) != notas.end();
}

// A fingering of the chord over that bass that sounds the root and any hand holds: every
// string from the bass one to the high E struck, a finger for each fretted string, four frets
// at most, and open strings only near the nut or in the bass. Searched fret by fret.
std::optional<TrastesAbsolutos> comARaizSobreOBaixo(const Catalogo& catalogo, int raiz, int tipo,
                                                    int baixo) {
    std::set<int> notas{raiz};
    for (std::uint8_t codigo : catalogo.tipos.tipo(tipo).Intervalos)
        if (codigo != 0) notas.insert(reduzirNota(raiz + TabelaIntervalos[codigo].semitons));
    const auto serve = [&](const TrastesAbsolutos& t) {
        int dedos = 0, maior = 0;
        for (int f : t) {
            dedos += f > 0;
            maior = std::max(maior, f);
        }
        bool abertaLonge = false;
        for (int i = 1; i < kCordas; ++i)
            abertaLonge = abertaLonge || (t[i] == 0 && t[i - 1] >= 0 && maior >= 5);
        if (dedos > 4 || abertaLonge) return false;
        auto d = digitacaoDeTrastes(t);
        if (!d) return false;
        d->Nota = raiz;
        d->Tipo = tipo;
        return extensaoDeTrastes(*d) <= 4 && notaDoBaixo(*d) == baixo && soaARaiz(*d, raiz) &&
               validateFingering(*d).valid &&
               TestarDigitacao(raiz, catalogo.tipos.tipo(tipo), notasSoantes(*d)).casou;
    };
    for (int cordaDoBaixo = kCordas; cordaDoBaixo >= 4; --cordaDoBaixo) {
        for (int inicio = 1; inicio <= kMaxCasa; ++inicio) {
            TrastesAbsolutos t;
            t.fill(kCordaNaoTocada);
            const int primeiro = kCordas - cordaDoBaixo;
            // Each struck string: open or a fret of the window, sounding a chord note.
            const auto tentar = [&](auto& self, int i) -> bool {
                if (i == kCordas) return serve(t);
                for (int f = 0; f < inicio + 4; f = f == 0 ? inicio : f + 1) {
                    if (!notas.count(reduzirNota(NotaCordaSolta[kCordas - i] + f))) continue;
                    t[i] = f;
                    if (self(self, i + 1)) return true;
                }
                t[i] = kCordaNaoTocada;
                return false;
            };
            if (tentar(tentar, primeiro)) return t;
        }
    }
    return std::nullopt;
}

class ShippedCatalogue : public ::testing::Test {
  protected:
    void SetUp() override {
#ifndef TROVALE_SHIPPED_CATALOGUE_DIR
        GTEST_SKIP() << "the shipped catalogue is built only with the tools (not CORE_ONLY)";
#else
        bytesTipos = lerBytes(kPasta / "ACORDES.TIP");
        bytesDigitacoes = lerBytes(kPasta / "POSICOES.DIG");
        leitura = lerTipos(bytesTipos, catalogo.tipos);
        catalogo.tipos.CalcularEquivalentes();
        lerDigitacoes(bytesDigitacoes, catalogo.tipos, catalogo.digitacoes);
#endif
    }

    // Pitch classes of a type on a root, as semitones above it.
    std::set<int> semitons(int tipo) const {
        std::set<int> notas{0};
        for (std::uint8_t codigo : catalogo.tipos.tipo(tipo).Intervalos)
            if (codigo != 0) notas.insert(TabelaIntervalos[codigo].semitonsMod12);
        return notas;
    }

    std::string trastesNaPosicao(int posicao) const {
        return escreverTrastes(trastesDe(Decodificar(catalogo.digitacoes.Digitacoes[posicao - 1])));
    }

    std::string bytesTipos, bytesDigitacoes;
    LeituraTipos leitura;
    Catalogo catalogo;
};

TEST_F(ShippedCatalogue, HoldsTheBasicTypesAndWritesBackByteForByte) {
    EXPECT_FALSE(leitura.danificado);
    EXPECT_TRUE(leitura.duplicatas.empty());
    EXPECT_EQ(catalogo.tipos.NumTipos, kTiposBasicos);
    for (int t = 1; t <= kMaxTipos; ++t)
        EXPECT_EQ(catalogo.tipos.existe(t), t <= kTiposBasicos) << t;
    // The user's own types go under the last separator.
    ASSERT_FALSE(catalogo.tipos.OrdemTipos.empty());
    EXPECT_EQ(catalogo.tipos.OrdemTipos.back(), 0);
    EXPECT_EQ(catalogo.tipos.Legendas.back(), "-------- Acordes personalizados --------");
    EXPECT_EQ(catalogo.tipos.OrdemTipos.front(), 0);
    EXPECT_EQ(escreverTipos(catalogo.tipos), bytesTipos);
}

TEST_F(ShippedCatalogue, EveryFingeringLoadsAndCanBePlayed) {
    ASSERT_EQ(bytesDigitacoes.size() % kBytesDigitacaoGravada, 0u);
    const int registros = static_cast<int>(bytesDigitacoes.size() / kBytesDigitacaoGravada);
    EXPECT_LE(registros, kMaxDigitacoes);
    EXPECT_EQ(catalogo.digitacoes.DigitacoesRejeitadas, 0);
    ASSERT_EQ(catalogo.digitacoes.NumDigitacoes(), registros);
    for (int p = 1; p <= registros; ++p) {
        const TDigitacao d = Decodificar(catalogo.digitacoes.Digitacoes[p - 1]);
        const auto contar = [](const auto& elementos) {
            return std::count_if(elementos.begin(), elementos.end(),
                                 [](const auto& e) { return !e.vazia(); });
        };
        EXPECT_LE(contar(d.Notas) + contar(d.Pestanas), kMaxElementosDigitacao) << p;
        EXPECT_TRUE(TestarDigitacao(d.Nota, catalogo.tipos.tipo(d.Tipo), notasSoantes(d)).casou)
            << p;
        const FingeringCheck validacao = validateFingering(d);
        EXPECT_TRUE(validacao.valid) << p << ": " << validacao.message;
        // Stored as a player presses it: the frets give back the very same record.
        auto prensada = digitacaoDeTrastes(trastesDe(d));
        ASSERT_TRUE(prensada) << p;
        prensada->Nota = d.Nota;
        prensada->Tipo = d.Tipo;
        EXPECT_EQ(Codificar(*prensada), catalogo.digitacoes.Digitacoes[p - 1]) << p;
    }
}

TEST_F(ShippedCatalogue, EveryChordHasOneRunWithAFourFretFingering) {
    for (int tipo = 1; tipo <= kTiposBasicos; ++tipo) {
        for (int nota = 1; nota <= kNotasPorOitava; ++nota) {
            const int inicio = catalogo.digitacoes.PrimeiraDigitacao(nota, tipo);
            ASSERT_NE(inicio, 0) << GrafiaNota(nota, false) << " type " << tipo;
            const int tamanho = catalogo.digitacoes.tamanhoDaSequencia(inicio);
            const auto& lista = catalogo.digitacoes.Digitacoes;
            const auto doAcorde = [&](const TDigitacaoGravada& g) {
                return notaGravada(g) == nota && tipoGravado(g) == tipo;
            };
            EXPECT_EQ(std::count_if(lista.begin(), lista.end(), doAcorde), tamanho)
                << GrafiaNota(nota, false) << " type " << tipo << " is split";
            bool cabe = false;
            for (int p = inicio; p < inicio + tamanho; ++p)
                cabe = cabe || extensaoDeTrastes(Decodificar(lista[p - 1])) <= 4;
            EXPECT_TRUE(cabe) << GrafiaNota(nota, false) << " type " << tipo;
            // Root position comes first.
            EXPECT_EQ(notaDoBaixo(Decodificar(lista[inicio - 1])), nota)
                << GrafiaNota(nota, false) << " type " << tipo;
        }
    }
}

TEST_F(ShippedCatalogue, FirstFingeringsAreTheChordBookOnes) {
    const struct {
        const char* acorde;
        const char* nome;  // Windows-1252
        std::vector<std::string> trastes;
    } casos[] = {
        {"C", "Maior", {"x 3 2 0 1 0"}},
        {"D", "Maior", {"x x 0 2 3 2"}},
        {"E", "Maior", {"0 2 2 1 0 0"}},
        {"F", "Maior", {"1 3 3 2 1 1"}},
        {"G", "Maior", {"3 2 0 0 0 3", "3 2 0 0 3 3"}},
        {"A", "Maior", {"x 0 2 2 2 0"}},
        {"B", "Maior", {"x 2 4 4 4 2"}},
        {"Am", "Menor", {"x 0 2 2 1 0"}},
        {"Dm", "Menor", {"x x 0 2 3 1"}},
        {"Em", "Menor", {"0 2 2 0 0 0"}},
        {"Bm", "Menor", {"x 2 4 4 3 2"}},
        {"Fm", "Menor", {"1 3 3 1 1 1"}},
        {"Cm", "Menor", {"x 3 5 5 4 3"}},
        {"Gm", "Menor", {"3 5 5 3 3 3"}},
        {"C7", "Maior com 7\xAA", {"x 3 2 3 1 0"}},
        {"D7", "Maior com 7\xAA", {"x x 0 2 1 2"}},
        {"E7", "Maior com 7\xAA", {"0 2 0 1 0 0"}},
        {"G7", "Maior com 7\xAA", {"3 2 0 0 0 1"}},
        {"A7", "Maior com 7\xAA", {"x 0 2 0 2 0"}},
        {"B7", "Maior com 7\xAA", {"x 2 1 2 0 2"}},
        {"Am7", "Menor com 7\xAA", {"x 0 2 0 1 0"}},
        {"C7M", "Maior com 7\xAA maior", {"x 3 2 0 0 0"}},
    };
    for (const auto& c : casos) {
        const InterpretacaoAcorde i = InterpretarAcorde(catalogo.tipos, c.acorde);
        ASSERT_TRUE(i.ehAcorde) << c.acorde;
        EXPECT_EQ(catalogo.tipos.tipo(i.acorde.Tipo).Nome, c.nome) << c.acorde;
        const int raiz = ValorNota(i.acorde.Raiz);
        const int primeira = catalogo.digitacoes.PrimeiraDigitacao(raiz, i.acorde.Tipo);
        ASSERT_NE(primeira, 0) << c.acorde;
        const std::string trastes = trastesNaPosicao(primeira);
        EXPECT_NE(std::find(c.trastes.begin(), c.trastes.end(), trastes), c.trastes.end())
            << c.acorde << " starts with " << trastes;
        // A chord written without bass or mark gets that same fingering.
        EXPECT_EQ(EscolherDigitacao(catalogo, raiz, raiz, i.acorde.TipoComBaixo, 1, 4), primeira)
            << c.acorde;
    }
}

TEST_F(ShippedCatalogue, SlashChordsFindTheChordBookDiagram) {
    const struct {
        const char* acorde;
        const char* trastes;
    } casos[] = {
        {"C/E", "0 3 2 0 1 0"},   {"C/G", "3 3 2 0 1 0"},   {"G/B", "x 2 0 0 0 3"},
        {"D/F#", "2 x 0 2 3 2"},  {"D/A", "x 0 0 2 3 2"},   {"Am/G", "3 x 2 2 1 0"},
        {"Am/E", "0 0 2 2 1 0"},  {"Em/G", "3 x 2 0 0 0"},  {"G7/B", "x 2 0 0 0 1"},
        {"C7/E", "0 3 2 3 1 0"},  {"D7/F#", "2 x 0 2 1 2"}, {"Dm/C", "x 3 0 2 1 1"},
        {"Dm7/C", "x 3 0 2 1 1"}, {"Bm/A", "x 0 4 4 3 2"},  {"Bm7/A", "x 0 4 4 3 2"},
        {"C/B", "x 2 2 0 1 0"},   {"G/F#", "2 x 0 0 0 3"},  {"G/F", "1 x 0 0 0 1"},
        {"A/G", "3 x 2 2 2 0"},
    };
    for (const auto& c : casos) {
        const InterpretacaoAcorde i = InterpretarAcorde(catalogo.tipos, c.acorde);
        ASSERT_TRUE(i.ehAcorde) << c.acorde;
        const int p = EscolherDigitacao(catalogo, ValorNota(i.acorde.Raiz),
                                        ValorNota(i.acorde.Baixo), i.acorde.TipoComBaixo, 1, 4);
        ASSERT_NE(p, 0) << c.acorde;
        EXPECT_EQ(trastesNaPosicao(p), c.trastes) << c.acorde;
    }
}

// Voicings every chord book prints beside the first one.
TEST_F(ShippedCatalogue, HoldsTheChordBookVoicingsBesideTheFirst) {
    const struct {
        const char* acorde;
        const char* trastes;
    } casos[] = {
        {"Bm7", "x 2 4 2 3 2"},      {"Bm7", "x 2 0 2 0 2"},     {"Em7", "0 2 2 0 3 0"},
        {"Em7", "0 2 0 0 3 0"},      {"F7M", "1 x 2 2 1 x"},     {"Gsus4", "3 3 0 0 1 3"},
        {"G7(4)", "3 3 0 0 1 1"},    {"B7(4)", "x 2 4 2 5 2"},   {"C7(4)", "x 3 5 3 6 3"},
        {"F#m7(b5)", "2 x 2 2 1 x"}, {"Em7(b5)", "0 1 2 0 3 0"}, {"C7(9)", "x 3 2 3 3 x"},
        {"E7(9)", "0 2 0 1 0 2"},
    };
    for (const auto& c : casos) {
        const InterpretacaoAcorde i = InterpretarAcorde(catalogo.tipos, c.acorde);
        ASSERT_TRUE(i.ehAcorde) << c.acorde;
        const int raiz = ValorNota(i.acorde.Raiz);
        const int inicio = catalogo.digitacoes.PrimeiraDigitacao(raiz, i.acorde.TipoComBaixo);
        ASSERT_NE(inicio, 0) << c.acorde;
        // Reached the way a player asks for another fingering of the chord ("*2", "*3" ...).
        const int tamanho = catalogo.digitacoes.tamanhoDaSequencia(inicio);
        bool achou = false;
        for (int variante = 1; variante <= tamanho && !achou; ++variante) {
            const int p =
                EscolherDigitacao(catalogo, raiz, raiz, i.acorde.TipoComBaixo, variante, 4);
            achou = p != 0 && trastesNaPosicao(p) == c.trastes;
        }
        EXPECT_TRUE(achou) << c.acorde << " lacks " << c.trastes;
    }
}

// Within each chord, a fingering that leaves the root out never comes before one that sounds it.
TEST_F(ShippedCatalogue, FingeringsWithoutTheRootComeLast) {
    for (int tipo = 1; tipo <= kTiposBasicos; ++tipo) {
        for (int raiz = 1; raiz <= kNotasPorOitava; ++raiz) {
            const int inicio = catalogo.digitacoes.PrimeiraDigitacao(raiz, tipo);
            if (inicio == 0) continue;
            int semRaiz = 0;
            for (int p = inicio; p < inicio + catalogo.digitacoes.tamanhoDaSequencia(inicio); ++p) {
                const bool soa = soaARaiz(Decodificar(catalogo.digitacoes.Digitacoes[p - 1]), raiz);
                if (!soa && semRaiz == 0) semRaiz = p;
                EXPECT_TRUE(!soa || semRaiz == 0)
                    << GrafiaNota(raiz, false) << " type " << tipo << ": " << trastesNaPosicao(p)
                    << " comes after " << trastesNaPosicao(semRaiz);
            }
        }
    }
}

// Every root, type and bass the catalogue holds, in diagrams of four and of five frets: the
// fingering the program offers first sounds the root whenever one of that bass does, and one
// of that bass does whenever a hand can hold one.
TEST_F(ShippedCatalogue, TheFirstFingeringOfEveryChordSoundsItsRoot) {
    std::set<std::tuple<int, int, int>> acordes;
    for (const TDigitacaoGravada& g : catalogo.digitacoes.Digitacoes) {
        const int baixo = notaDoBaixo(Decodificar(g));
        if (baixo != 0) acordes.insert({notaGravada(g), tipoGravado(g), baixo});
    }
    ASSERT_FALSE(acordes.empty());
    for (const auto& [raiz, tipo, baixo] : acordes) {
        const int inicio = catalogo.digitacoes.PrimeiraDigitacao(raiz, tipo);
        const int fim = inicio + catalogo.digitacoes.tamanhoDaSequencia(inicio);
        const std::string acorde = GrafiaNota(raiz, false) + " type " + std::to_string(tipo) +
                                   " over " + GrafiaNota(baixo, false);
        for (int trastes : {4, 5}) {
            bool alguma = false;
            for (int p = inicio; p < fim; ++p) {
                const TDigitacao d = Decodificar(catalogo.digitacoes.Digitacoes[p - 1]);
                alguma = alguma || (extensaoDeTrastes(d) <= trastes && notaDoBaixo(d) == baixo &&
                                    soaARaiz(d, raiz));
            }
            if (!alguma) {
                const auto falta = comARaizSobreOBaixo(catalogo, raiz, tipo, baixo);
                EXPECT_FALSE(falta) << acorde << " could be " << escreverTrastes(*falta);
                continue;
            }
            const int p = EscolherDigitacao(catalogo, raiz, baixo, tipo, 1, trastes);
            ASSERT_NE(p, 0) << acorde;
            const TDigitacao d = Decodificar(catalogo.digitacoes.Digitacoes[p - 1]);
            EXPECT_TRUE(soaARaiz(d, raiz))
                << acorde << " in " << trastes << " frets gets " << trastesNaPosicao(p);
            EXPECT_EQ(notaDoBaixo(d), baixo) << acorde;
        }
    }
}

// For every root: major and minor over their third and fifth, the seventh chord over its
// third, fifth and seventh.
TEST_F(ShippedCatalogue, EverySlashChordOfTheCommonTypesHasAFourFretDiagram) {
    const struct {
        const char* simbolo;
        std::vector<int> baixos;  // semitones above the root
    } tipos[] = {{"", {4, 7}}, {"m", {3, 7}}, {"7", {4, 7, 10}}};
    for (int raiz = 1; raiz <= kNotasPorOitava; ++raiz) {
        for (const auto& t : tipos) {
            for (int semitons : t.baixos) {
                const int baixo = reduzirNota(raiz + semitons);
                const std::string acorde = GrafiaNota(raiz, false) + t.simbolo + "/" +
                                           GrafiaNota(baixo, semitons == 3 || semitons == 10);
                const InterpretacaoAcorde i = InterpretarAcorde(catalogo.tipos, acorde);
                ASSERT_TRUE(i.ehAcorde) << acorde;
                const int p = EscolherDigitacao(catalogo, raiz, baixo, i.acorde.TipoComBaixo, 1, 4);
                ASSERT_NE(p, 0) << acorde;
                const TDigitacao d = Decodificar(catalogo.digitacoes.Digitacoes[p - 1]);
                EXPECT_EQ(notaDoBaixo(d), baixo) << acorde;
                EXPECT_LE(extensaoDeTrastes(d), 4) << acorde;
            }
        }
    }
}

// Any chord note in the bass, except the three that data/CATALOGUE-NOTES.md lists.
TEST_F(ShippedCatalogue, EveryChordNoteInTheBassFindsADiagram) {
    const std::set<std::tuple<int, int, int>> excecoes = {
        {7, 42, 5}, {8, 42, 6}, {9, 42, 7}};  // Eb7(9/#11)/Db, E7(9/#11)/D, F7(9/#11)/Eb
    for (int tipo = 1; tipo <= kTiposBasicos; ++tipo) {
        for (int raiz = 1; raiz <= kNotasPorOitava; ++raiz) {
            for (std::uint8_t codigo : catalogo.tipos.tipo(tipo).Intervalos) {
                if (codigo == 0) break;
                const int baixo = reduzirNota(raiz + TabelaIntervalos[codigo].semitons);
                const bool achou = EscolherDigitacao(catalogo, raiz, baixo, tipo, 1, 4) != 0;
                EXPECT_EQ(achou, excecoes.count({raiz, tipo, baixo}) == 0)
                    << GrafiaNota(raiz, false) << " type " << tipo << " over "
                    << GrafiaNota(baixo, false);
            }
        }
    }
}

TEST_F(ShippedCatalogue, UnderstandsTheSymbolsMusiciansWrite) {
    const struct {
        const char* acorde;
        std::set<int> notas;
        const char* baixo;
    } casos[] = {
        {"C", {0, 4, 7}, "C"},
        {"Cm", {0, 3, 7}, "C"},
        {"C7", {0, 4, 7, 10}, "C"},
        {"Cm7", {0, 3, 7, 10}, "C"},
        {"C7M", {0, 4, 7, 11}, "C"},
        {"Cmaj7", {0, 4, 7, 11}, "C"},
        {"Cm(7M)", {0, 3, 7, 11}, "C"},
        {"C6", {0, 4, 7, 9}, "C"},
        {"Cm6", {0, 3, 7, 9}, "C"},
        {"C\xB0", {0, 3, 6, 9}, "C"},
        {"C\xBA", {0, 3, 6, 9}, "C"},
        {"Co", {0, 3, 6, 9}, "C"},
        {"Cdim", {0, 3, 6, 9}, "C"},
        {"Cm7(b5)", {0, 3, 6, 10}, "C"},
        {"C+", {0, 4, 8}, "C"},
        {"C(#5)", {0, 4, 8}, "C"},
        {"C5+", {0, 4, 8}, "C"},
        {"Csus4", {0, 5, 7}, "C"},
        {"C4", {0, 5, 7}, "C"},
        {"Csus2", {0, 2, 7}, "C"},
        {"C2", {0, 2, 7}, "C"},
        {"C7(4)", {0, 5, 7, 10}, "C"},
        {"C7sus4", {0, 5, 7, 10}, "C"},
        {"Cadd9", {0, 2, 4, 7}, "C"},
        {"C(9)", {0, 2, 4, 7}, "C"},
        {"Cm(9)", {0, 2, 3, 7}, "C"},
        {"Cm(add9)", {0, 2, 3, 7}, "C"},
        {"C7(9)", {0, 2, 4, 7, 10}, "C"},
        {"Cm7(9)", {0, 2, 3, 7, 10}, "C"},
        {"C7M(9)", {0, 2, 4, 7, 11}, "C"},
        {"C6(9)", {0, 2, 4, 7, 9}, "C"},
        {"Cm6(9)", {0, 2, 3, 7, 9}, "C"},
        {"C7(b9)", {0, 1, 4, 7, 10}, "C"},
        {"C7(#9)", {0, 3, 4, 7, 10}, "C"},
        {"C7(#11)", {0, 4, 6, 7, 10}, "C"},
        {"C7(13)", {0, 4, 7, 9, 10}, "C"},
        {"C7(b13)", {0, 4, 7, 8, 10}, "C"},
        {"Cm7(11)", {0, 3, 5, 7, 10}, "C"},
        {"C7(#5)", {0, 4, 8, 10}, "C"},
        {"C7(b5)", {0, 4, 6, 10}, "C"},
        {"C7M(#11)", {0, 4, 6, 7, 11}, "C"},
        {"C7M(#5)", {0, 4, 8, 11}, "C"},
        {"Cm(b6)", {0, 3, 7, 8}, "C"},
        {"C/E", {0, 4, 7}, "E"},
        {"C/G", {0, 4, 7}, "G"},
        {"C/Bb", {0, 4, 7, 10}, "Bb"},
        {"Am/G", {0, 3, 7, 10}, "G"},
    };
    for (const auto& c : casos) {
        const InterpretacaoAcorde i = InterpretarAcorde(catalogo.tipos, c.acorde);
        ASSERT_TRUE(i.ehAcorde) << c.acorde;
        ASSERT_NE(i.acorde.TipoComBaixo, 0) << c.acorde;
        EXPECT_EQ(semitons(i.acorde.TipoComBaixo), c.notas) << c.acorde;
        EXPECT_EQ(i.acorde.Baixo, c.baixo) << c.acorde;
    }
}

TEST_F(ShippedCatalogue, EveryTypeIsReadBackFromItsOwnSymbolsOnEveryRoot) {
    for (int t = 1; t <= kTiposBasicos; ++t) {
        const TTipoAcorde& tipo = catalogo.tipos.tipo(t);
        const std::string padrao = CifraLinearDe(tipo.CifraPadrao);
        const std::string opcional = CifraLinearDe(tipo.CifraOpcional);
        for (const std::string& raiz : kRaizes) {
            const InterpretacaoAcorde i = InterpretarAcorde(catalogo.tipos, raiz + padrao);
            EXPECT_TRUE(i.ehAcorde) << raiz + padrao;
            EXPECT_EQ(i.acorde.Tipo, t) << raiz + padrao;
            EXPECT_EQ(i.acorde.TipoComBaixo, t) << raiz + padrao;
            if (opcional.empty()) continue;
            const InterpretacaoAcorde o = InterpretarAcorde(catalogo.tipos, raiz + opcional);
            EXPECT_TRUE(o.ehAcorde) << raiz + opcional;
            ASSERT_NE(o.acorde.Tipo, 0) << raiz + opcional;
            EXPECT_EQ(semitons(o.acorde.Tipo), semitons(t)) << raiz + opcional;
        }
    }
}

}  // namespace
}  // namespace trovale
