#include "document/text_conversion.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "base/text_codec.h"
#include "document/interpretation_catalogue.h"
#include "document/song_file.h"
#include "document/text_interpretation.h"
#include "settings/template.h"
#include "support/crashing_file_system.h"
#include "support/recording_dialogs.h"

namespace trovale {
namespace {

namespace fs = std::filesystem;
using testing::catalogoDeInterpretacao;
using testing::lerArquivo;
using testing::pastaGoldenTexto;

std::string comCrLf(const std::vector<std::string>& linhas) {
    std::string bytes;
    for (const std::string& linha : linhas) bytes += linha + "\r\n";
    return bytes;
}

SongDocument cancaoGolden(const std::string& nome) {
    const std::string bytes = lerArquivo(pastaGoldenTexto().parent_path() / "golden" / nome);
    const auto lida = parseSongFile(bytes, modeloDeFabrica());
    if (!lida) ADD_FAILURE() << nome << " does not load";
    return lida ? lida->doc : SongDocument{};
}

// What the text-mode editor's confirm makes of lines: a new song.
SongDocument cancaoDoTexto(std::vector<std::string> linhas, int apresentacao = 1) {
    AcordesConhecidos conhecidos;
    const InterpretacaoTexto r =
        PrepararLinhas(std::move(linhas), {catalogoDeInterpretacao(), 4}, conhecidos);
    SongDocument doc;
    doc.Template.Presentation = static_cast<std::uint8_t>(apresentacao);
    BuildFromText(doc, textoDoEditor(r, conhecidos));
    return doc;
}

// The chords of every chord line as "column:symbol", in display form.
std::vector<std::string> acordesPostos(const SongDocument& doc) {
    std::vector<std::string> postos;
    for (std::size_t i = 0; i < doc.Lines.size(); ++i) {
        if (!isChordKind(doc.LineKinds[i])) continue;
        std::string linha = std::to_string(i) + ">";
        for (const PlacedChord& c : decodeChordLine(doc.Lines[i]))
            linha +=
                ' ' + std::to_string(c.column) + ':' + displaySymbol(doc.Chords.Symbols[c.chord]);
        postos.push_back(linha);
    }
    return postos;
}

// A song of lyric lines (kind 2) and chord lines ("column:symbol ..." after "@").
SongDocument cancaoMontada(const std::vector<std::string>& linhas) {
    SongDocument doc;
    for (const std::string& linha : linhas) {
        if (linha.empty() || linha[0] != '@') {
            doc.Lines.push_back(linha);
            doc.LineKinds.push_back(kLyricLine);
            continue;
        }
        std::vector<PlacedChord> acordes;
        std::size_t pos = 1;
        while (pos < linha.size()) {
            const std::size_t fim = std::min(linha.find(' ', pos + 1), linha.size());
            std::string item = linha.substr(pos, fim - pos);
            if (item[0] == '@') item.erase(0, 1);
            const std::size_t dois = item.find(':');
            const std::string simbolo = storedSymbol(item.substr(dois + 1));
            const int numero = FindOrAddChord(doc, simbolo, "0", "1").chord;
            acordes.push_back({std::stoi(item.substr(0, dois)), numero});
            pos = fim + 1;
        }
        doc.Lines.push_back(encodeChordLine(acordes));
        doc.LineKinds.push_back(kChordLine);
    }
    return doc;
}

class GoldenExport : public ::testing::TestWithParam<const char*> {};

TEST_P(GoldenExport, WritesTheTextFormByteForByte) {
    const std::string nome = GetParam();
    SongDocument doc = cancaoGolden(nome + ".dec");
    testing::RecordingDialogs dialogs;
    ASSERT_TRUE(SongToText(doc, dialogs));
    EXPECT_TRUE(dialogs.avisos.empty());
    const fs::path pasta = fs::temp_directory_path() / ("trovale_export_" + nome);
    fs::create_directories(pasta);
    DiskFileSystem disco(false);
    ASSERT_TRUE(gravarTexto(disco, pasta / "saida.txt", doc.Lines, dialogs));
    EXPECT_EQ(lerArquivo(pasta / "saida.txt"), lerArquivo(pastaGoldenTexto() / (nome + ".txt")));
    EXPECT_FALSE(fs::exists(pasta / "saida.txt.tmp"));
    fs::remove_all(pasta);
}

TEST_P(GoldenExport, SongToTextToSongGivesTheSameLines) {
    const SongDocument doc = cancaoGolden(std::string(GetParam()) + ".dec");
    const TextoDaCancao texto = linhasEmTexto(doc);
    ASSERT_FALSE(texto.falha);
    EditorText editor{texto.linhas, {}, doc.LineKinds, doc.Chords};
    for (const std::uint8_t tipo : doc.LineKinds) editor.chordLines.push_back(isChordKind(tipo));
    std::vector<std::string> esperadas = doc.Lines;
    for (std::string& linha : esperadas) linha.erase(linha.find_last_not_of(' ') + 1);
    EXPECT_EQ(TextToSong(editor), esperadas);
}

TEST_P(GoldenExport, TextToSongToTextGivesTheSameText) {
    const std::string texto = lerArquivo(pastaGoldenTexto() / (std::string(GetParam()) + ".txt"));
    SongDocument doc = cancaoDoTexto(linhasDoTexto(texto));
    testing::RecordingDialogs dialogs;
    ASSERT_TRUE(SongToText(doc, dialogs));
    EXPECT_EQ(comCrLf(doc.Lines), texto);
}

INSTANTIATE_TEST_SUITE_P(TextConversion, GoldenExport,
                         ::testing::Values("asa_branca_v1", "coracao_de_estudante_v2"));

TEST(TextConversion, TextModeEditingWritesMarkersAndKeepsKindsAndChords) {
    SongDocument doc = cancaoGolden("coracao_de_estudante_v2.dec");
    const SongDocument original = doc;
    testing::RecordingDialogs dialogs;
    ASSERT_TRUE(SongToText(doc, dialogs));
    InsertMarkers(doc);
    const std::string marcado = comCrLf(doc.Lines);
    EXPECT_EQ(marcado, lerArquivo(pastaGoldenTexto() / "coracao_de_estudante_v2.marked.txt"));

    const SongDocument devolvida = cancaoDoTexto(doc.Lines, original.Template.Presentation);
    EXPECT_EQ(devolvida.LineKinds, original.LineKinds);
    EXPECT_EQ(acordesPostos(devolvida), acordesPostos(original));
}

TEST(TextConversion, MarkersGoWhereTheEditorWouldReadAnotherKind) {
    const struct {
        std::vector<std::uint8_t> tipos;
        std::vector<std::string> esperadas;  // "*" stands for the song's line
    } casos[] = {
        {{kTitleLine, kAuthorLine, kLyricLine}, {"*", "*", "*"}},
        {{kLyricLine, kLyricLine}, {"<N>", "*", "*"}},
        {{kTitleLine, kLyricLine, kLyricLine}, {"*", "<N>", "*", "*"}},
        {{kTitleLine, kTitleLine}, {"*", "<T>", "*"}},
        {{kAuthorLine, kLyricLine}, {"<A>", "*", "<N>", "*"}},
        // an author set by a marker lasts in the editor until an empty line
        {{kAuthorLine, kAuthorLine, kLyricLine}, {"<A>", "*", "*", "<N>", "*"}},
        {{kLyricLine, kAuthorLine, kLyricLine}, {"<N>", "*", "<A>", "*", "<N>", "*"}},
        {{kTitleLine, kAuthorLine, kChordLine, kRefrainLine, kLyricLine},
         {"*", "*", "<R>", "*", "*", "<N>", "*"}},
        {{kTitleLine, kAuthorLine, kNotesLine, kNotesLine, kChorusLine},
         {"*", "*", "<O>", "*", "*", "<C>", "*"}},
    };
    for (const auto& c : casos) {
        SongDocument doc;
        for (std::size_t i = 0; i < c.tipos.size(); ++i) {
            doc.Lines.push_back("linha " + std::to_string(i));
            doc.LineKinds.push_back(c.tipos[i]);
        }
        InsertMarkers(doc);
        std::vector<std::string> esperadas;
        std::size_t proxima = 0;
        for (const std::string& e : c.esperadas)
            esperadas.push_back(e == "*" ? "linha " + std::to_string(proxima++) : e);
        EXPECT_EQ(doc.Lines, esperadas);
        EXPECT_EQ(doc.LineKinds.size(), doc.Lines.size());
    }
}

TEST(TextConversion, EmptyLinesReturnToNormalWithoutAMarker) {
    SongDocument doc;
    doc.Lines = {"T", "A", "refrao", "", "normal"};
    doc.LineKinds = {kTitleLine, kAuthorLine, kRefrainLine, kLyricLine, kLyricLine};
    InsertMarkers(doc);
    EXPECT_EQ(doc.Lines, (std::vector<std::string>{"T", "A", "<R>", "refrao", "", "normal"}));
}

TEST(TextConversion, ChordLinesAsText) {
    const struct {
        std::vector<std::string> cancao;
        std::vector<std::string> texto;
    } casos[] = {
        {{"@1:C", "Casa"}, {"C", "Casa"}},
        {{"@1:A @3:B", "abcde"}, {"A B", "abcde"}},
        {{"@1:C @9:G*", "Quando olhei"}, {"C       G*", "Quando olhei"}},
        {{"@2:C#m7 @8:Bb", "   abcdefg   "}, {" C#m7  Bb", "   abcdefg"}},
        // past the end of the lyric the column distances are kept
        {{"@1:Am @4:G", "abc"}, {"Am G", "abc"}},
        {{"@3:Am @6:G @20:C", ""}, {"  Am   G" + std::string(14, ' ') + "C", ""}},
        {{"@3:Am @6:G"}, {"  Am   G"}},
        {{"@1:A @5:D", "@2:E", "ab"}, {"A    D", " E", "ab"}},
        {{"@3:D7 @30:E", "Ha que se cuidar"},
         {"  D7" + std::string(25, ' ') + "E", "Ha que se cuidar"}},
        // past a one-character lyric the first chord keeps its own column
        {{"@25:F", "x"}, {std::string(24, ' ') + "F", "x"}},
        {{"@1:A @3:B", "x"}, {"A  B", "x"}},
        {{"@1:C", "ab   "}, {"C", "ab"}},
    };
    for (const auto& c : casos) {
        const TextoDaCancao texto = linhasEmTexto(cancaoMontada(c.cancao));
        EXPECT_FALSE(texto.falha) << *texto.falha;
        EXPECT_EQ(texto.linhas, c.texto) << ::testing::PrintToString(c.cancao);
    }
}

// Each chord over a lyric as "symbol>" and the lyric from its character on, the room
// opened for chords left out: what a reader sees under the chord.
std::vector<std::string> acordesSobreCaracteres(const SongDocument& doc) {
    std::vector<std::string> sobre;
    for (std::size_t i = 0; i + 1 < doc.Lines.size(); ++i) {
        if (!isChordKind(doc.LineKinds[i]) || !isLyricKind(doc.LineKinds[i + 1])) continue;
        const std::string& letra = doc.Lines[i + 1];
        for (const PlacedChord& c : decodeChordLine(doc.Lines[i])) {
            std::string resto;
            for (std::size_t k = std::min<std::size_t>(c.column - 1, letra.size());
                 k < letra.size(); ++k)
                if (letra[k] != '\xA0' &&
                    !(letra[k] == '-' && k + 1 < letra.size() && letra[k + 1] == '\xA0'))
                    resto += letra[k];
            sobre.push_back(displaySymbol(doc.Chords.Symbols[c.chord]) + '>' +
                            resto.substr(0, resto.find_last_not_of(' ') + 1));
        }
    }
    return sobre;
}

// Symbols that do not fit side by side over their syllables widen the lyric under them
// (non-breaking spaces; inside a word a hyphen first), and the text reads back with every
// chord on the same character.
TEST(TextConversion, CrowdedChordsWidenTheLyricUnderThem) {
    const struct {
        std::vector<std::string> cancao;
        std::vector<std::string> texto;
    } casos[] = {
        {{"T", "A", "@1:Am @2:G", "Quando olhei"}, {"T", "A", "Am G", "Q-\xA0uando olhei"}},
        {{"T", "A", "@1:Am @3:G", "S\xE3o Jo\xE3o  "}, {"T", "A", "Am  G", "S\xE3-\xA0o Jo\xE3o"}},
        {{"T", "A", "@1:C7M @4:D", "abcdef"},
         {"T", "A", "C7M  D",
          "abc-\xA0"
          "def"}},
        {{"T", "A", "@1:Dm7 @4:G7(13) @9:C7M", "Fosse minha"},
         {"T", "A", "Dm7  G7(13) C7M", "Fos-\xA0se mi-\xA0nha"}},
        // room only where a symbol does not fit; past the lyric the distances as ever
        {{"T", "A", "@1:C @3:G7(13) @6:Am @9:D", "a b cde"},
         {"T", "A", "C G7(13) Am  D",
          "a b c-\xA0\xA0\xA0"
          "de"}},
    };
    for (const auto& c : casos) {
        SongDocument doc = cancaoMontada(c.cancao);
        testing::RecordingDialogs dialogs;
        ASSERT_TRUE(SongToText(doc, dialogs)) << c.cancao.back();
        EXPECT_TRUE(dialogs.avisos.empty());
        EXPECT_EQ(doc.Lines, c.texto);
        const SongDocument lida = cancaoDoTexto(doc.Lines);
        EXPECT_EQ(acordesSobreCaracteres(lida), acordesSobreCaracteres(cancaoMontada(c.cancao)))
            << c.cancao.back();
    }
}

// Texts that SongToText can write come back the same through the editor and the song.
TEST(TextConversion, TextRoundTrips) {
    const std::vector<std::vector<std::string>> textos = {
        {"Titulo", "Autor", "Am  G/B   C", "A casa caiu"},
        {"Titulo", "Am", "", "C", ""},
        {"Titulo", "Autor", "C       G", "abc", "Am G  C    D", "abc", "  Am   G"},
        {"T", "A", "Am G", "C D", "ab", "E"},
        {"T", "A", "Dm7   G7*c     C", "  Quero falar", "Bb7/F"},
        {"<R>", "refrao", "C", "coro"},
        // over an author the chords keep their distances both ways
        {"T", "<A>", "C  G", "Autor"},
        {"T", "A", " C D", "o", "Em   G", "x"},
    };
    for (const auto& linhas : textos) {
        SongDocument doc = cancaoDoTexto(linhas);
        testing::RecordingDialogs dialogs;
        ASSERT_TRUE(SongToText(doc, dialogs)) << ::testing::PrintToString(linhas);
        std::vector<std::string> esperadas;
        int tipo = 0;
        for (const std::string& linha : linhas)
            if (!ehMarcador(linha, tipo)) esperadas.push_back(linha);
        EXPECT_EQ(doc.Lines, esperadas);
    }
}

TEST(TextConversion, AChordLineHoldsAtMost25Chords) {
    std::string muitos;
    for (int i = 0; i < 30; ++i) muitos += std::string(i ? " " : "") + (i < 25 ? "C" : "G");
    const SongDocument doc = cancaoDoTexto({"T", "Autor", muitos, "letra"});
    ASSERT_EQ(doc.LineKinds[2], kChordLine);
    const auto acordes = decodeChordLine(doc.Lines[2]);
    ASSERT_EQ(acordes.size(), 25u);
    // Over "letra" at 1, 3, 5; past its end one column apart, as single blanks part them.
    EXPECT_EQ(acordes[2].column, 5);
    EXPECT_EQ(acordes[3].column, 6);
    EXPECT_EQ(acordes.back().column, 27);
    EXPECT_EQ(doc.Chords.Symbols, std::vector<std::string>{"Cf"});
    EXPECT_EQ(doc.Lines[2].size(), 25u + 27u);
}

const std::string kSemEquivalente1 =
    "Atenção: 1 caractere sem equivalente foi substituído por \"?\".";
const std::string kMuitoLongo = "Atenção: arquivo muito longo. Conteúdo truncado na linha 3000.";

std::string semEquivalentes(int n) {
    return "Atenção: " + std::to_string(n) +
           " caracteres sem equivalente foram substituídos por \"?\".";
}

// "linha 1" ... "linha n", after the lines given.
std::vector<std::string> numeradas(int n, std::vector<std::string> antes = {}) {
    for (int i = 1; i <= n; ++i) antes.push_back("linha " + std::to_string(i));
    return antes;
}

TEST(TextConversion, ImportTakesEveryTextAsTheEditorsWindows1252Lines) {
    const struct {
        std::string bytes;
        std::vector<std::string> linhas;
        std::vector<std::string> avisos;
    } casos[] = {
        // UTF-8 and Windows-1252: the same lines.
        {"Cora\xC3\xA7\xC3\xA3o\r\nAm\r\n", {"Cora\xE7\xE3o", "Am"}, {}},
        {"Cora\xE7\xE3o\r\nAm", {"Cora\xE7\xE3o", "Am"}, {}},
        {"Voc\xEA? \x80 \x81\n", {"Voc\xEA? \x80 \x81"}, {}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}, {}},
        {"ascii\n", {"ascii"}, {}},
        {"", {}, {}},
        // A lone CR ends a line too, as old Mac texts have it.
        {"T\rA\rletra\rmais\r", {"T", "A", "letra", "mais"}, {}},
        {"a\r\r\nb", {"a", "", "b"}, {}},
        {"a\n\rb", {"a", "", "b"}, {}},
        // A UTF-8 byte-order mark goes, whatever follows it.
        {"\xEF\xBB\xBFT\xC3\xADtulo\n\xE2\x82\xAC 5\n", {"T\xEDtulo", "\x80 5"}, {}},
        {"\xEF\xBB\xBF"
         "Am\r\n",
         {"Am"},
         {}},
        {"\xEF\xBB\xBF"
         "Cora\xE7\xE3o\r\n",
         {"Cora\xE7\xE3o"},
         {}},
        // Tabs stop at every eighth column, counted in characters, not in UTF-8 bytes.
        {"\tC\tG\n\tVem c\xC3\xA1\n", {"        C       G", "        Vem c\xE1"}, {}},
        {"12345678\tx\r\nabc\td\r\n\xC3\xA1\tx",
         {"12345678        x", "abc     d", "\xE1       x"},
         {}},
        {"\xE1\t\xE9\t", {"\xE1       \xE9       "}, {}},
        // Every other control character becomes a blank, DEL too.
        {"a\x02"
         "b\x01"
         "c\x1B\x1F\f\v|\x7F!",
         {"a b c    | !"},
         {}},
        // "?" for what Windows-1252 has no form of, counted once over all lines; a "?" of the
        // text itself is no replacement.
        {"\xE6\x97\xA5\xE6\x9C\xAC?\r\n\xF0\x9F\x8E\xB8 \xE2\x82\xAC\r\n",
         {"???", "? \x80"},
         {semEquivalentes(3)}},
        {"\xE6\x97\xA5 \xC3\xA9?\r\n", {"? \xE9?"}, {kSemEquivalente1}},
        // UTF-16 with its byte-order mark, either way round.
        {std::string("\xFF\xFE"
                     "C\0\xE7\0\r\0\n\0"
                     "A\0m\0\t\0G\0",
                     18),
         {"C\xE7", "Am      G"},
         {}},
        {std::string("\xFE\xFF"
                     "\0C\0\xE7\0\r\0\n"
                     "\0A\0m",
                     14),
         {"C\xE7", "Am"},
         {}},
        // A character beyond the first plane and an odd byte at the end.
        {std::string("\xFF\xFE"
                     "\xAC\x20\x3D\xD8\x00\xDE"
                     "!",
                     9),
         {"\x80??"},
         {semEquivalentes(2)}},
        // 3000 lines stay; the 3001st goes, and what it held is not counted.
        {comCrLf(numeradas(3000)), numeradas(3000), {}},
        {comCrLf(numeradas(3000)) + "\xE6\x97\xA5\r\n", numeradas(3000), {kMuitoLongo}},
        {comCrLf(numeradas(3000, {"\xE6\x97\xA5"})),
         numeradas(2999, {"?"}),
         {kSemEquivalente1, kMuitoLongo}},
    };
    for (const auto& c : casos) {
        testing::RecordingDialogs dialogs;
        const auto linhas = linhasDoTexto(c.bytes, dialogs);
        EXPECT_EQ(linhas, c.linhas) << c.bytes.substr(0, 40);
        EXPECT_EQ(dialogs.avisos, c.avisos) << c.bytes.substr(0, 40);
        EXPECT_EQ(linhasDoTexto(c.bytes), c.linhas) << "nobody to tell, the same lines";
    }
}

std::string repetir(std::string_view texto, int vezes) {
    std::string saida;
    for (int i = 0; i < vezes; ++i) saida += texto;
    return saida;
}

const std::string kNulos = "O arquivo não é um texto: contém bytes nulos.";
const std::string kControles =
    "O arquivo não é um texto: tem caracteres de controle ou inválidos demais.";

// The text in UTF-16, little or big endian, with its byte-order mark or without.
std::string emUtf16(std::u16string_view texto, bool little, bool marca) {
    std::string bytes;
    const auto unidade = [&](char16_t u) {
        const char alto = static_cast<char>(u >> 8), baixo = static_cast<char>(u & 0xFF);
        bytes += little ? baixo : alto;
        bytes += little ? alto : baixo;
    };
    if (marca) unidade(0xFEFF);
    for (const char16_t u : texto) unidade(u);
    return bytes;
}

// Bytes as a file of no kind would hold them, the same on every run.
std::string bytesAoAcaso(std::size_t quantos, bool semNulos = false) {
    std::mt19937 gerador(1234);
    std::string bytes(quantos, '\0');
    for (char& b : bytes) {
        b = static_cast<char>(gerador() & 0xFF);
        if (semNulos && b == '\0') b = '\x01';
    }
    return bytes;
}

TEST(TextConversion, Utf16WithoutItsMarkIsReadAsWithIt) {
    const std::u16string texto = u"Title: Canção\r\n\tAm\tG\r\nCoração 🎸";
    const std::vector<std::string> linhas = {"Title: Can\xE7\xE3o", "        Am      G",
                                             "Cora\xE7\xE3o ?"};
    for (const bool little : {true, false}) {
        for (const bool marca : {true, false}) {
            testing::RecordingDialogs dialogs;
            EXPECT_EQ(linhasDoTexto(emUtf16(texto, little, marca), dialogs), linhas)
                << little << marca;
            EXPECT_EQ(dialogs.avisos, std::vector<std::string>{kSemEquivalente1});
        }
    }
    // NULs in every other byte that break a surrogate pair are no UTF-16, and no text.
    std::string quebrado = emUtf16(u"Am G", true, false) + std::string("\x3D\xD8", 2);
    quebrado += emUtf16(u"ok", true, false);
    testing::RecordingDialogs dialogs;
    EXPECT_EQ(linhasDoTexto(quebrado, dialogs), std::nullopt);
    EXPECT_EQ(dialogs.avisos, std::vector<std::string>{kNulos});
}

TEST(TextConversion, WhatIsNoTextIsRefusedWithOneMessage) {
    std::string soControles;
    for (char c = 1; c <= 8; ++c) soControles += c;
    // A control character in every seven, past the few a text may have.
    std::string salpicado;
    for (int i = 0; i < 40; ++i) salpicado += "Vem c\xE1\x1B";
    std::string utf16Quebrado = emUtf16(u"Canção sem fim", true, true);
    for (int i = 0; i < 8; ++i) utf16Quebrado += std::string("\x00\xDC", 2);
    const struct {
        std::string nome;
        std::string bytes;
        std::string recusa;
    } casos[] = {
        {"1 MiB of NULs", std::string(1 << 20, '\0'), kNulos},
        {"1 MiB at random", bytesAoAcaso(1 << 20), kNulos},
        {"a NUL in a text", std::string("Am\0G\r\n", 6), kNulos},
        {"U+0000 in UTF-16", emUtf16(std::u16string(u"Am") + u'\0' + u"G", true, true), kNulos},
        {"4 KiB at random without NULs", bytesAoAcaso(4096, true), kControles},
        {"control characters alone", soControles, kControles},
        {"one character in seven a control", salpicado, kControles},
        {"UTF-16 of lone surrogates", utf16Quebrado, kControles},
        {"undefined Windows-1252 bytes", std::string(20, '\x81') + "abcdefghij", kControles},
        {"C1 controls in UTF-8", repetir("\xC2\x85", 10) + "abc", kControles},
    };
    for (const auto& c : casos) {
        testing::RecordingDialogs dialogs;
        EXPECT_EQ(linhasDoTexto(c.bytes, dialogs), std::nullopt) << c.nome;
        EXPECT_EQ(dialogs.avisos, std::vector<std::string>{c.recusa}) << c.nome;
        EXPECT_EQ(linhasDoTexto(c.bytes), std::vector<std::string>{}) << c.nome;
        EXPECT_EQ(utf8DoTexto(c.bytes), std::nullopt) << c.nome;
    }
}

TEST(TextConversion, RealTextsAreNeverTakenForBinaries) {
    std::string longo;
    for (int i = 0; i < 100; ++i)
        longo +=
            "Sol de ver\xE3o, \x93"
            "cora\xE7\xE3o\x94 \x96 " +
            std::to_string(i) + "\r\n";
    const struct {
        std::string nome;
        std::string bytes;
        std::string utf8;  // as the file list shows it
    } casos[] = {
        {"empty", "", ""},
        {"Windows-1252", "Can\xE7\xE3o\r\nAm\r\n", "Canção\r\nAm\r\n"},
        {"UTF-8", "Can\xC3\xA7\xC3\xA3o\n", "Canção\n"},
        {"UTF-16 with its mark", emUtf16(u"Canção", false, true), "Canção"},
        {"tabs, form feeds, vertical tabs", "\tAm\tG\f\r\n\vfim\t\f", "\tAm\tG\f\r\n\vfim\t\f"},
        {"a DOS end mark", "Am\r\n\x1A", "Am\r\n\x1A"},
        {"seven stray controls", "\x01\x02\x03\x04\x05\x06\x07", "\x01\x02\x03\x04\x05\x06\x07"},
        {"long, with quotes and dashes", longo, utf8DeWindows1252(longo)},
    };
    for (const auto& c : casos) {
        testing::RecordingDialogs dialogs;
        EXPECT_TRUE(linhasDoTexto(c.bytes, dialogs).has_value()) << c.nome;
        EXPECT_EQ(dialogs.avisos, std::vector<std::string>{}) << c.nome;
        EXPECT_EQ(utf8DoTexto(c.bytes), c.utf8) << c.nome;
    }
}

std::string cortadas(int n) {
    if (n == 1) return "Atenção: 1 linha com mais de 255 caracteres foi cortada.";
    return "Atenção: " + std::to_string(n) + " linhas com mais de 255 caracteres foram cortadas.";
}

TEST(TextConversion, LinesLongerThanASongLineAreCut) {
    const std::string a255(255, 'a');
    const struct {
        std::string bytes;
        std::vector<std::string> linhas;
        std::vector<std::string> avisos;
    } casos[] = {
        {std::string(300000, 'a'), {a255}, {cortadas(1)}},
        {a255 + "\r\n" + a255 + "b\r\n" + a255 + "bc", {a255, a255, a255}, {cortadas(2)}},
        // What goes past the cut is blanks only: nothing was lost.
        {a255 + "   \t \x01\n", {a255}, {}},
        // Tabs count as the columns they move to.
        {std::string(250, 'x') + "\tY", {std::string(250, 'x') + "     "}, {cortadas(1)}},
        {std::string(32, '\t') + "Am", {std::string(255, ' ')}, {cortadas(1)}},
        // Characters, not bytes of UTF-8; "?" counted only for what is kept.
        {repetir("\xC3\xA7", 300), {std::string(255, '\xE7')}, {cortadas(1)}},
        {std::string(250, 'a') + repetir("\xE6\x97\xA5", 10),
         {std::string(250, 'a') + "?????"},
         {semEquivalentes(5), cortadas(1)}},
        {comCrLf(numeradas(3000, {std::string(256, 'z')})),
         numeradas(2999, {std::string(255, 'z')}),
         {cortadas(1), kMuitoLongo}},
    };
    for (const auto& c : casos) {
        testing::RecordingDialogs dialogs;
        EXPECT_EQ(linhasDoTexto(c.bytes, dialogs), c.linhas) << c.bytes.substr(0, 40);
        EXPECT_EQ(dialogs.avisos, c.avisos) << c.bytes.substr(0, 40);
    }
    // A reader of markup takes the lines whole, and cuts what it makes of them.
    testing::RecordingDialogs dialogs;
    EXPECT_EQ(linhasDoTexto(std::string(300, 'a'), dialogs, LinhasLongas::Inteiras),
              std::vector<std::string>{std::string(300, 'a')});
    EXPECT_EQ(dialogs.avisos, std::vector<std::string>{});
}

TEST(TextConversion, ImportReadsTheFileAndTellsOfItsFaults) {
    const fs::path pasta = fs::temp_directory_path() / "trovale_import_text";
    fs::remove_all(pasta);
    fs::create_directories(pasta);
    std::ofstream(pasta / "longo.txt", std::ios::binary)
        << comCrLf(numeradas(3000, {"\xE2\x82\xAC \xE6\x97\xA5\t|"}));
    DiskFileSystem disco(false);
    testing::RecordingDialogs dialogs;
    const auto linhas = lerTextoImportado(disco, pasta / "longo.txt", dialogs);
    EXPECT_EQ(linhas, numeradas(2999, {"\x80 ?     |"}));
    EXPECT_EQ(dialogs.avisos, (std::vector<std::string>{kSemEquivalente1, kMuitoLongo}));

    dialogs.avisos.clear();
    std::ofstream(pasta / "binario.txt", std::ios::binary) << bytesAoAcaso(5000);
    EXPECT_FALSE(lerTextoImportado(disco, pasta / "binario.txt", dialogs));
    EXPECT_EQ(dialogs.avisos, std::vector<std::string>{kNulos});

    dialogs.avisos.clear();
    EXPECT_FALSE(lerTextoImportado(disco, pasta / "nenhum.txt", dialogs));
    EXPECT_EQ(dialogs.avisos, std::vector<std::string>{
                                  "Arquivo/caminho impróprio ou dispositivo inválido/defeituoso."});
    fs::remove_all(pasta);
}

// A failed or interrupted export leaves the file that was there as it was.
TEST(TextConversion, AFailedExportNeverDestroysTheOldFile) {
    const fs::path pasta = fs::temp_directory_path() / "trovale_export_failure";
    fs::remove_all(pasta);
    fs::create_directories(pasta);
    const fs::path alvo = pasta / "cancao.txt";
    const std::string antigo = "versao antiga\r\n";
    DiskFileSystem real(false);
    using Falha = testing::CrashingFileSystem::Failure;
    for (const Falha como : {Falha::IoError, Falha::CrashMidWrite, Falha::Crash}) {
        for (int passo = 1; passo <= 1; ++passo) {
            fs::remove_all(pasta);
            fs::create_directories(pasta);
            std::ofstream(alvo, std::ios::binary) << antigo;
            testing::CrashingFileSystem disco(real);
            disco.failAtStep(passo, como);
            testing::RecordingDialogs dialogs;
            bool gravou = true;
            try {
                gravou = gravarTexto(disco, alvo, {"nova", "letra"}, dialogs);
            } catch (const testing::SimulatedCrash&) {
                gravou = false;
            }
            EXPECT_FALSE(gravou) << passo;
            EXPECT_EQ(lerArquivo(alvo), antigo) << passo;
            if (como == Falha::IoError) {
                // The write failed midway: said as every export says it.
                EXPECT_EQ(
                    dialogs.avisos,
                    std::vector<std::string>{"Dispositivo defeituoso ou com espaço insuficiente."});
                EXPECT_EQ(std::distance(fs::directory_iterator(pasta), fs::directory_iterator()),
                          1);
            }
        }
    }
    fs::remove_all(pasta);
}

}  // namespace
}  // namespace trovale
