#include <gtest/gtest.h>

#include <array>
#include <map>
#include <nlohmann/json.hpp>

#include "catalogue/frets_notation.h"
#include "command_fixture.h"
#include "document/song_file.h"

namespace trovale::testing {
namespace {

std::string trastes(const std::string& codigo) {
    const auto g = digitacaoDoTexto(codigo);
    return g ? escreverTrastes(trastesDe(Decodificar(*g))) : "-";
}

SongDocument lerCancao(const std::filesystem::path& arquivo) {
    auto lida = parseSongFile(lerBytes(arquivo), modeloDeFabrica());
    if (!lida) throw std::runtime_error("unreadable song " + arquivo.string());
    return lida->doc;
}

class TransposeCommand : public ComandoComCatalogo {
  protected:
    void SetUp() override {
        ComandoComCatalogo::SetUp();
        const auto texto = pasta.gravar("sol.txt", linhasCrLf({"Am   C   G", "Sol de ver\xE3o"}));
        ASSERT_EQ(executar({"convert", texto.string(), cancao.string()}).status, 0);
    }
    const std::filesystem::path cancao = pasta.caminho() / "sol.dec";
    const std::filesystem::path saida = pasta.caminho() / "nova.dec";
};

TEST_F(TransposeCommand, WritesTheSongAsTheWindowWouldConfirmIt) {
    using Linhas = std::vector<std::array<std::string, 3>>;  // from, to, frets
    const struct {
        std::vector<std::string> opcoes;
        Linhas linhas;
    } casos[] = {
        {{"--by", "2"},
         {{"Am", "Bm", "x 2 4 4 3 2"}, {"C", "D", "x 5 4 2 3 2"}, {"G", "A", "5 4 2 2 2 5"}}},
        {{"--by", "5", "--similar"},
         {{"Am", "Dm", "x 5 7 7 6 5"}, {"C", "F", "x 8 7 5 6 5"}, {"G", "C", "x 3 5 5 5 3"}}},
    };
    const SongDocument antes = lerCancao(cancao);
    for (const auto& c : casos) {
        SCOPED_TRACE(c.opcoes[1]);
        std::vector<std::string> argumentos = {"transpose"};
        argumentos.insert(argumentos.end(), c.opcoes.begin(), c.opcoes.end());
        argumentos.insert(argumentos.end(), {cancao.string(), saida.string(), "--json"});
        const ResultadoCli r = executar(argumentos);
        ASSERT_EQ(r.status, 0) << r.erros;
        const auto json = nlohmann::ordered_json::parse(r.saida);
        EXPECT_EQ(json.dump() + "\n", r.saida);
        Linhas lidas;
        std::map<std::string, std::pair<std::string, std::string>> novos;
        for (const auto& l : json) {
            lidas.push_back({l["from"], l["to"], trastes(l["fingering"])});
            novos[l["from"]] = {l["to"], l["fingering"]};
        }
        EXPECT_EQ(lidas, c.linhas);

        // The written song: the same lines and types, each chord renamed as answered.
        const SongDocument depois = lerCancao(saida);
        EXPECT_EQ(depois.Lines, antes.Lines);
        EXPECT_EQ(depois.Chords.TypeCodes, antes.Chords.TypeCodes);
        for (int k = 0; k < antes.Chords.size(); ++k) {
            const auto& novo = novos.at(displaySymbol(antes.Chords.Symbols[k]));
            EXPECT_EQ(displaySymbol(depois.Chords.Symbols[k]), novo.first);
            EXPECT_EQ(depois.Chords.Fingerings[k], novo.second);
        }
    }
}

TEST_F(TransposeCommand, AnswersInColumnsWithoutJson) {
    const ResultadoCli r = executar({"transpose", "--by", "-3", cancao.string(), saida.string()});
    ASSERT_EQ(r.status, 0) << r.erros;
    EXPECT_EQ(r.saida,
              "Cifra  Nova cifra  Digitação\n"
              "Am     F#m         x 9 11 11 10 9\n"
              "C      A           x 12 11 9 10 9\n"
              "G      E           12 11 9 9 9 12\n");
}

TEST_F(TransposeCommand, RefusesAShiftBeyondElevenSemitones) {
    for (const char* passos : {"12", "-12", "x", ""}) {
        const ResultadoCli r =
            executar({"transpose", "--by", passos, cancao.string(), saida.string(), "--json"});
        EXPECT_EQ(r.status, 2) << passos;
        EXPECT_EQ(r.saida, "") << passos;
        EXPECT_FALSE(std::filesystem::exists(saida)) << passos;
        EXPECT_EQ(r.erros, std::string("trovale-cli: --by: \"") + passos +
                               "\" não vale: use um número inteiro de -11 a 11.\n"
                               "Use --help para ver os comandos e suas opções.\n");
    }
}

}  // namespace
}  // namespace trovale::testing
