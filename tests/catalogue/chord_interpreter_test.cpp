#include "catalogue/chord_interpreter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/chord_symbol.h"
#include "support/type_fixture.h"

namespace trovale {
namespace {

using namespace trovale::testing;

struct Acorde {
    std::string palavra;
    std::string raiz, baixo, canonica;
    int tipo, tipoComBaixo;
    std::string chave;
    int variante;
};

void verificar(const Acorde& c) {
    SCOPED_TRACE(c.palavra);
    const InterpretacaoAcorde r = InterpretarAcorde(catalogoComum(), c.palavra);
    EXPECT_TRUE(r.ehAcorde);
    EXPECT_EQ(r.acorde.Raiz, c.raiz);
    EXPECT_EQ(r.acorde.Baixo, c.baixo);
    EXPECT_EQ(r.canonica, c.canonica);
    EXPECT_EQ(r.acorde.Tipo, c.tipo);
    EXPECT_EQ(r.acorde.TipoComBaixo, c.tipoComBaixo);
    EXPECT_EQ(r.chave, c.chave);
    EXPECT_EQ(r.variante, c.variante);
    EXPECT_EQ(r.acorde.IndiceAcorde, -1);  // registered later, by the text interpretation
}

TEST(InterpretarAcorde, ReadsChordWords) {
    const Acorde casos[] = {
        {"C", "C", "C", "", kMaior, kMaior, "Cf", 1},
        {"Cm", "C", "C", "m", kMenor, kMenor, "Cfm", 1},
        {"Cm7", "C", "C", "b7m", kMenorSetima, kMenorSetima, "Cfm7", 1},
        {"C7(9)", "C", "C", "add9b7", kSetimaNona, kSetimaNona, "Cf7(9)", 1},
        {"C7/9", "C", "C", "add9b7", kSetimaNona, kSetimaNona, "Cf7/9", 1},
        {"Dbm7", "Db", "Db", "b7m", kMenorSetima, kMenorSetima, "Dbm7", 1},
        {"F#m", "F#", "F#", "m", kMenor, kMenor, "Fsm", 1},
        {"C#m7/9", "C#", "C#", "add9b7m", kMenorSetimaNona, kMenorSetimaNona, "Csm7/9", 1},
        {"Cdim", "C", "C", "o7", kDiminuto, kDiminuto, "Cfdim", 1},
        {"Co", "C", "C", "o7", kDiminuto, kDiminuto, "Cfo", 1},
        {"C\xBA", "C", "C", "o7", kDiminuto, kDiminuto, "Cf\xBA", 1},
        {"Bm7(b5)", "B", "B", "b7b5m", kMeioDiminuto, kMeioDiminuto, "Bfm7(b5)", 1},
        {"C7(b9)", "C", "C", "b9b7", kSetimaNonaMenor, kSetimaNonaMenor, "Cf7(b9)", 1},
        {"Cmaj7", "C", "C", "7M", kSetimaMaior, kSetimaMaior, "Cfmaj7", 1},
        {"Am(7M)", "A", "A", "7Mm", kMenorSetimaMaior, kMenorSetimaMaior, "Afm(7M)", 1},
        {"E7/4", "E", "E", "sus4b7", kSetimaSus4, kSetimaSus4, "Ef7/4", 1},
        {"A6/9", "A", "A", "add96", kSextaNona, kSextaNona, "Af6/9", 1},
        {"Eb5+", "Eb", "Eb", "#5", kAumentado, kAumentado, "Eb5+", 1},
        // Not written as any standard symbol: found by the intervals they imply.
        {"C13(9)", "C", "C", "add913", kSextaNona, kSextaNona, "Cf13(9)", 1},
        {"C(b13)", "C", "C", "b13", kAumentado, kAumentado, "Cf(b13)", 1},
        {"Csus2sus4", "C", "C", "sus2sus4", kSus4, kSus4, "Cfsus2sus4", 1},
        // A symbol with no catalogued type is still a chord.
        {"C7(11)", "C", "C", "11b7", 0, 0, "Cf7(11)", 1},
        {"C7(11)/E", "C", "E", "11b7", 0, 0, "Cf7(11)/E", 1},
    };
    for (const Acorde& c : casos) verificar(c);
}

TEST(InterpretarAcorde, BassAndVariantMark) {
    const Acorde casos[] = {
        {"C/E", "C", "E", "", kMaior, kMaior, "Cf/E", 1},  // E is the chord's third
        {"D/F#", "D", "F#", "", kMaior, kMaior, "Df/F#", 1},
        {"C/Bb", "C", "Bb", "", kMaior, kSetima, "Cf/Bb", 1},
        {"C\\Bb", "C", "Bb", "", kMaior, kSetima, "Cf\\Bb", 1},
        {"C/A", "C", "A", "", kMaior, kSexta, "Cf/A", 1},
        {"C/F", "C", "F", "", kMaior, 0, "Cf/F", 1},
        {"Am/G", "A", "G", "m", kMenor, kMenorSetima, "Afm/G", 1},
        {"G7/F", "G", "F", "b7", kSetima, kSetima, "Gf7/F", 1},
        {"Bb7(#11)/Ab", "Bb", "Ab", "#11b7", kSetimaDecimaPrimeiraAumentada,
         kSetimaDecimaPrimeiraAumentada, "Bb7(#11)/Ab", 1},
        {"G7", "G", "G", "b7", kSetima, kSetima, "Gf7", 1},
        {"G7*", "G", "G*", "b7", kSetima, kSetima, "Gf7*", 2},
        {"G7*a", "G", "G*a", "b7", kSetima, kSetima, "Gf7*a", 1},
        {"G7*b", "G", "G*b", "b7", kSetima, kSetima, "Gf7*b", 2},
        {"G7*c", "G", "G*c", "b7", kSetima, kSetima, "Gf7*c", 3},
        {"Em/D*b", "E", "D*b", "m", kMenor, kMenorSetima, "Efm/D*b", 2},
        {"C/Bb*xyz", "C", "Bb*xy", "", kMaior, kSetima, "Cf/Bb*xyz", 24},  // Baixo holds 5
    };
    for (const Acorde& c : casos) verificar(c);
}

// Cb, Fb, E# and B# are the notes a musician means by them, kept as written.
TEST(InterpretarAcorde, ReadsCbFbEsharpBsharpAsRootOrBass) {
    const Acorde casos[] = {
        {"Cb7M", "Cb", "Cb", "7M", kSetimaMaior, kSetimaMaior, "Cb7M", 1},
        {"E#m7", "E#", "E#", "b7m", kMenorSetima, kMenorSetima, "Esm7", 1},
        {"Fb", "Fb", "Fb", "", kMaior, kMaior, "Fb", 1},
        {"B#m", "B#", "B#", "m", kMenor, kMenor, "Bsm", 1},
        {"G#/B#", "G#", "B#", "", kMaior, kMaior, "Gs/B#", 1},
        {"Abm/Cb", "Ab", "Cb", "m", kMenor, kMenor, "Abm/Cb", 1},
        {"C/Fb", "C", "Fb", "", kMaior, kMaior, "Cf/Fb", 1},
        {"E#m/D#*b", "E#", "D#*b", "m", kMenor, kMenorSetima, "Esm/D#*b", 2},
    };
    for (const Acorde& c : casos) verificar(c);
}

TEST(InterpretarAcorde, RefusesWordsThatAreNoChord) {
    const char* palavras[] = {
        "",      "7",    "c",      "H7",   "Cx",  "Caug", "C7m", "C9m", "C/C",    "C/C*b",
        "Db/C#", "B/Cb", "E#/F*b", "Fb/E", "Cbb", "C/Em", "C\\", "A#b", "Am7/9x", "Hb",
    };
    const CatalogoTipos& tipos = catalogoComum();
    for (const char* palavra : palavras)
        EXPECT_FALSE(InterpretarAcorde(tipos, palavra).ehAcorde) << palavra;
}

TEST(InterpretarAcorde, KeepsTheSymbolAsWrittenInElements) {
    const CatalogoTipos& tipos = catalogoComum();
    const ElementosCifra menorSetimaNona = {{{"m", ""}, {}, {">7", "<9"}, {}}};
    EXPECT_EQ(InterpretarAcorde(tipos, "C#m7/9*b").acorde.Elementos, menorSetimaNona);
    const ElementosCifra setimaNona = {{{}, {}, {"7", ""}, {"9", ""}}};
    EXPECT_EQ(InterpretarAcorde(tipos, "C7(9)/E").acorde.Elementos, setimaNona);
    EXPECT_EQ(InterpretarAcorde(tipos, "C7(11)").acorde.Elementos,
              (ElementosCifra{{{}, {}, {"7", ""}, {"11", ""}}}));
}

TEST(InterpretarAcorde, PlainRootTakesTheHighestTypeWithEmptySymbol) {
    const CatalogoTipos tipos = montarCatalogo({
        {1, "Maior", "3 5", ""},
        {55, "Maior aberto", "3 5", ""},
    });
    EXPECT_EQ(InterpretarAcorde(tipos, "C").acorde.Tipo, 55);
    EXPECT_EQ(InterpretarAcorde(tipos, "C/E").acorde.TipoComBaixo, 55);
}

TEST(ChaveDeOrdenacao, MarksTheAccidentalAfterTheRootLetter) {
    struct Caso {
        std::string palavra, chave;
    };
    const Caso casos[] = {
        {"C7(9)", "Cf7(9)"}, {"Dbm7", "Dbm7"}, {"F#m", "Fsm"}, {"C", "Cf"},
        {"Cs", "Cfs"},       {"Cf", "Cff"},    {"", ""},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(chaveDeOrdenacao(c.palavra), c.chave) << c.palavra;
        EXPECT_EQ(chaveParaExibicao(c.chave), c.palavra) << c.chave;
    }
}

TEST(ChaveDeOrdenacao, SortsFlatsNaturalsSharpsOfEachLetter) {
    std::vector<std::string> chaves;
    for (const char* palavra : {"D#", "C", "Db", "D", "C#m", "Bb7", "B"})
        chaves.push_back(chaveDeOrdenacao(palavra));
    std::sort(chaves.begin(), chaves.end());
    std::vector<std::string> exibidas;
    for (const std::string& chave : chaves) exibidas.push_back(chaveParaExibicao(chave));
    EXPECT_EQ(exibidas, (std::vector<std::string>{"Bb7", "B", "C", "C#m", "Db", "D", "D#"}));
}

TEST(InterpretarAcorde, HostileInputIsHandledSafely) {
    struct Caso {
        std::string palavra;
        bool ehAcorde;
    };
    const Caso casos[] = {
        {"", false},
        {"/", false},
        {"(((", false},
        {"C(((", false},
        {"C/", true},  // a lone separator says nothing
        {"C)", true},
        {"C*", true},
        {"C/*", true},
        {"C//E", true},
        {"C\\", false},
        {"\xFF", false},
        {"C\xFF", false},
        {"C/\xFF", false},
        {"C*\xFF", true},
        {"C\x80\xBA\xB0", false},
        {"C" + std::string(1000, 'x'), false},
        {"C" + std::string(1000, '('), false},
        {"C" + std::string(1000, '/'), true},
        {"C" + std::string(1000, '*'), true},
        {"C" + std::string(300, '7'), false},
        {"Cm" + std::string(300, 'm'), false},
    };
    const CatalogoTipos& tipos = catalogoComum();
    for (const Caso& c : casos)
        EXPECT_EQ(InterpretarAcorde(tipos, c.palavra).ehAcorde, c.ehAcorde) << c.palavra.size();
}

// Every short word over an alphabet of troublesome characters: nothing crashes and every
// accepted word yields a consistent record.
TEST(InterpretarAcorde, EveryShortWordGivesAConsistentRecord) {
    const std::string alfabeto =
        "CEb#/\\*()m79\xBA"
        "a";
    const CatalogoTipos& tipos = catalogoComum();
    std::vector<std::string> palavras = {""};
    for (int tamanho = 1; tamanho <= 4; ++tamanho) {
        std::vector<std::string> maiores;
        for (const std::string& p : palavras)
            if (p.size() == static_cast<std::size_t>(tamanho - 1))
                for (char c : alfabeto) maiores.push_back(p + c);
        palavras.insert(palavras.end(), maiores.begin(), maiores.end());
    }
    int acordes = 0;
    for (const std::string& palavra : palavras) {
        const InterpretacaoAcorde r = InterpretarAcorde(tipos, palavra);
        if (!r.ehAcorde) continue;
        ++acordes;
        SCOPED_TRACE(palavra);
        EXPECT_NE(ValorNota(r.acorde.Raiz), 0);
        EXPECT_NE(ValorNota(r.acorde.Baixo), 0);
        EXPECT_LE(r.acorde.Baixo.size(), 5u);
        EXPECT_TRUE(r.acorde.Tipo >= 0 && r.acorde.Tipo <= 100);
        EXPECT_TRUE(r.acorde.TipoComBaixo >= 0 && r.acorde.TipoComBaixo <= 100);
        if (r.acorde.Tipo == 0) {
            EXPECT_EQ(r.acorde.TipoComBaixo, 0);
        }
        EXPECT_TRUE(r.variante >= 1 && r.variante <= 26);
        EXPECT_EQ(chaveParaExibicao(r.chave), palavra);
        for (const auto& posicao : r.acorde.Elementos)
            for (const std::string& elemento : posicao) EXPECT_LE(elemento.size(), 5u);
    }
    EXPECT_GT(acordes, 100);
}

}  // namespace
}  // namespace trovale
