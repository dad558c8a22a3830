#include "document/text_conversion.h"

#include <algorithm>
#include <unordered_map>

#include "base/text_codec.h"
#include "document/chord_columns.h"
#include "document/lyric_room.h"

namespace trovale {

namespace {

constexpr std::size_t kLinhaDeTrabalho = 255;
constexpr std::size_t kCorpoDeTrabalho = 230;

std::string semBrancosFinais(std::string_view texto) {
    return std::string(texto.substr(0, texto.find_last_not_of(' ') + 1));
}

// The lyric a chord line stands over: the next line when it is lyric-like.
std::string letraAbaixo(const SongDocument& doc, std::size_t i) {
    if (i + 1 >= doc.Lines.size() || i + 1 >= doc.LineKinds.size()) return {};
    if (!isLyricKind(doc.LineKinds[i + 1])) return {};
    return semBrancosFinais(doc.Lines[i + 1]);
}

// Writes `texto` from 1-based position t, growing the line when a long song line asks to.
void escrever(std::string& linha, std::size_t t, const std::string& texto) {
    if (linha.size() < t - 1 + texto.size()) linha.resize(t - 1 + texto.size(), ' ');
    linha.replace(t - 1, texto.size(), texto);
}

bool haEspaco(const std::string& linha, std::size_t t) {
    auto livre = [&](std::size_t p) { return p > linha.size() || linha[p - 1] == ' '; };
    return livre(t) && (t == 1 || livre(t - 1));
}

struct AcordeDaLinha {
    int coluna = 0;  // over the lyric, after the room opened for the symbols
    std::string simbolo;
};

// Over the lyric each chord keeps its character: where a symbol would not end before the
// next chord, the lyric widens there. Past its end the columns keep their distances.
std::vector<AcordeDaLinha> acordesSobreALetra(const SongDocument& doc, std::size_t i,
                                              std::string& letra) {
    std::vector<AcordeDaLinha> acordes;
    std::vector<AcordeSobreLetra> larguras;
    for (const PlacedChord& placed : decodeChordLine(doc.Lines[i])) {
        if (placed.chord < 0 || placed.chord >= doc.Chords.size() ||
            doc.Chords.isFree(placed.chord))
            continue;  // a loaded song never holds one; nothing sensible to write
        acordes.push_back({placed.column, displaySymbol(doc.Chords.Symbols[placed.chord])});
        larguras.push_back({static_cast<std::size_t>(std::max(placed.column - 1, 0)),
                            acordes.back().simbolo.size()});
    }
    LetraAberta aberta = abrirEspaco(letra, larguras);
    const int crescimento = static_cast<int>(aberta.letra.size() - letra.size());
    for (std::size_t k = 0; k < acordes.size(); ++k)
        acordes[k].coluna = acordes[k].coluna > static_cast<int>(letra.size())
                                ? acordes[k].coluna + crescimento
                                : static_cast<int>(aberta.indices[k]) + 1;
    letra = std::move(aberta.letra);
    return acordes;
}

// Chords over the lyric stand at their columns; past its end they keep the distance of
// their columns; two symbols are always apart by a blank. The lyric below is given back
// with the room its chords need.
std::optional<std::string> acordesEmTexto(const SongDocument& doc, std::size_t i,
                                          std::string& texto, std::string& letra) {
    const std::vector<AcordeDaLinha> acordes = acordesSobreALetra(doc, i, letra);
    const int n = static_cast<int>(letra.size());
    std::string linha(kLinhaDeTrabalho, ' ');
    ColunasDeCifras colunas(n);
    for (const AcordeDaLinha& acorde : acordes) {
        const int t = colunas.posicionar(acorde.coluna, static_cast<int>(acorde.simbolo.size()));
        if (!haEspaco(linha, static_cast<std::size_t>(t)))
            return kFaltaEspacoCifras + std::to_string(i + 2) + ": \"" + utf8DeWindows1252(letra) +
                   "\".";
        escrever(linha, static_cast<std::size_t>(t), acorde.simbolo);
    }
    linha.resize(static_cast<std::size_t>(colunas.fimDoUltimo()));
    texto = std::move(linha);
    return std::nullopt;
}

// ---- TextToSong ----------------------------------------------------------------------------

using IndiceDeSimbolos = std::unordered_map<std::string, int>;

IndiceDeSimbolos indiceDeSimbolos(const ChordTable& tabela) {
    IndiceDeSimbolos indice;
    for (int i = 0; i < tabela.size(); ++i)
        if (!tabela.isFree(i)) indice.emplace(tabela.Symbols[i], i);
    return indice;
}

// Symbols over the lyric keep their text columns; past its end the blanks between them
// are counted, which SongToText gives back.
std::string codificarLinha(std::string_view linhaTexto, const std::string& letra,
                           const IndiceDeSimbolos& simbolos, std::string& prefixo) {
    std::string corpo(kCorpoDeTrabalho, ' ');
    const int n = static_cast<int>(letra.size());
    int fim = n, k = 0, coluna = 1, extra = 1;
    std::size_t corte = 0;
    std::string d = semBrancosFinais(linhaTexto);
    std::size_t pos = 0;
    while (pos < d.size() && k < kMaxChordsPerLine) {
        for (; pos < d.size() && d[pos] == ' '; ++pos, ++coluna)
            if (coluna > n) ++extra;
        const bool alem = coluna > n;
        const std::size_t branco = std::min(d.find(' ', pos), d.size());
        const std::string simbolo = d.substr(pos, branco - pos);
        pos = std::min(branco + 1, d.size());
        const auto achado = simbolos.find(storedSymbol(simbolo));
        if (achado != simbolos.end()) {
            const int m = achado->second;
            prefixo[static_cast<std::size_t>(k++)] = highDigit(m);
            int p = coluna;
            if (alem) {
                fim += extra;
                p = fim;
                extra = 1;
            }
            if (corpo.size() < static_cast<std::size_t>(p)) corpo.resize(p, ' ');
            corpo[static_cast<std::size_t>(p - 1)] = lowDigit(m);
            corte = static_cast<std::size_t>(p);
        }
        coluna += static_cast<int>(simbolo.size()) + 1;
    }
    corpo.resize(corte);
    return prefixo + corpo;
}

std::string_view marcador(std::uint8_t tipo) {
    switch (tipo) {
        case kTitleLine:
            return "<T>";
        case kAuthorLine:
            return "<A>";
        case kRefrainLine:
            return "<R>";
        case kChorusLine:
            return "<C>";
        case kNotesLine:
            return "<O>";
        default:
            return "<N>";
    }
}

bool linhaVazia(std::string_view texto) {
    return texto.find_first_not_of(' ') == std::string_view::npos;
}

// A normal third line after a title and an author needs no "<N>".
bool dispensaNormal(const SongDocument& doc, std::size_t i) {
    if (linhaVazia(doc.Lines[i])) return true;
    return i == 2 && doc.LineKinds[0] == kTitleLine && doc.LineKinds[1] == kAuthorLine;
}

// ---- Import ------------------------------------------------------------------------------

struct TextoImportado {
    std::vector<std::string> linhas;
    int semEquivalente = 0;  // characters of the kept lines written as "?"
    int cortadas = 0;
    bool truncado = false;
    const char* recusa = nullptr;  // why the bytes are no text; then nothing else is filled
};

std::vector<std::string_view> separarLinhas(std::string_view bytes) {
    std::vector<std::string_view> linhas;
    std::size_t inicio = 0;
    // A plain scan: find_first_of calls memchr once per byte with a two-byte set.
    const auto quebra = [&](std::size_t de) {
        while (de < bytes.size() && bytes[de] != '\r' && bytes[de] != '\n') ++de;
        return de;
    };
    while (inicio < bytes.size()) {
        std::size_t fim = quebra(inicio);
        linhas.push_back(bytes.substr(inicio, fim - inicio));
        if (fim + 1 < bytes.size() && bytes[fim] == '\r' && bytes[fim + 1] == '\n') ++fim;
        inicio = fim + 1;
    }
    return linhas;
}

// DEL too: kept, it would go out in every export and make a short song look like no text.
bool controle(char c) {
    return static_cast<unsigned char>(c) < 32 || c == '\x7F';
}

// What an import leaves of a line: a control character is a blank.
bool branco(char c) {
    return c == ' ' || controle(c);
}

// Tabs stop at every eighth column, as text viewers show them. Stops at `limite` characters;
// `lidos` tells how many characters of `linha` went into them.
std::string semControles(std::string_view linha, std::size_t limite, std::size_t& lidos) {
    constexpr std::size_t kParadaDeTab = 8;
    std::string saida;
    saida.reserve(std::min(linha.size(), limite));
    for (lidos = 0; lidos < linha.size() && saida.size() < limite; ++lidos) {
        const char c = linha[lidos];
        if (c == '\t')
            saida.append(
                std::min(kParadaDeTab - saida.size() % kParadaDeTab, limite - saida.size()), ' ');
        else
            saida += controle(c) ? ' ' : c;
    }
    return saida;
}

struct LinhaDoEditor {
    std::string texto;
    int semEquivalente = 0;
    bool cortada = false;
};

// The codec writes "?" for a character it has no byte for, and every other character of
// well-formed UTF-8 gives exactly one byte: the new "?" of the characters kept are the
// replaced ones.
LinhaDoEditor linhaDoEditor(std::string_view linha, bool utf8, std::size_t limite) {
    LinhaDoEditor saida;
    std::string convertida;
    if (utf8) convertida = windows1252DeUtf8(linha);
    const std::string_view texto = utf8 ? std::string_view(convertida) : linha;
    std::size_t lidos = texto.size();
    if (texto.size() > limite || std::any_of(texto.begin(), texto.end(), controle))
        saida.texto = semControles(texto, limite, lidos);
    else
        saida.texto = texto;
    saida.cortada =
        !std::all_of(texto.begin() + static_cast<std::ptrdiff_t>(lidos), texto.end(), branco);
    if (utf8) {
        const std::string_view original =
            lidos == texto.size() ? linha : linha.substr(0, bytesDosCaracteres(linha, lidos));
        const std::string_view mantida = texto.substr(0, lidos);
        saida.semEquivalente = static_cast<int>(std::count(mantida.begin(), mantida.end(), '?') -
                                                std::count(original.begin(), original.end(), '?'));
    }
    return saida;
}

std::string avisoSemEquivalente(int quantos) {
    if (quantos == 1) return "Atenção: 1 caractere sem equivalente foi substituído por \"?\".";
    return "Atenção: " + std::to_string(quantos) +
           " caracteres sem equivalente foram substituídos por \"?\".";
}

struct TextoDecodificado {
    std::string bytes;  // UTF-8 when `utf8`, else taken as Windows-1252
    bool utf8 = false;
};

TextoDecodificado decodificar(std::string bytes) {
    if (auto doUtf16 = utf8DeUtf16(bytes)) bytes = std::move(*doUtf16);
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
    const bool utf8 = pareceUtf8(bytes);
    return {std::move(bytes), utf8};
}

// A text may hold a stray control character. A binary file holds NULs; one without them, seen
// as a text, has about one character in eight that is a control or no character at all.
const char* recusa(const TextoDecodificado& texto) {
    constexpr std::size_t kEstranhosQueBastam = 8;
    const ComposicaoDoTexto c = composicaoDoTexto(texto.bytes, texto.utf8);
    if (c.nulos > 0) return kNaoETextoNulos;
    if (c.estranhos >= kEstranhosQueBastam && c.estranhos * 10 > c.caracteres)
        return kNaoETextoControles;
    return nullptr;
}

TextoImportado textoImportado(std::string bytes, LinhasLongas longas) {
    const TextoDecodificado decodificado = decodificar(std::move(bytes));
    TextoImportado texto;
    texto.recusa = recusa(decodificado);
    if (texto.recusa) return texto;
    // CR and LF never occur inside a UTF-8 sequence, so the lines can be cut before decoding.
    std::vector<std::string_view> linhas = separarLinhas(decodificado.bytes);
    if (linhas.size() > static_cast<std::size_t>(kMaxLines)) {
        linhas.resize(static_cast<std::size_t>(kMaxLines));
        texto.truncado = true;
    }
    const std::size_t limite = longas == LinhasLongas::Cortadas
                                   ? static_cast<std::size_t>(kMaxLineLength)
                                   : std::string_view::npos;
    texto.linhas.reserve(linhas.size());
    for (const std::string_view linha : linhas) {
        LinhaDoEditor lida = linhaDoEditor(linha, decodificado.utf8, limite);
        texto.semEquivalente += lida.semEquivalente;
        texto.cortadas += lida.cortada;
        texto.linhas.push_back(std::move(lida.texto));
    }
    return texto;
}

}  // namespace

TextoDaCancao linhasEmTexto(const SongDocument& doc) {
    TextoDaCancao resultado;
    resultado.linhas.reserve(doc.Lines.size());
    for (std::size_t i = 0; i < doc.Lines.size(); ++i) {
        if (i < doc.LineKinds.size() && isChordKind(doc.LineKinds[i])) {
            std::string texto;
            std::string letra = letraAbaixo(doc, i);
            resultado.falha = acordesEmTexto(doc, i, texto, letra);
            if (resultado.falha) return resultado;
            resultado.linhas.push_back(std::move(texto));
            if (letra.empty()) continue;
            resultado.linhas.push_back(std::move(letra));
            ++i;
        } else {
            resultado.linhas.push_back(semBrancosFinais(doc.Lines[i]));
        }
    }
    return resultado;
}

bool SongToText(SongDocument& doc, Dialogs& dialogs) {
    TextoDaCancao texto = linhasEmTexto(doc);
    if (texto.falha) {
        dialogs.aviso(*texto.falha);
        return false;
    }
    doc.Lines = std::move(texto.linhas);
    return true;
}

std::vector<std::string> TextToSong(const EditorText& text) {
    const IndiceDeSimbolos simbolos = indiceDeSimbolos(text.chords);
    std::string prefixo = emptyChordLine();
    std::vector<std::string> linhas;
    linhas.reserve(text.lines.size());
    auto ehAcordes = [&](std::size_t i) {
        return i < text.chordLines.size() && text.chordLines[i];
    };
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
        if (!ehAcordes(i)) {
            linhas.push_back(semBrancosFinais(text.lines[i]));
            continue;
        }
        // Only a lyric-like line lends its columns, as SongToText reads them; over a title
        // or an author the chords keep their distances, so the two stay each other's inverse.
        const bool letraSegue = i + 1 < text.lines.size() && !ehAcordes(i + 1) &&
                                (i + 1 >= text.kinds.size() || isLyricKind(text.kinds[i + 1]));
        const std::string letra = letraSegue ? semBrancosFinais(text.lines[i + 1]) : "";
        linhas.push_back(codificarLinha(text.lines[i], letra, simbolos, prefixo));
    }
    return linhas;
}

