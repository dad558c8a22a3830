#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

#include "catalogue/fingering.h"
#include "catalogue/frets_notation.h"
#include "command_fixture.h"

namespace trovale::testing {
namespace {

const std::filesystem::path kGolden =
    std::filesystem::path(__FILE__).parent_path().parent_path() / "document";

// A song with a title, a refrain marker, a chord without a catalogued fingering (G/B).
const std::string kTexto =
    linhasCrLf({"Can\xE7\xE3o do Sol", "<R>", "Am   C", "Sol de ver\xE3o", "G/B"});

using InterpretCommand = ComandoComCatalogo;

// The fingering words of the answer, as frets; the words themselves replaced by "F".
std::vector<std::string> trocarDigitacoes(std::string& json) {
    static const std::regex palavras(R"re("fingering":"(\d+) (\d+) (\d+)")re");
    std::vector<std::string> trastes;
    for (std::sregex_iterator i(json.begin(), json.end(), palavras), fim; i != fim; ++i) {
        TDigitacaoGravada g;
        for (int w = 0; w < 3; ++w) g.W[w] = static_cast<std::uint16_t>(std::stoi((*i)[w + 1]));
        trastes.push_back(escreverTrastes(trastesDe(Decodificar(g))));
    }
    json = std::regex_replace(json, palavras, R"("fingering":"F")");
    return trastes;
}

TEST_F(InterpretCommand, JsonListsLinesAndChordsAfterTheEditorsConfirm) {
    // The same song as Windows-1252 bytes and as UTF-8: the same answer.
    for (const std::string& bytes :
         {kTexto, linhasCrLf({"Can\xC3\xA7\xC3\xA3o do Sol", "<R>", "Am   C", "Sol de ver\xC3\xA3o",
                              "G/B"})}) {
        const auto arquivo = pasta.gravar("sol.txt", bytes);
        ResultadoCli r = executar({"interpret", "--json", arquivo.string()});
        ASSERT_EQ(r.status, 0) << r.erros;
        EXPECT_EQ(trocarDigitacoes(r.saida),
                  (std::vector<std::string>{"x 0 2 2 1 0", "x 3 2 0 1 0"}));
        EXPECT_EQ(r.saida,
                  R"j({"lines":[{"kind":-2,"chordLine":false,"text":"Canção do Sol"},)j"
                  R"j({"kind":4,"chordLine":true,"text":"Am   C"},)j"
                  R"j({"kind":4,"chordLine":false,"text":"Sol de verão"},)j"
                  R"j({"kind":4,"chordLine":true,"text":"G/B"}],)j"
                  R"j("chords":[{"symbol":"Am","type":2,"typeWithBass":2,"fingering":"F"},)j"
                  R"j({"symbol":"C","type":1,"typeWithBass":1,"fingering":"F"},)j"
                  R"j({"symbol":"G/B","type":1,"typeWithBass":1,"fingering":"0"}]})j"
                  "\n");
    }
}

TEST_F(InterpretCommand, PlainOutputNamesKindsAndShowsFrets) {
    const auto arquivo = pasta.gravar("sol.txt", kTexto);
    const ResultadoCli r = executar({"interpret", arquivo.string()});
    ASSERT_EQ(r.status, 0) << r.erros;
    EXPECT_EQ(r.saida,
              "Título   Canção do Sol\n"
              "Cifras   Am   C\n"
              "Refrão   Sol de verão\n"
              "Cifras   G/B\n"
              "\n"
              "Cifra  Tipo  Com baixo  Digitação\n"
              "Am        2          2  x 0 2 2 1 0\n"
              "C         1          1  x 3 2 0 1 0\n"
              "G/B       1          1  -\n");
}

// Every text comes in as the text editor takes it: encodings, line ends, tabs, length.
TEST_F(InterpretCommand, ReadsTheTextAsTheEditorImportsIt) {
    std::string longo, longoLido;
    for (int i = 1; i <= 3001; ++i) {
        longo += "linha " + std::to_string(i) + "\n";
        if (i <= 3000)
            longoLido += (i == 1   ? "Título   "
                          : i == 2 ? "Autor    "
                                   : "Normal   ") +
                         ("linha " + std::to_string(i)) + "\n";
    }
    const struct {
        std::string bytes;
        std::string saida;
        std::string aviso;  // after the file's name
    } casos[] = {
        // Chords aligned with tabs over their syllables are a chord line.
        {"Vem\n\tC\tG\n\tVem c\xC3\xA1\n",
         "Título   Vem\n"
         "Cifras           C       G\n"
         "Normal           Vem cá\n"
         "\n"
         "Cifra  Tipo  Com baixo  Digitação\n"
         "C         1          1  x 3 2 0 1 0\n"
         "G         1          1  3 2 0 0 0 3\n",
         ""},
        {"Can\xE7\xE3o\rAm\rSol de ver\xE3o\r",
         "Título   Canção\n"
         "Cifras   Am\n"
         "Normal   Sol de verão\n"
         "\n"
         "Cifra  Tipo  Com baixo  Digitação\n"
         "Am        2          2  x 0 2 2 1 0\n",
         ""},
        {"\xEF\xBB\xBF"
         "Can\xC3\xA7\xC3\xA3o\r\n",
         "Título   Canção\n", ""},
        {"\xE6\x97\xA5 \xE2\x99\xAA Sol\r\n\xF0\x9F\x8E\xB8\x01"
         "fim\r\n",
         "Título   ? ? Sol\n"
         "Autor    ? fim\n",
         "Atenção: 3 caracteres sem equivalente foram substituídos por \"?\"."},
        {longo, longoLido, "Atenção: arquivo muito longo. Conteúdo truncado na linha 3000."},
    };
    for (const auto& c : casos) {
        const auto arquivo = pasta.gravar("texto.txt", c.bytes);
        const ResultadoCli r = executar({"interpret", arquivo.string()});
        EXPECT_EQ(r.status, 0) << r.erros;
        EXPECT_EQ(r.saida, c.saida);
        EXPECT_EQ(r.erros, c.aviso.empty() ? "" : arquivo.string() + ": " + c.aviso + "\n");
    }
}

TEST_F(InterpretCommand, AMissingFileIsRefused) {
    const std::string nada = (pasta.caminho() / "nada.txt").string();
    const ResultadoCli r = executar({"interpret", nada});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.erros, nada + ": Arquivo/caminho impróprio ou dispositivo inválido/defeituoso.\n");
    EXPECT_EQ(r.saida, "");
}

// Text to song file and back: the text comes back without its marker.
TEST_F(InterpretCommand, ConvertTextToSongAndBack) {
    const auto texto = pasta.gravar("sol.txt", kTexto);
    const auto cancao = pasta.caminho() / "sol.dec";
    const auto volta = pasta.caminho() / "volta.txt";
    ResultadoCli r = executar({"convert", texto.string(), cancao.string()});
    ASSERT_EQ(r.status, 0) << r.erros;
    r = executar({"convert", cancao.string(), volta.string()});
    ASSERT_EQ(r.status, 0) << r.erros;
    EXPECT_EQ(lerBytes(volta),
              linhasCrLf({"Can\xE7\xE3o do Sol", "Am   C", "Sol de ver\xE3o", "G/B"}));
    // The refrain lives on in the song file, which only version 02.00 holds.
    EXPECT_EQ(lerBytes(cancao).substr(0, 13), "Trovak2 02.00");
}

TEST_F(InterpretCommand, ConvertSongToTextMatchesTheGoldenExport) {
    const auto saida = pasta.caminho() / "asa.txt";
    const ResultadoCli r =
        executar({"convert", (kGolden / "golden" / "asa_branca_v1.dec").string(), saida.string()});
    ASSERT_EQ(r.status, 0) << r.erros;
    EXPECT_EQ(lerBytes(saida), lerBytes(kGolden / "golden_text" / "asa_branca_v1.txt"));
}

// Chords that no longer fit side by side widen the lyric under them instead of stopping
// the export; the text reads back with each chord on its character.
TEST_F(InterpretCommand, ConvertWidensTheLyricWhereChordsCrowd) {
    std::string bytes = lerBytes(kGolden / "golden" / "asa_branca_v1.dec");
    const std::string linha = "3 33333333333333333333333333       5";
    const std::size_t onde = bytes.find(linha);
    ASSERT_NE(onde, std::string::npos);
    bytes.replace(onde, linha.size(), "3 333333333333333333333333335");  // G, then C at column 2
    const auto cancao = pasta.gravar("apertada.dec", bytes);
    const auto saida = pasta.caminho() / "apertada.txt";
    const ResultadoCli r = executar({"convert", cancao.string(), saida.string()});
    ASSERT_EQ(r.status, 0) << r.erros;
    const std::string texto = lerBytes(saida);
    EXPECT_NE(texto.find("\r\nG  C\r\nQ-\xA0uando olhei a terra ardendo\r\n"), std::string::npos)
        << texto;
    const auto volta = pasta.caminho() / "volta.dec";
    ASSERT_EQ(executar({"convert", saida.string(), volta.string()}).status, 0);
    const std::string dec = lerBytes(volta);
    // the two chords at columns 1 and 4: over "Q" and "u"
    EXPECT_NE(dec.find("\r\n3 33333333333333333333333333  4\r\n2 Q-\xA0uando olhei a terra"),
              std::string::npos);
}

}  // namespace
}  // namespace trovale::testing
