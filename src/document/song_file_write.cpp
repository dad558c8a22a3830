// Writing a song file: the lowest version that holds the song, replacing the old file whole.
#include <algorithm>
#include <string>

#include "base/dialogs.h"
#include "base/file_system.h"
#include "document/song_file.h"

namespace trovale {

namespace {

constexpr std::string_view kFimLinha = "\r\n";
constexpr int kFontesVersao1 = 6;

// A CR or LF inside a text would end the line early and the file would not read back.
void addLine(std::string& out, std::string_view text) {
    const std::size_t start = out.size();
    out += text;
    std::replace_if(
        out.begin() + static_cast<std::ptrdiff_t>(start), out.end(),
        [](char c) { return c == '\r' || c == '\n'; }, ' ');
    out += kFimLinha;
}

std::string numbers(std::initializer_list<long long> values) {
    std::string text;
    for (long long v : values) {
        if (!text.empty()) text += ' ';
        text += std::to_string(v);
    }
    return text;
}

std::string firstLine(const SongDocument& doc) {
    std::string line(needsVersion2(doc) ? kMagicVersion2 : kMagicVersion1);
    if (!doc.Lines.empty() && doc.LineKinds[0] == kTitleLine) line += ' ' + doc.Lines[0];
    return line;
}

// The first two song lines, when they are author lines, joined without a separator.
std::string authorLine(const SongDocument& doc) {
    std::string line;
    for (int i = 0; i < 2 && i < doc.lineCount(); ++i)
        if (doc.LineKinds[i] == kAuthorLine) line += doc.Lines[i];
    return line;
}

std::string fontLine(const FonteElemento& font) {
    return numbers({font.tamanho, font.cor, font.negrito ? 1 : 0, font.italico ? 1 : 0}) + ' ' +
           font.nome;
}

}  // namespace

bool needsVersion2(const SongDocument& doc) {
    for (std::uint8_t kind : doc.LineKinds)
        if (kind > kGeneratedLine) return true;
    for (const FonteElemento& font : doc.Template.Fonts)
        if (font.soMaiusculas()) return true;
    return false;
}

std::string songFileText(const SongDocument& doc) {
    const PageLayout& p = doc.Layout;
    const ChordTable& table = doc.Chords;
    std::string out;
    out.reserve(64 * (doc.Lines.size() + table.Symbols.size() + 16));
    addLine(out, firstLine(doc));
    addLine(out, authorLine(doc));
    addLine(out, numbers({doc.Template.Presentation, doc.Template.DiagramListOrder, table.size(),
                          doc.lineCount()}));
    addLine(out, numbers({p.margemEsquerda, p.margemDireita, p.margemSuperior, p.margemInferior,
                          p.espacoColunas}));
    addLine(out, numbers({p.numColunas, p.coluna1, p.coluna2, p.coluna3, p.orientacao}));
    const int fontCount = needsVersion2(doc) ? kElementosModelo : kFontesVersao1;
    for (int i = 0; i < fontCount; ++i) addLine(out, fontLine(doc.Template.Fonts[i]));
    for (int i = 0; i < doc.lineCount(); ++i)
        addLine(out, std::to_string(doc.LineKinds[i]) + ' ' + doc.Lines[i]);
    for (int i = 0; i < table.size(); ++i)
        addLine(out, table.Symbols[i] + ' ' + table.TypeCodes[i] + ' ' + table.Fingerings[i]);
    // Past everything a reader counts: a version that does not wrap reads the song as before.
    if (doc.Template.QuebrarLinhas) addLine(out, kMarcaQuebrarLinhas);
    return out;
}

int SaveSong(SongDocument& doc, const std::filesystem::path& path, Dialogs& dialogs,
             FileSystem& disco) {
    if (doc.Lines.empty()) {
        dialogs.aviso(std::string(kMsgDocumentoVazio));
        return 0;
    }
    try {
        disco.writeFile(path, songFileText(doc));
    } catch (const FileSystemError& erro) {
        dialogs.aviso(std::string(erro.incompleto() ? kMsgFalhaGravacao : kMsgNaoCriado));
        return erro.codigo();
    }
    doc.Modified = false;
    return 0;
}

int SaveSong(SongDocument& doc, const std::filesystem::path& path, Dialogs& dialogs) {
    DiskFileSystem disco;
    return SaveSong(doc, path, dialogs, disco);
}

}  // namespace trovale