void InsertMarkers(SongDocument& doc) {
    doc.LineKinds.resize(doc.Lines.size(), kLyricLine);  // one kind per line, always
    std::vector<std::string> linhas;
    std::vector<std::uint8_t> tipos;
    std::uint8_t atual = kTitleLine;
    // The editor ends only an implied author after the second line; one set by "<A>" lasts
    // until an empty line, so a normal line after it needs its "<N>".
    bool autorImplicito = false;
    for (std::size_t i = 0; i < doc.Lines.size(); ++i) {
        const std::uint8_t a = doc.LineKinds[i];
        const bool geral = !isChordKind(a) && a != kGeneratedLine;
        if (geral && a != atual && !(a == kLyricLine && dispensaNormal(doc, i))) {
            const bool sobAcordes = i > 0 && isChordKind(doc.LineKinds[i - 1]);
            const std::size_t onde = sobAcordes ? linhas.size() - 1 : linhas.size();
            linhas.insert(linhas.begin() + static_cast<std::ptrdiff_t>(onde),
                          std::string(marcador(a)));
            tipos.insert(tipos.begin() + static_cast<std::ptrdiff_t>(onde), kLyricLine);
            autorImplicito = false;
        }
        if (geral) atual = a;
        if (i == 0 && atual == kTitleLine) {
            atual = kAuthorLine;
            autorImplicito = true;
        }
        if (i == 1 && atual == kAuthorLine && autorImplicito) atual = kLyricLine;
        if (linhaVazia(doc.Lines[i])) atual = kLyricLine;
        linhas.push_back(doc.Lines[i]);
        tipos.push_back(a);
    }
    doc.Lines = std::move(linhas);
    doc.LineKinds = std::move(tipos);
}

