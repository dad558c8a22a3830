// Reading a song file. Whatever the bytes, the reader either builds a sound song or refuses
// the file: declared counts must be present, numbers must be numbers, and every chord a chord
// line names must exist.
#include <algorithm>
#include <array>
#include <charconv>
#include <climits>

#include "base/dialogs.h"
#include "base/file_system.h"
#include "document/song_file.h"

namespace trovale {

namespace {

constexpr int kFontesVersao1 = 6;

// Lines end with CR LF, LF or a lone CR, as a text file reader takes them.
std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    // Room for them all at once: a long song otherwise copies its lines as the list grows.
    lines.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        lines.push_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

// Reads blank-separated decimal numbers from the front of a line.
class NumberReader {
  public:
    explicit NumberReader(std::string_view text) : rest_(text) {}

    // A signed 32-bit number after any blanks, ended by a blank or the end of the line.
    std::optional<int> next() {
        while (!rest_.empty() && rest_.front() == ' ') rest_.remove_prefix(1);
        long long value = 0;
        const char* end = rest_.data() + rest_.size();
        const auto [ptr, ec] = std::from_chars(rest_.data(), end, value);
        if (ec != std::errc() || value < INT_MIN || value > INT_MAX) return std::nullopt;
        if (ptr != end && *ptr != ' ') return std::nullopt;
        rest_.remove_prefix(static_cast<std::size_t>(ptr - rest_.data()));
        return static_cast<int>(value);
    }

    template <std::size_t N>
    std::optional<std::array<int, N>> take() {
        std::array<int, N> values{};
        for (int& v : values) {
            const auto n = next();
            if (!n) return std::nullopt;
            v = *n;
        }
        return values;
    }

    bool onlyBlanksLeft() const { return rest_.find_first_not_of(' ') == std::string_view::npos; }
    std::string_view rest() const { return rest_; }

