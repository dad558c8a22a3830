// Song files as a user meets them: golden files loaded and saved byte for byte, the version
// chosen, damaged files refused with the exact message.
#include <gtest/gtest.h>

#include "document/song_file.h"
#include "document/song_heading.h"
#include "settings/template.h"
#include "song_file_fixture.h"
#include "support/recording_dialogs.h"

namespace trovale {
namespace {

using testing::goldenSong;
using testing::readBytes;
using testing::RecordingDialogs;
using testing::writeBytes;

class SongFileTest : public testing::SongFolder {};

TEST_F(SongFileTest, GoldenFilesRoundTripByteForByte) {
    for (const char* name : {"asa_branca_v1.dec", "coracao_de_estudante_v2.dec"}) {
        RecordingDialogs dialogs;
        SongDocument doc;
        ASSERT_TRUE(LoadSong(doc, goldenSong(name), modeloDeFabrica(), dialogs)) << name;
        EXPECT_FALSE(doc.Modified);
        doc.Modified = true;
        EXPECT_EQ(SaveSong(doc, path(name), dialogs), 0);
        EXPECT_FALSE(doc.Modified);
        EXPECT_TRUE(dialogs.avisos.empty());
        EXPECT_EQ(readBytes(path(name)), readBytes(goldenSong(name))) << name;
    }
}

TEST_F(SongFileTest, GoldenVersion1ReadsAsWritten) {
    Modelo padrao = modeloDeFabrica();
    padrao.Fonts[6] = {"Verdana", -13, 255, false, true};  // capitals are not taken over
    RecordingDialogs dialogs;
    SongDocument doc;
    std::string version;
    ASSERT_TRUE(LoadSong(doc, goldenSong("asa_branca_v1.dec"), padrao, dialogs, &version));
    EXPECT_EQ(version, "01.00");
    EXPECT_EQ(doc.FileName, goldenSong("asa_branca_v1.dec").string());
    EXPECT_EQ(doc.Template.Presentation, 1);
    EXPECT_EQ(doc.Template.DiagramListOrder, 2);
    EXPECT_EQ(doc.Layout, (PageLayout{30, 20, 30, 25, 0, 1, 160, 0, 0, 0}));
    EXPECT_EQ(doc.Template.Fonts[2], (FonteElemento{"Courier New", 11, 0, false, false}));
    EXPECT_EQ(doc.Template.Fonts[3], (FonteElemento{"Arial", 9, 32768, true, false}));
    EXPECT_EQ(doc.Template.Fonts[6], (FonteElemento{"Verdana", 13, 255, false, true}));
    EXPECT_EQ(doc.Template.Fonts[8], padrao.Fonts[8]);
    EXPECT_EQ(doc.LineKinds, (std::vector<std::uint8_t>{0, 1, 3, 2, 3, 2, 2}));
    EXPECT_EQ(doc.Lines[5], "   Eu perguntei");
    EXPECT_EQ(decodeChordLine(doc.Lines[4]), (std::vector<PlacedChord>{{1, 3}, {14, 0}, {20, 2}}));
    EXPECT_EQ(doc.Chords.Symbols, (std::vector<std::string>{"Gf", " ", "Cf", "Gf*"}));
    EXPECT_EQ(doc.Chords.TypeCodes, (std::vector<std::string>{"1", "1", "1", "1"}));
    EXPECT_EQ(doc.Chords.Fingerings[1], "0");
    EXPECT_EQ(doc.Chords.Fingerings[3], "1027 5118 3001");
}

TEST_F(SongFileTest, GoldenVersion2KeepsCapitalsAndTheNewKinds) {
    RecordingDialogs dialogs;
    SongDocument doc;
    std::string version;
    ASSERT_TRUE(LoadSong(doc, goldenSong("coracao_de_estudante_v2.dec"), modeloDeFabrica(), dialogs,
                         &version));
    EXPECT_EQ(version, "02.00");
    EXPECT_EQ(doc.Template.Fonts[0], (FonteElemento{"Times New Roman", -14, 0, true, false}));
    EXPECT_TRUE(doc.Template.Fonts[6].soMaiusculas());
    EXPECT_EQ(doc.Template.Fonts[7], (FonteElemento{"Arial", 11, 16711680, true, true}));
    EXPECT_EQ(doc.LineKinds, (std::vector<std::uint8_t>{0, 1, 4, 2, 4, 6, 4, 7, 2, 8}));
    EXPECT_EQ(doc.Lines[8], "");
    EXPECT_EQ(doc.Lines[9], "Refr\xE3o duas vezes \x96 e fim");
    EXPECT_EQ(doc.Layout.orientacao, 1);
    EXPECT_EQ(doc.Chords.Symbols[4], "Bb7/F");
}

SongDocument smallSong() {
    SongDocument doc;
    doc.Template = modeloDeFabrica();
    doc.Lines = {"Luar do Sert\xE3o", "Catulo", "N\xE3o h\xE1, \xF3 gente"};
    doc.LineKinds = {kTitleLine, kAuthorLine, kLyricLine};
    return doc;
}

std::vector<std::string> fileLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

TEST(SongFileVersion, LowestVersionThatHoldsTheSong) {
    struct Case {
        const char* name;
        void (*change)(SongDocument&);
        const char* magic;
        std::size_t fontLines;
    };
    const Case cases[] = {
        {"plain song", [](SongDocument&) {}, "Trovale 01.00", 6},
        {"one refrain line", [](SongDocument& d) { d.LineKinds[2] = kRefrainLine; },
         "Trovak2 02.00", 9},
        {"one notes line", [](SongDocument& d) { d.LineKinds[2] = kNotesLine; }, "Trovak2 02.00",
         9},
        {"capitals on the chorus font", [](SongDocument& d) { d.Template.Fonts[7].tamanho = -11; },
         "Trovak2 02.00", 9},
        {"diagram chord line", [](SongDocument& d) { d.LineKinds[2] = kDiagramChordLine; },
         "Trovale 01.00", 6},
    };
    for (const Case& c : cases) {
        SongDocument doc = smallSong();
        c.change(doc);
        const auto lines = fileLines(songFileText(doc));
        EXPECT_EQ(lines[0], std::string(c.magic) + " Luar do Sert\xE3o") << c.name;
        EXPECT_EQ(lines.size(), 5 + c.fontLines + 3) << c.name;
    }
}

TEST(SongFileVersion, TitleAndAuthorLines) {
    struct Case {
        std::vector<std::uint8_t> kinds;
        const char* line1;
        const char* line2;
    };
    const Case cases[] = {
        {{0, 1, 2}, "Trovale 01.00 A", "B"}, {{1, 1, 2}, "Trovale 01.00", "AB"},
        {{2, 1, 1}, "Trovale 01.00", "B"},   {{2, 2, 1}, "Trovale 01.00", ""},
        {{0, 0, 1}, "Trovale 01.00 A", ""},
    };
    for (const Case& c : cases) {
        SongDocument doc = smallSong();
        doc.Lines = {"A", "B", "C"};
        doc.LineKinds = c.kinds;
        const auto lines = fileLines(songFileText(doc));
        EXPECT_EQ(lines[0], c.line1);
        EXPECT_EQ(lines[1], c.line2);
    }
    SongDocument one = smallSong();
    one.Lines = {"S\xF3"};
    one.LineKinds = {kAuthorLine};
    EXPECT_EQ(fileLines(songFileText(one))[1], "S\xF3");
}

TEST_F(SongFileTest, WhatSavingKeeps) {
    SongDocument doc = smallSong();
    doc.Lines.push_back(
        "  come\xE7"
        "a com espa\xE7os   ");
    doc.Lines.push_back(std::string(300, 'x'));
    doc.LineKinds.insert(doc.LineKinds.end(), {kLyricLine, kLyricLine});
    doc.Chords.append(" ", "7", "0");
    doc.Chords.append("Afm", "12", "0");
    doc.Template.Fonts[0] = {"Arial", -12, 0, true, false};
    RecordingDialogs dialogs;
    ASSERT_EQ(SaveSong(doc, path("s.dec"), dialogs), 0);
    const auto lines = fileLines(readBytes(path("s.dec")));
    EXPECT_EQ(lines[5], "-12 0 1 0 Arial");
    EXPECT_EQ(lines[lines.size() - 2], "  7 0");
    SongDocument back;
    ASSERT_TRUE(LoadSong(back, path("s.dec"), modeloDeFabrica(), dialogs));
    EXPECT_EQ(back.Lines, doc.Lines);
    EXPECT_EQ(back.LineKinds, doc.LineKinds);
    EXPECT_EQ(back.Chords.Symbols, doc.Chords.Symbols);
    EXPECT_EQ(back.Chords.TypeCodes, doc.Chords.TypeCodes);
    EXPECT_EQ(back.Chords.Fingerings, doc.Chords.Fingerings);
    EXPECT_EQ(back.Template, doc.Template);
    EXPECT_TRUE(dialogs.avisos.empty());
}

// A line break typed into a text would end its line early; it is saved as a blank.
TEST_F(SongFileTest, LineBreaksInsideTextsAreWrittenAsBlanks) {
    SongDocument doc = smallSong();
    doc.Lines[1] = "letra\rmais\nainda\r\n";
    doc.Template.Fonts[2].nome = "Fonte\rQuebrada";
    RecordingDialogs dialogs;
    ASSERT_EQ(SaveSong(doc, path("quebras.dec"), dialogs), 0);
    SongDocument back;
    ASSERT_TRUE(LoadSong(back, path("quebras.dec"), modeloDeFabrica(), dialogs));
    EXPECT_EQ(back.Lines[1], "letra mais ainda  ");
    EXPECT_EQ(back.Template.Fonts[2].nome, "Fonte Quebrada");
    EXPECT_EQ(back.lineCount(), doc.lineCount());
}

TEST_F(SongFileTest, EmptySongIsNotWritten) {
    SongDocument doc;
    doc.Modified = true;
    RecordingDialogs dialogs;
    EXPECT_EQ(SaveSong(doc, path("vazio.dec"), dialogs), 0);
    EXPECT_EQ(dialogs.avisos, (std::vector<std::string>{"Documento vazio. Gravação cancelada."}));
    EXPECT_FALSE(std::filesystem::exists(path("vazio.dec")));
    EXPECT_TRUE(doc.Modified);
}

// The golden version 01.00 file with one line replaced (1-based), or cut.
std::string goldenWith(int lineNumber, const std::string& text) {
    auto lines = fileLines(readBytes(goldenSong("asa_branca_v1.dec")));
    if (lineNumber > static_cast<int>(lines.size())) lines.resize(lineNumber);
    lines[lineNumber - 1] = text;
    std::string out;
    for (const auto& line : lines) out += line + "\r\n";
    return out;
}

std::string goldenCutAfter(int lineCount) {
    auto lines = fileLines(readBytes(goldenSong("asa_branca_v1.dec")));
    std::string out;
    for (int i = 0; i < lineCount; ++i) out += lines[i] + "\r\n";
    return out;
}

TEST_F(SongFileTest, DamagedFilesAreRefused) {
    const std::string prefix(25, '3');
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty file", ""},
        {"header only", goldenCutAfter(5)},
        {"declares more lines than it holds", goldenWith(3, "1 2 4 12")},
        {"declares more chords than it holds", goldenWith(3, "1 2 9 7")},
        {"one chord entry missing", goldenCutAfter(21)},
        {"one font line missing", goldenCutAfter(9)},
        {"counts not numbers", goldenWith(3, "1 2 quatro 7")},
        {"counts missing", goldenWith(3, "1 2 4")},
        {"negative count", goldenWith(3, "1 2 -4 7")},
        {"count out of range", goldenWith(3, "1 2 4 99999999999")},
        {"presentation 3", goldenWith(3, "3 2 4 7")},
        {"layout with letters", goldenWith(4, "30 20 trinta 25 0")},
        {"no columns", goldenWith(5, "0 160 0 0 0")},
        {"orientation 2", goldenWith(5, "1 160 0 0 2")},
        {"version not a number", goldenWith(1, "Trovale xx.00 Asa Branca")},
        {"line 1 too short", goldenWith(1, "Trovale")},
        {"font size not a number", goldenWith(6, "doze 0 1 0 Arial")},
        {"font colour not a number", goldenWith(6, "12 preto 1 0 Arial")},
        {"old font order with letters", goldenWith(6, "Arial 12 0 um 0")},
        {"line kind 9", goldenWith(12, "9 Asa Branca")},
        {"line kind 5", goldenWith(12, "5 Asa Branca")},
        {"line kind missing", goldenWith(12, "Asa Branca")},
        {"line kind followed by a letter", goldenWith(12, "0Asa Branca")},
        {"chord line names a missing entry", goldenWith(14, "3 " + prefix + "7")},
        {"chord digit below 3", goldenWith(14, "3 " + prefix + "2")},
        {"26 chords on a line", goldenWith(14, "3 " + prefix + std::string(26, '3'))},
        {"chord entry without type code", goldenWith(19, "Gf")},
        {"chord entry type code with letters", goldenWith(19, "Gf um 0")},
        {"chord entry without fingering", goldenWith(19, "Gf 1")},
        {"fingering of two numbers", goldenWith(19, "Gf 1 763 5118")},
        {"empty chord entry", goldenWith(19, "")},
        {"free entry without fingering", goldenWith(20, "  1")},
        {"binary noise", std::string("\0\xff\x01\r\n\r\n\r\n", 9)},
        // Values no window can save, which the page layout would overflow on.
        {"margin of -2^31", goldenWith(4, "-2147483648 20 30 25 0")},
        {"column of 2^31-1", goldenWith(5, "1 2147483647 0 0 0")},
        {"margin past any paper", goldenWith(4, "10001 20 30 25 0")},
        {"font size of -2^31", goldenWith(6, "-2147483648 0 1 0 Arial")},
        {"font size 0", goldenWith(6, "0 0 1 0 Arial")},
        {"font size past the font window", goldenWith(6, "1639 0 1 0 Arial")},
        {"diagram of 8 mm", goldenWith(10, "8 0 0 0 Arial")},
        {"diagram of 101 mm", goldenWith(10, "-101 0 0 0 Arial")},
    };
    for (const Case& c : cases) {
        writeBytes(path("d.dec"), c.bytes);
        RecordingDialogs dialogs;
        SongDocument doc = smallSong();
        EXPECT_FALSE(LoadSong(doc, path("d.dec"), modeloDeFabrica(), dialogs)) << c.name;
        EXPECT_EQ(dialogs.avisos, (std::vector<std::string>{"Arquivo incompatível ou defeituoso"}))
            << c.name;
        EXPECT_EQ(doc.Lines, smallSong().Lines) << c.name;
    }
}

TEST_F(SongFileTest, TolerableVariationsAreRead) {
    struct Case {
        const char* name;
        std::string bytes;
        FonteElemento title;
    };
    const FonteElemento bold12{"Arial", 12, 0, true, false};
    const Case cases[] = {
        {"capitals", goldenWith(6, "-12 0 1 0 Arial"), {"Arial", -12, 0, true, false}},
        {"older font order", goldenWith(6, "Arial 12 0 1 0"), bold12},
        {"bold other than 1", goldenWith(6, "12 0 2 0 Arial"), {"Arial", 12, 0, false, false}},
        {"LF line ends",
         [] {
             std::string s = readBytes(goldenSong("asa_branca_v1.dec"));
             std::erase(s, '\r');
             return s;
         }(),
         bold12},
        {"no line end at the end",
         [] {
             std::string s = readBytes(goldenSong("asa_branca_v1.dec"));
             s.resize(s.size() - 2);
             return s;
         }(),
         bold12},
        {"text after the chord table", goldenWith(23, "resto"), bold12},
        {"no title on line 1", goldenWith(1, "Trovale 01.00"), bold12},
    };
    for (const Case& c : cases) {
        writeBytes(path("v.dec"), c.bytes);
        RecordingDialogs dialogs;
        SongDocument doc;
        ASSERT_TRUE(LoadSong(doc, path("v.dec"), modeloDeFabrica(), dialogs)) << c.name;
        EXPECT_EQ(doc.Template.Fonts[0], c.title) << c.name;
        EXPECT_EQ(doc.Chords.Fingerings[3], "1027 5118 3001") << c.name;
    }
}

TEST_F(SongFileTest, MissingFileIsReported) {
    RecordingDialogs dialogs;
    SongDocument doc;
    EXPECT_FALSE(LoadSong(doc, path("nenhum.dec"), modeloDeFabrica(), dialogs));
    EXPECT_FALSE(LoadSong(doc, folder_, modeloDeFabrica(), dialogs));
    EXPECT_EQ(dialogs.avisos,
              std::vector<std::string>(
                  2, "Arquivo/caminho impróprio ou dispositivo inválido/defeituoso."));
}

TEST_F(SongFileTest, HeadingForTheFileBrowser) {
    writeBytes(path("sem.dec"), "Trovale 01.00\r\n\r\n1 2 0 0\r\n");
    writeBytes(path("outro.txt"), "Uma carta\nqualquer");
    const auto v1 = readSongHeading(goldenSong("asa_branca_v1.dec"));
    const auto untitled = readSongHeading(path("sem.dec"));
    const auto other = readSongHeading(path("outro.txt"));
    ASSERT_TRUE(v1 && untitled && other);
    EXPECT_TRUE(v1->songFile);
    EXPECT_EQ(v1->title, "Asa Branca");
    EXPECT_EQ(v1->author, "Luiz Gonzaga e Humberto Teixeira");
    EXPECT_TRUE(untitled->songFile);
    EXPECT_EQ(untitled->title, "");
    EXPECT_EQ(untitled->author, "");
    EXPECT_FALSE(other->songFile);
    EXPECT_EQ(other->author, "qualquer");
    const auto v2 = readSongHeading(goldenSong("coracao_de_estudante_v2.dec"));
    EXPECT_EQ(v2->title, "Cora\xE7\xE3o de Estudante");
    EXPECT_FALSE(readSongHeading(path("nenhum.dec")));
    const auto folder = readSongHeading(folder_);
    EXPECT_TRUE(!folder || !folder->songFile);
}

}  // namespace
}  // namespace trovale