// ---- Files ---------------------------------------------------------------------------------

std::optional<std::vector<std::string>> linhasDoTexto(std::string bytes, Dialogs& dialogs,
                                                      LinhasLongas longas) {
    TextoImportado texto = textoImportado(std::move(bytes), longas);
    if (texto.recusa) {
        dialogs.aviso(texto.recusa);
        return std::nullopt;
    }
    if (texto.semEquivalente > 0) dialogs.aviso(avisoSemEquivalente(texto.semEquivalente));
    if (texto.cortadas > 0) dialogs.aviso(avisoLinhasCortadas(texto.cortadas));
    if (texto.truncado)
        dialogs.aviso("Atenção: arquivo muito longo. Conteúdo truncado na linha " +
                      std::to_string(kMaxLines) + ".");
    return std::move(texto.linhas);
}

std::vector<std::string> linhasDoTexto(std::string bytes) {
    return textoImportado(std::move(bytes), LinhasLongas::Cortadas).linhas;
}

std::optional<std::string> utf8DoTexto(std::string_view bytes) {
    TextoDecodificado texto = decodificar(std::string(bytes));
    if (recusa(texto)) return std::nullopt;
    return texto.utf8 ? std::move(texto.bytes) : utf8DeWindows1252(texto.bytes);
}

