#include "document/text_interpretation.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "catalogue/chord_symbol.h"
#include "catalogue/fingering_choice.h"
#include "catalogue/fingering_file.h"
#include "catalogue/type_file.h"
#include "document/interpretation_catalogue.h"
#include "document/text_conversion.h"

namespace trovale {
namespace {

using testing::catalogoDeInterpretacao;
using testing::trastesDaDigitacao;

struct Interpretado {
    InterpretacaoTexto resultado;
    AcordesConhecidos conhecidos;
};

Interpretado preparar(std::vector<std::string> linhas, int trastes = 4) {
    Interpretado i;
    i.resultado =
        PrepararLinhas(std::move(linhas), {catalogoDeInterpretacao(), trastes}, i.conhecidos);
    return i;
}

// The interpretation as the golden files write it: "kind A|- text" per line, "==", then
// "symbol type typeWithBass frets" per chord.
std::string descrever(const Interpretado& i) {
    std::ostringstream texto;
    const InterpretacaoTexto& r = i.resultado;
    for (std::size_t k = 0; k < r.linhas.size(); ++k)
        texto << r.TipoLinha[k] << (r.LinhaDeAcordes[k] ? " A " : " - ") << r.linhas[k] << '\n';
    texto << "==\n";
    for (const AcordeEncontrado& a : r.AcordesEncontrados) {
        const std::string& digitacao =
            i.conhecidos.tabela().Fingerings[static_cast<std::size_t>(a.acorde.IndiceAcorde)];
        texto << a.chave << ' ' << a.acorde.Tipo << ' ' << a.acorde.TipoComBaixo << ' '
              << trastesDaDigitacao(digitacao) << '\n';
    }
    return texto.str();
}

class GoldenInterpretation : public ::testing::TestWithParam<const char*> {};

TEST_P(GoldenInterpretation, MatchesThePinnedReading) {
    const auto pasta = testing::pastaGoldenTexto();
    const std::string nome = GetParam();
    const std::string texto = testing::lerArquivo(pasta / (nome + ".txt"));
    ASSERT_FALSE(texto.empty()) << nome;
    EXPECT_EQ(descrever(preparar(linhasDoTexto(texto))),
              testing::lerArquivo(pasta / (nome + ".interp")));
}

INSTANTIATE_TEST_SUITE_P(TextInterpretation, GoldenInterpretation,
                         ::testing::Values("markers", "title_chords", "thirty_chords", "a_casa",
                                           "chord_order"));

TEST(TextInterpretation, KindsOfTheFirstLines) {
    const struct {
        std::vector<std::string> linhas;
        std::vector<int> tipos;
    } casos[] = {
        {{"Titulo", "Autor", "letra"}, {-2, -1, 0}},
        {{"Titulo", "Am C", "letra"}, {-2, 0, 0}},
        {{"Titulo", "", "letra"}, {-2, -1, 0}},
        {{"", "Titulo?", "letra"}, {0, 0, 0}},
        {{"   ", "x"}, {0, 0}},
        {{"Sozinho"}, {-2}},
        {{"<T>", "<R>", "refrao", "mais refrao", "", "normal"}, {4, 4, 0, 0}},
        {{"<N>", "primeira", "segunda"}, {0, 0}},
        {{"Titulo", "<A>", "Autor", "ainda autor", "", "letra"}, {-2, -1, -1, 0, 0}},
        {{"<O>", "<C>", "coro", "<Z>", ""}, {5, 5, 0}},
        {{}, {}},
    };
    for (const auto& c : casos) {
        const Interpretado i = preparar(c.linhas);
        EXPECT_EQ(i.resultado.TipoLinha, c.tipos) << ::testing::PrintToString(c.linhas);
        EXPECT_EQ(i.resultado.linhas.size(), c.tipos.size());
    }
}

TEST(TextInterpretation, WordsAreSplitAtSingleBlanks) {
    const struct {
        std::string texto, palavra, resto;
    } casos[] = {
        {"Am G", "Am", "G"}, {"Am  G", "Am", " G"}, {"Am", "Am", ""},
        {"", "", ""},        {" G", "", "G"},       {"C/E\xBA x", "C/E\xBA", "x"},
    };
    for (const auto& c : casos) {
        std::string texto = c.texto;
        EXPECT_EQ(ProximaPalavra(texto), c.palavra) << c.texto;
        EXPECT_EQ(texto, c.resto) << c.texto;
    }
}

TEST(TextInterpretation, MarkersAreExactlyThreeCharacters) {
    const struct {
        const char* linha;
        bool marcador;
        int tipo;
    } casos[] = {
        {"<A>", true, -1}, {"<C>", true, 5},   {"<N>", true, 0},     {"<O>", true, 6},
        {"<R>", true, 4},  {"<T>", true, -2},  {"  <R>  ", true, 4}, {"<X>", false, 0},
        {"<r>", false, 0}, {"<RR>", false, 0}, {"< R>", false, 0},   {"<R", false, 0},
    };
    for (const auto& c : casos) {
        int tipo = 0;
        EXPECT_EQ(ehMarcador(c.linha, tipo), c.marcador) << c.linha;
        EXPECT_EQ(tipo, c.tipo) << c.linha;
    }
}

TEST(TextInterpretation, ReinterpretationKeepsTheUsersFingeringAndFreesUnusedChords) {
    const Catalogo& catalogo = catalogoDeInterpretacao();
    AcordesConhecidos conhecidos;
    PrepararLinhas({"T", "Am C", "la"}, {catalogo, 4}, conhecidos);
    ASSERT_EQ(conhecidos.tabela().Symbols, (std::vector<std::string>{"Afm", "Cf"}));
    EXPECT_EQ(conhecidos.tabela().TypeCodes, (std::vector<std::string>{"2", "1"}));
    EXPECT_EQ(trastesDaDigitacao(conhecidos.tabela().Fingerings[1]), "x 3 2 0 1 0");

    // The check window: the second C major.
    const std::string outra = textoDaDigitacao(catalogo, 2);
    conhecidos.escolherDigitacao(1, outra);
    PrepararLinhas({"T", "C Am", "la"}, {catalogo, 4}, conhecidos);
    EXPECT_EQ(conhecidos.tabela().Fingerings[1], outra);

    // C is gone: its entry is freed; G takes it.
    PrepararLinhas({"T", "Am", "la"}, {catalogo, 4}, conhecidos);
    EXPECT_EQ(conhecidos.tabela().Symbols, (std::vector<std::string>{"Afm", " "}));
    EXPECT_EQ(conhecidos.tabela().Fingerings[1], "0");
    const InterpretacaoTexto r = PrepararLinhas({"T", "Am G", "la"}, {catalogo, 4}, conhecidos);
    EXPECT_EQ(conhecidos.tabela().Symbols, (std::vector<std::string>{"Afm", "Gf"}));
    EXPECT_EQ(trastesDaDigitacao(conhecidos.tabela().Fingerings[1]), "3 2 0 0 0 3");
    ASSERT_EQ(r.NumAcordes(), 2);
    EXPECT_EQ(r.AcordesEncontrados[1].chave, "G");
    EXPECT_EQ(r.AcordesEncontrados[1].acorde.IndiceAcorde, 1);
}

TEST(TextInterpretation, ChordsWithoutAFingeringGetZero) {
    AcordesConhecidos conhecidos;
    const InterpretacaoTexto r =
        PrepararLinhas({"T", "C(b9) D C/A", "la"}, {catalogoDeInterpretacao(), 4}, conhecidos);
    ASSERT_EQ(r.NumAcordes(), 3);
    EXPECT_EQ(r.AcordesEncontrados[0].chave, "C(b9)");
    EXPECT_EQ(r.AcordesEncontrados[0].acorde.TipoComBaixo, 0);
    // No type; no fingering of D; no C major with A in the bass.
    EXPECT_EQ(conhecidos.tabela().Fingerings, (std::vector<std::string>{"0", "0", "0"}));
    EXPECT_EQ(conhecidos.tabela().TypeCodes[0], "0");
}

TEST(TextInterpretation, TheEditorsResultBecomesTheSongsKinds) {
    const Interpretado i = preparar(
        {"<T>", "Titulo", "Autor", "Am", "letra", "<R>", "refrao", "<C>", "coro", "<O>", "nota"});
    const EditorText texto = textoDoEditor(i.resultado, i.conhecidos);
    EXPECT_EQ(texto.lines, (std::vector<std::string>{"Titulo", "Autor", "Am", "letra", "refrao",
                                                     "coro", "nota"}));
    EXPECT_EQ(texto.chordLines,
              (std::vector<bool>{false, false, true, false, false, false, false}));
    EXPECT_EQ(texto.kinds,
              (std::vector<std::uint8_t>{kTitleLine, kAuthorLine, kLyricLine, kLyricLine,
                                         kRefrainLine, kChorusLine, kNotesLine}));
    EXPECT_EQ(texto.chords.Symbols, std::vector<std::string>{"Afm"});
}

#ifdef TROVALE_SHIPPED_CATALOGUE_DIR
Catalogo catalogoEntregue() {
    const std::filesystem::path pasta = TROVALE_SHIPPED_CATALOGUE_DIR;
    Catalogo c;
    lerTipos(testing::lerArquivo(pasta / "ACORDES.TIP"), c.tipos);
    c.tipos.CalcularEquivalentes();
    lerDigitacoes(testing::lerArquivo(pasta / "POSICOES.DIG"), c.tipos, c.digitacoes);
    return c;
}
#endif

// With the real catalogue: the bass of G/B and the second voicing asked by G*b.
TEST(TextInterpretation, ShippedCatalogueChoosesByBassAndVariant) {
#ifndef TROVALE_SHIPPED_CATALOGUE_DIR
    GTEST_SKIP() << "the shipped catalogue is built only with the tools (not CORE_ONLY)";
#else
    const Catalogo catalogo = catalogoEntregue();
    AcordesConhecidos conhecidos;
    const InterpretacaoTexto r =
        PrepararLinhas({"T", "G G/B G*b", "la"}, {catalogo, 5}, conhecidos);
    ASSERT_EQ(r.NumAcordes(), 3);
    std::vector<TDigitacao> escolhidas;
    for (const AcordeEncontrado& a : r.AcordesEncontrados) {
        const std::string& texto = conhecidos.tabela().Fingerings[a.acorde.IndiceAcorde];
        ASSERT_NE(texto, "0") << a.chave;
        TDigitacaoGravada g;
        std::istringstream(texto) >> g.W[0] >> g.W[1] >> g.W[2];
        escolhidas.push_back(Decodificar(g));
    }
    constexpr int kG = 11, kB = 3;
    EXPECT_EQ(r.AcordesEncontrados[0].chave, "G");
    EXPECT_EQ(notaDoBaixo(escolhidas[0]), kG);
    EXPECT_EQ(r.AcordesEncontrados[1].chave, "G*b");
    EXPECT_EQ(notaDoBaixo(escolhidas[1]), kG);
    EXPECT_NE(conhecidos.tabela().Fingerings[r.AcordesEncontrados[0].acorde.IndiceAcorde],
              conhecidos.tabela().Fingerings[r.AcordesEncontrados[1].acorde.IndiceAcorde]);
    EXPECT_EQ(r.AcordesEncontrados[2].chave, "G/B");
    EXPECT_EQ(notaDoBaixo(escolhidas[2]), kB);
#endif
}

}  // namespace
}  // namespace trovale
