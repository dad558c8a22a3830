// Writing a song file: the lowest version that holds the song, through a temporary file.
#include <string>

#include "catalogue/dialogs.h"
#include "document/song_file.h"

namespace trovale {

namespace {

constexpr std::string_view kFimLinha = "\r\n";
constexpr int kFontesVersao1 = 6;

void addLine(std::string& out, std::string_view text) {
    out += text;
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
    for (int i = 0; i < doc.lineCount(); ++i) {
        out += std::to_string(doc.LineKinds[i]);
        out += ' ';
        addLine(out, doc.Lines[i]);
    }
    for (int i = 0; i < table.size(); ++i)
        addLine(out, table.Symbols[i] + ' ' + table.TypeCodes[i] + ' ' + table.Fingerings[i]);
    return out;
}

std::filesystem::path temporarySavePath(const std::filesystem::path& path) {
    std::filesystem::path temp = path;
    temp += ".tmp";
    return temp;
}

int SaveSong(SongDocument& doc, const std::filesystem::path& path, Dialogs& dialogs,
             SongWriter& writer) {
    if (doc.Lines.empty()) {
        dialogs.aviso(std::string(kMsgDocumentoVazio));
        return 0;
    }
    const std::string text = songFileText(doc);
    const std::filesystem::path temp = temporarySavePath(path);
    if (int erro = writer.create(temp); erro != 0) {
        dialogs.aviso(std::string(kMsgNaoCriado));
        return erro;
    }
    int erro = writer.write(text);
    if (int erroFechar = writer.close(); erro == 0) erro = erroFechar;
    if (erro == 0) erro = writer.replace(temp, path);
    if (erro != 0) {
        writer.discard(temp);
        dialogs.aviso(std::string(kMsgFalhaGravacao));
        return erro;
    }
    doc.Modified = false;
    return 0;
}

int SaveSong(SongDocument& doc, const std::filesystem::path& path, Dialogs& dialogs) {
    DiskSongWriter writer;
    return SaveSong(doc, path, dialogs, writer);
}

}  // namespace trovale
