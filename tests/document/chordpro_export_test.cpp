#include "document/chordpro_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "catalogue/chord_symbol.h"
#include "catalogue/fingering_file.h"
#include "catalogue/fingering_from_frets.h"
#include "catalogue/type_file.h"
#include "document/chordpro_fixture.h"
#include "document/chordpro_import.h"
#include "document/song_file.h"
#include "support/crashing_file_system.h"
#include "support/recording_dialogs.h"

namespace trovale {
namespace {

namespace fs = std::filesystem;
using testing::lerArquivo;

const fs::path kTestes = fs::path(__FILE__).parent_path().parent_path();

// Every song the project keeps: golden name, file.
const std::pair<const char*, fs::path> kCancoes[] = {
    {"asa_branca_v1", fs::path(TROVALE_SONG_GOLDEN_DIR) / "asa_branca_v1.dec"},
    {"coracao_de_estudante_v2", fs::path(TROVALE_SONG_GOLDEN_DIR) / "coracao_de_estudante_v2.dec"},
    {"cantiga_da_tarde", kTestes / "ui" / "golden" / "cantiga_da_tarde.dec"},
    {"ciranda_cirandinha", fs::path(TROVALE_EXAMPLE_SONGS_DIR) / "Ciranda, cirandinha.dec"},
    {"o_cravo_brigou_com_a_rosa",
     fs::path(TROVALE_EXAMPLE_SONGS_DIR) / "O cravo brigou com a rosa.dec"},
    {"peixe_vivo", fs::path(TROVALE_EXAMPLE_SONGS_DIR) / "Peixe vivo.dec"},
};

SongDocument carregar(const fs::path& arquivo) {
    SongDocument doc;
    testing::RecordingDialogs dialogs;
    EXPECT_TRUE(LoadSong(doc, arquivo, modeloDeFabrica(), dialogs)) << arquivo;
    return doc;
}

// What ChordPro cannot carry, set aside on both sides:
// - a fingering filed under another root than its chord's (hand-made test songs): ChordPro
//   gives frets only, so frets are compared;
// - trailing blanks (the text form has none), the chord table's order and type codes.
// Variants ("G*") and chords without a fingering ("0") come back as they were.
int notaDaRaiz(std::string_view simbolo) {
    std::string texto = displaySymbol(simbolo);
    return ValorNota(ExtrairRaiz(texto));
}

enum class Comparacao { Palavras, Trastes };

std::vector<Comparacao> comparacoes(const SongDocument& doc) {
    std::vector<Comparacao> lista;
    for (int i = 0; i < doc.lineCount(); ++i) {
        if (!isChordKind(doc.LineKinds[i])) continue;
        for (const PlacedChord& p : decodeChordLine(doc.Lines[i])) {
            const std::string base(withoutVariantTag(doc.Chords.Symbols[p.chord]));
            const auto g = digitacaoDoTexto(doc.Chords.Fingerings[p.chord]);
            lista.push_back(g && Decodificar(*g).Nota != notaDaRaiz(base) ? Comparacao::Trastes
                                                                          : Comparacao::Palavras);
        }
    }
    return lista;
}

// "kind text" per line; a chord line as "@column symbol fingering" per chord.
std::string descrever(const SongDocument& doc, const std::vector<Comparacao>& modos) {
    std::string texto;
    std::size_t k = 0;
    for (int i = 0; i < doc.lineCount(); ++i) {
        texto += std::to_string(doc.LineKinds[i]);
        if (!isChordKind(doc.LineKinds[i])) {
            texto += ' ' + doc.Lines[i].substr(0, doc.Lines[i].find_last_not_of(' ') + 1) + '\n';
            continue;
        }
        for (const PlacedChord& p : decodeChordLine(doc.Lines[i])) {
            const std::string& digitacao = doc.Chords.Fingerings[p.chord];
            const Comparacao modo = k < modos.size() ? modos[k++] : Comparacao::Palavras;
            texto +=
                " @" + std::to_string(p.column) + ' ' + displaySymbol(doc.Chords.Symbols[p.chord]) +
                ' ' +
                (modo == Comparacao::Palavras ? digitacao : testing::trastesDaDigitacao(digitacao));
        }
        texto += '\n';
    }
    return texto;
}

// The import confirmed in the text editor, into a song with the original's template.
SongDocument deVolta(const SongDocument& doc, const Catalogo& catalogo) {
    ImportacaoChordPro importacao = importarChordPro(chordProDaCancao(doc), {catalogo, 5});
    const InterpretacaoTexto r =
        PrepararLinhas(importacao.linhas, {catalogo, 5}, importacao.conhecidos);
    SongDocument volta;
    volta.Template = doc.Template;  // presentation 2 gives kind 4 chord lines
    BuildFromText(volta, textoDoEditor(r, importacao.conhecidos));
    return volta;
}

TEST(ChordProExport, GoldenSongsByteForByte) {
    for (const auto& [nome, arquivo] : kCancoes)
        EXPECT_EQ(
            chordProDaCancao(carregar(arquivo)),
            lerArquivo(kTestes / "document" / "golden_chordpro" / (std::string(nome) + ".cho")))
            << nome;
}

TEST(ChordProExport, ImportGivesTheSongBack) {
#ifndef TROVALE_SHIPPED_CATALOGUE_DIR
    GTEST_SKIP() << "the shipped catalogue is built only with the tools (not CORE_ONLY)";
#else
    const fs::path pasta = TROVALE_SHIPPED_CATALOGUE_DIR;
    Catalogo catalogo;
    lerTipos(lerArquivo(pasta / "ACORDES.TIP"), catalogo.tipos);
    catalogo.tipos.CalcularEquivalentes();
    lerDigitacoes(lerArquivo(pasta / "POSICOES.DIG"), catalogo.tipos, catalogo.digitacoes);
    for (const auto& [nome, arquivo] : kCancoes) {
        const SongDocument doc = carregar(arquivo);
        const std::vector<Comparacao> modos = comparacoes(doc);
        EXPECT_EQ(descrever(deVolta(doc, catalogo), modos), descrever(doc, modos)) << nome;
    }
#endif
}

// Bytes Windows-1252 leaves undefined are kept in a song and written as their C1 code points;
// the import must take its own export back, however many of them a short song holds.
TEST(ChordProExport, UndefinedBytesComeBack) {
    const Catalogo& catalogo = testing::catalogoDeInterpretacao();
    for (const std::string& titulo :
         {std::string(8, '\x9D'), std::string("\x81\x8D\x8F\x90") + "x"}) {
        SongDocument doc;
        doc.Lines = {titulo};
        doc.LineKinds = {kTitleLine};
        const ImportacaoChordPro volta = importarChordPro(chordProDaCancao(doc), {catalogo, 5});
        EXPECT_FALSE(volta.recusa) << *volta.recusa;
        ASSERT_FALSE(volta.linhas.empty());
        EXPECT_EQ(volta.linhas.front(), titulo);
    }
}

// Lyrics a reader would take for chords or directives, and lyrics kept as plain text by
// their mark, go in a tab block; chords over a note
// stand on a line of their own; blank lines stay inside a chorus.
TEST(ChordProExport, LiteralLinesNotesAndSections) {
    const Catalogo& catalogo = testing::catalogoDeInterpretacao();
    SongDocument doc;
    doc.Chords.append("Afm", "2", testing::catalogada("x 0 2 2 1 0"));
    TDigitacao barra = *digitacaoDeTrastes(*lerTrastes("8 10 10 9 8 8"));
    barra.Nota = 4;  // C
    barra.Tipo = 1;
    const TDigitacaoGravada g = Codificar(barra);
    doc.Chords.append(
        "Cf", "1",
        std::to_string(g.W[0]) + ' ' + std::to_string(g.W[1]) + ' ' + std::to_string(g.W[2]));
    const std::pair<std::uint8_t, std::string> linhas[] = {
        {kTitleLine, "Literais"},      {kChordLine, encodeChordLine({{1, 0}})},
        {kLyricLine, "[x2] ao fim"},   {kChordLine, encodeChordLine({{3, 1}, {4, 0}})},
        {kNotesLine, "Obs"},           {kLyricLine, "# n\xE3o \xE9 coment\xE1rio"},
        {kChorusLine, "Coro"},         {kLyricLine, ""},
        {kChorusLine, "Coro de novo"}, {kLyricLine, "A D E\xA0 "},
    };
    for (const auto& [tipo, texto] : linhas) {
        doc.LineKinds.push_back(tipo);
        doc.Lines.push_back(texto);
    }
    EXPECT_EQ(chordProDaCancao(doc),
              "{title: Literais}\n"
              "{define: Am base-fret 1 frets x 0 2 2 1 0}\n"
              "{define: C base-fret 8 frets 1 3 3 2 1 1}\n"
              "[Am]\n"
              "{start_of_tab}\n"
              "[x2] ao fim\n"
              "{end_of_tab}\n"
              "  [C] [Am]\n"
              "{comment: Obs}\n"
              "{start_of_tab}\n"
              "# não é comentário\n"
              "{end_of_tab}\n"
              "{start_of_chorus}\n"
              "Coro\n"
              "\n"
              "Coro de novo\n"
              "{end_of_chorus}\n"
              "{start_of_tab}\n"
              "A D E\xC2\xA0\n"
              "{end_of_tab}\n");
    const std::vector<Comparacao> modos = comparacoes(doc);
    EXPECT_EQ(descrever(deVolta(doc, catalogo), modos), descrever(doc, modos));
}

// A note goes out as a directive only when that directive reads back as the same note.
TEST(ChordProExport, NotesBecomeDirectivesThatReadBackAsThem) {
    const struct {
        std::string nota;  // Windows-1252
        std::string saida;
    } casos[] = {
        {"Capotraste na 5\xAA casa", "{capo: 5}"},
        {"Capotraste: 99\xAA casa", "{capo: 99}"},
        {"Capotraste: 05", "{comment: Capotraste: 05}"},
        {"Capotraste: 5", "{comment: Capotraste: 5}"},
        {"Tom: G", "{key: G}"},
        {"\xC1lbum: Ao vivo", "{meta: album Ao vivo}"},
        {"Tom:  G", "{comment: Tom:  G}"},
    };
    for (const auto& c : casos) {
        SongDocument doc;
        doc.Lines = {c.nota};
        doc.LineKinds = {kNotesLine};
        EXPECT_EQ(chordProDaCancao(doc), c.saida + "\n") << c.nota;
    }
}

// A failed save leaves the file that was there; a write that fails midway is a failing device,
// said as every other export says it.
TEST(ChordProExport, AFailedSaveKeepsTheOldFile) {
    const fs::path pasta = fs::temp_directory_path() / "trovale_chordpro_falha";
    fs::remove_all(pasta);
    fs::create_directories(pasta);
    const fs::path alvo = pasta / "cancao.cho";
    std::ofstream(alvo, std::ios::binary) << "antiga\n";
    DiskFileSystem real(false);
    testing::CrashingFileSystem disco(real);
    disco.failAtStep(1, testing::CrashingFileSystem::Failure::IoError);
    testing::RecordingDialogs dialogs;
    SongDocument doc;
    doc.Lines = {"Nova"};
    doc.LineKinds = {kTitleLine};
    EXPECT_FALSE(gravarChordPro(disco, alvo, doc, dialogs));
    EXPECT_EQ(lerArquivo(alvo), "antiga\n");
    EXPECT_EQ(dialogs.avisos,
              std::vector<std::string>{"Dispositivo defeituoso ou com espaço insuficiente."});
    ASSERT_TRUE(gravarChordPro(real, alvo, doc, dialogs));
    EXPECT_EQ(lerArquivo(alvo), "{title: Nova}\n");
    fs::remove_all(pasta);
}

}  // namespace
}  // namespace trovale
