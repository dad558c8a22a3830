// A saved song keeps the meaning of its chords when the catalogue's types change under it.

#include "document/chord_type_reading.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "catalogue/symbol_elements.h"
#include "catalogue/type_editing.h"
#include "catalogue/type_file.h"
#include "document/song_file.h"
#include "settings/template.h"
#include "support/recording_dialogs.h"
#include "support/type_fixture.h"

namespace trovale {
namespace {

using testing::RecordingDialogs;

constexpr int kNonaDecimaPrimeira = 60;

Catalogo catalogoComNonaDecimaPrimeira() {
    Catalogo c;
    c.tipos = testing::montarCatalogo({
        {1, "Maior", "3 5", ""},
        {2, "Menor", "b3 5", "m"},
        {3, "S\xE9tima", "3 5 b7", "7"},
        {0, "-- Meus --", "", ""},
        {kNonaDecimaPrimeira, "Maior com 9\xAA e 11\xAA aumentada", "3 5 9 #11", "(9/#11)"},
    });
    return c;
}

// C(9/#11) then Am, both over the one lyric line.
std::string cancaoSalva(const Catalogo& c) {
    SongDocument doc;
    doc.Template = modeloDeFabrica();
    doc.Lines = {"Toada", emptyChordLine(), "Era uma vez"};
    doc.LineKinds = {kTitleLine, kChordLine, kLyricLine};
    doc.Chords.append(storedSymbol("C(9/#11)"), std::to_string(kNonaDecimaPrimeira), "0");
    doc.Chords.append(storedSymbol("Am"), "2", "0");
    placeChord(doc.Lines[1], 1, 0);
    placeChord(doc.Lines[1], 5, 1);
    EXPECT_TRUE(c.tipos.existe(kNonaDecimaPrimeira));
    return songFileText(doc);
}

TipoEmEdicao novoTipo(const char* nome, std::initializer_list<int> codigos, const char* cifra) {
    TipoEmEdicao r;
    for (int codigo : codigos) r.intervalos[codigo] = true;
    r.nome = nome;
    r.cifraPadrao = ElementosDaCifra(cifra);
    return r;
}

void excluirNonaDecimaPrimeira(Catalogo& c) {
    RecordingDialogs d;
    const auto& ordem = c.tipos.OrdemTipos;
    const int entrada = static_cast<int>(
        std::find(ordem.begin(), ordem.end(), kNonaDecimaPrimeira) - ordem.begin());
    ASSERT_TRUE(confirmarExclusao(c, entrada, d));
}

void salvarEAbrir(Catalogo& c) {
    const std::string bytes = escreverTipos(c.tipos);
    ASSERT_FALSE(lerTipos(bytes, c.tipos).danificado);
}

void incluir(Catalogo& c, const TipoEmEdicao& registro) {
    RecordingDialogs d;
    ASSERT_TRUE(confirmarInclusao(c, registro, d));
}

// Each chord as the chord window shows it: symbol, then the name of its type ("-" for none).
std::vector<std::string> acordesVistos(const std::string& bytes, const Catalogo& c) {
    const auto lida = parseSongFile(bytes, modeloDeFabrica());
    if (!lida) return {"song does not load"};
    ChordTable tabela = lida->doc.Chords;
    lerTiposPelasCifras(tabela, c.tipos);
    std::vector<std::string> vistos;
    for (int k = 0; k < tabela.size(); ++k) {
        const int tipo = std::stoi(tabela.TypeCodes[k]);
        vistos.push_back(displaySymbol(tabela.Symbols[k]) + " " +
                         (c.tipos.existe(tipo) ? c.tipos.tipo(tipo).Nome : "-"));
    }
    return vistos;
}

TEST(ChordTypeReading, ASavedSongKeepsTheMeaningOfItsChords) {
    const TipoEmEdicao menorNonaOnze =
        novoTipo("Menor com 9\xAA e 11\xAA", {2, 6, 13, 15}, "m(9/11)");
    const TipoEmEdicao deNovo = novoTipo("Nona e onze aumentada", {3, 6, 13, 16}, "(9/#11)");
    const struct {
        const char* caso;
        std::function<void(Catalogo&)> mudar;
        std::vector<std::string> vistos;
    } casos[] = {
        {"nothing changed",
         [](Catalogo&) {},
         {"C(9/#11) Maior com 9\xAA e 11\xAA aumentada", "Am Menor"}},
        {"deleted, another created",
         [&](Catalogo& c) {
             excluirNonaDecimaPrimeira(c);
             incluir(c, menorNonaOnze);
         },
         {"C(9/#11) -", "Am Menor"}},
        {"deleted, saved, opened, another created",
         [&](Catalogo& c) {
             excluirNonaDecimaPrimeira(c);
             salvarEAbrir(c);
             incluir(c, menorNonaOnze);
             salvarEAbrir(c);
         },
         {"C(9/#11) -", "Am Menor"}},
        {"deleted, then created again under another number",
         [&](Catalogo& c) {
             excluirNonaDecimaPrimeira(c);
             salvarEAbrir(c);
             incluir(c, menorNonaOnze);
             incluir(c, deNovo);
         },
         {"C(9/#11) Nona e onze aumentada", "Am Menor"}},
        {"the symbol given to another type",
         [&](Catalogo& c) {
             excluirNonaDecimaPrimeira(c);
             incluir(c, novoTipo("Com sexta", {3, 6, 8, 13}, "(9/#11)"));
         },
         {"C(9/#11) Com sexta", "Am Menor"}},
    };
    for (const auto& caso : casos) {
        Catalogo c = catalogoComNonaDecimaPrimeira();
        const std::string bytes = cancaoSalva(c);
        caso.mudar(c);
        EXPECT_EQ(acordesVistos(bytes, c), caso.vistos) << caso.caso;
    }
}

// Chords whose stored type still holds need no reading; the song file is left as it means.
TEST(ChordTypeReading, OnlyChordsNoLongerReadingAsTheirTypeChange) {
    const CatalogoTipos& tipos = testing::catalogoComum();
    const struct {
        const char* simbolo;
        std::string tipo;
        std::string lido;
    } casos[] = {
        {"C", "1", "1"},
        {"Am", "1", "2"},                                             // now another type's number
        {"G7", "99", "3"},                                            // a type no longer there
        {"A6", std::to_string(testing::kMaiorDecimaTerceira), "33"},  // sounds the same
        {"C/E", "1", "1"},
        {"C7/9", std::to_string(testing::kSetimaNona), "17"},  // the optional symbol
        {"Xyz", "7", "7"},                                     // no chord: left alone
    };
    ChordTable tabela;
    for (const auto& caso : casos) tabela.append(storedSymbol(caso.simbolo), caso.tipo, "0");
    tabela.append(std::string(kFreeSymbol), "5", "0");
    EXPECT_EQ(lerTiposPelasCifras(tabela, tipos), 2);
    for (std::size_t k = 0; k < std::size(casos); ++k)
        EXPECT_EQ(tabela.TypeCodes[k], casos[k].lido) << casos[k].simbolo;
    EXPECT_EQ(tabela.TypeCodes.back(), "5");
}

}  // namespace
}  // namespace trovale