  private:
    std::string_view rest_;
};

template <std::size_t N>
std::optional<std::array<int, N>> wholeLineOfNumbers(std::string_view line) {
    NumberReader reader(line);
    auto values = reader.take<N>();
    if (!values || !reader.onlyBlanksLeft()) return std::nullopt;
    return values;
}

bool within(int value, int low, int high) {
    return value >= low && value <= high;
}

FonteElemento fontFromFields(std::string_view name, const std::array<int, 4>& f) {
    FonteElemento font;
    font.nome = name;
    font.tamanho = f[0];
    font.cor = f[1];
    font.negrito = f[2] == 1;
    font.italico = f[3] == 1;
    return font;
}

// "size colour bold italic face name", or the older "face size colour bold italic".
std::optional<FonteElemento> parseFont(std::string_view line) {
    const bool newOrder = !line.empty() && (line[0] == '-' || (line[0] >= '0' && line[0] <= '9'));
    if (newOrder) {
        NumberReader reader(line);
        const auto fields = reader.take<4>();
        if (!fields) return std::nullopt;
        std::string_view name = reader.rest();
        if (!name.empty()) name.remove_prefix(1);
        return fontFromFields(name, *fields);
    }
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos) return std::nullopt;
    const auto fields = wholeLineOfNumbers<4>(line.substr(space));
    if (!fields) return std::nullopt;
    return fontFromFields(line.substr(0, space), *fields);
}

bool validKind(int kind) {
    return within(kind, 0, kLineKindCount - 1) && kind != kGeneratedLine;
}

bool parseSongLine(std::string_view line, SongDocument& doc) {
    NumberReader reader(line);
    const auto kind = reader.next();
    if (!kind || !validKind(*kind)) return false;
    std::string_view text = reader.rest();
    if (!text.empty()) text.remove_prefix(1);
    doc.Lines.emplace_back(text);
    doc.LineKinds.push_back(static_cast<std::uint8_t>(*kind));
    return true;
}

bool isDecimal(std::string_view text, std::size_t maxLength) {
    if (text.empty() || text.size() > maxLength) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// "0", or three numbers separated by single blanks.
bool validFingering(std::string_view text) {
    if (text == kNoFingering) return true;
    return wholeLineOfNumbers<3>(text).has_value() && text.front() != ' ' && text.back() != ' ' &&
           text.find("  ") == std::string_view::npos;
}

std::string_view trimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "Symbol TypeCode Fingering"; a free entry starts with a blank.
bool parseChordEntry(std::string_view line, ChordTable& table) {
    std::string_view symbol = kFreeSymbol;
    std::string_view rest;
    if (!line.empty() && line.front() == ' ') {
        rest = trimBlanks(line);
    } else {
        const std::size_t space = line.find(' ');
        if (space == std::string_view::npos) return false;
        symbol = line.substr(0, space);
        rest = line.substr(space + 1);
    }
    const std::size_t space = rest.find(' ');
    if (space == std::string_view::npos) return false;
    const std::string_view typeCode = rest.substr(0, space);
    const std::string_view fingering = rest.substr(space + 1);
    if (symbol.empty() || !isDecimal(typeCode, 5) || !validFingering(fingering)) return false;
    table.append(std::string(symbol), std::string(typeCode), std::string(fingering));
    return true;
}

bool chordLinesNameExistingEntries(const SongDocument& doc) {
    for (int i = 0; i < doc.lineCount(); ++i) {
        if (!isChordKind(doc.LineKinds[i])) continue;
        for (const PlacedChord& placed : decodeChordLine(doc.Lines[i]))
            if (placed.chord == kBadChord || placed.chord >= doc.Chords.size()) return false;
    }
    return true;
}

bool parseLayout(std::string_view line4, std::string_view line5, PageLayout& p) {
    const auto a = wholeLineOfNumbers<5>(line4);
    const auto b = wholeLineOfNumbers<5>(line5);
    if (!a || !b) return false;
    p = {(*a)[0], (*a)[1], (*a)[2], (*a)[3], (*a)[4], (*b)[0], (*b)[1], (*b)[2], (*b)[3], (*b)[4]};
    // The limits LayOut.ini has: nothing else could have been saved.
    return layoutPossivel(p);
}

// Characters 9 and 10 of line 1: "01" is the six-font version, any other number nine.
std::optional<int> fontCountOf(std::string_view magic) {
    if (magic.size() < 13 || !isDecimal(magic.substr(8, 2), 2)) return std::nullopt;
    return magic.substr(8, 2) == "01" ? kFontesVersao1 : kElementosModelo;
}

}  // namespace

std::optional<LoadedSong> parseSongFile(std::string_view bytes, const Modelo& defaultTemplate) {
    const std::vector<std::string_view> lines = splitLines(bytes);
    if (lines.size() < 5) return std::nullopt;
    const auto fontCount = fontCountOf(lines[0]);
    const auto counts = wholeLineOfNumbers<4>(lines[2]);
    if (!fontCount || !counts) return std::nullopt;
    const auto [presentation, listOrder, chordCount, lineCount] = *counts;
    if (!within(presentation, 0, 2) || !within(listOrder, 0, 2) || chordCount < 0 || lineCount < 0)
        return std::nullopt;
    const std::size_t needed = 5 + static_cast<std::size_t>(*fontCount) +
                               static_cast<std::size_t>(lineCount) +
                               static_cast<std::size_t>(chordCount);
    if (lines.size() < needed) return std::nullopt;

    LoadedSong song;
    song.version = std::string(lines[0].substr(8, 5));
    SongDocument& doc = song.doc;
    doc.Template.Presentation = presentation;
    doc.Template.DiagramListOrder = listOrder;
    if (!parseLayout(lines[3], lines[4], doc.Layout)) return std::nullopt;
    std::size_t at = 5;
    for (int i = 0; i < *fontCount; ++i) {
        const auto font = parseFont(lines[at++]);
        if (!font || !tamanhoPossivel(*font, i)) return std::nullopt;
        doc.Template.Fonts[i] = *font;
    }
    for (int i = *fontCount; i < kElementosModelo; ++i) {
        doc.Template.Fonts[i] = defaultTemplate.Fonts[i];
        doc.Template.Fonts[i].tamanho = defaultTemplate.Fonts[i].tamanhoAbsoluto();
    }
    doc.Lines.reserve(lineCount);
    doc.LineKinds.reserve(lineCount);
    for (int i = 0; i < lineCount; ++i)
        if (!parseSongLine(lines[at++], doc)) return std::nullopt;
    for (int i = 0; i < chordCount; ++i)
        if (!parseChordEntry(lines[at++], doc.Chords)) return std::nullopt;
    doc.Template.QuebrarLinhas = at < lines.size() && lines[at] == kMarcaQuebrarLinhas;
    if (!chordLinesNameExistingEntries(doc)) return std::nullopt;
    return song;
}

bool LoadSong(SongDocument& doc, const std::filesystem::path& path, const Modelo& defaultTemplate,
              Dialogs& dialogs, std::string* version) {
    const std::optional<std::string> bytes = lerArquivoRegular(path, kLimiteCancao);
    if (!bytes) {
        dialogs.aviso(mensagemNaoLido(path, kLimiteCancao));
        return false;
    }
    auto song = parseSongFile(*bytes, defaultTemplate);
    if (!song) {
        dialogs.aviso(std::string(kMsgDefeituoso));
        return false;
    }
    doc = std::move(song->doc);
    doc.FileName = path.string();
    doc.Modified = false;
    if (version) *version = std::move(song->version);
    return true;
}

}  // namespace trovale