bool cortarLinha(std::string& linha, std::size_t limite) {
    if (linha.size() <= limite) return false;
    const bool perdeu =
        !std::all_of(linha.begin() + static_cast<std::ptrdiff_t>(limite), linha.end(), branco);
    linha.resize(limite);
    return perdeu;
}

std::string avisoLinhasCortadas(int quantas) {
    const std::string limite = std::to_string(kMaxLineLength);
    if (quantas == 1) return "Atenção: 1 linha com mais de " + limite + " caracteres foi cortada.";
    return "Atenção: " + std::to_string(quantas) + " linhas com mais de " + limite +
           " caracteres foram cortadas.";
}

std::optional<std::vector<std::string>> lerTextoImportado(FileSystem& disco,
                                                          const std::filesystem::path& caminho,
                                                          Dialogs& dialogs) {
    std::optional<std::string> bytes = disco.readFile(caminho, kLimiteCancao);
    if (!bytes) {
        dialogs.aviso(mensagemNaoLido(caminho, kLimiteCancao));
        return std::nullopt;
    }
    return linhasDoTexto(std::move(*bytes), dialogs);
}

bool gravarTexto(FileSystem& disco, const std::filesystem::path& caminho,
                 const std::vector<std::string>& linhas, Dialogs& dialogs) {
    std::string bytes;
    for (const std::string& linha : linhas) bytes += linha + "\r\n";
    return gravarArquivo(disco, caminho, bytes, dialogs) == ResultadoGravacao::Gravado;
}

}  // namespace trovale
