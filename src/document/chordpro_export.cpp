#include "document/chordpro_export.h"

#include <algorithm>
#include <optional>
#include <set>
#include <vector>

#include "base/text_codec.h"
#include "catalogue/fingering.h"
#include "document/chordpro_directive.h"
#include "document/chordpro_line.h"
#include "document/chordpro_metadata.h"
#include "document/chordpro_positions.h"
#include "document/lyric_room.h"
#include "document/text_conversion.h"
#include "document/text_interpretation.h"

namespace trovale {

namespace {

constexpr std::string_view kInicioCoro = "{start_of_chorus}";
constexpr std::string_view kInicioRefrao = "{start_of_chorus: Refrão}";
constexpr std::string_view kFimCoro = "{end_of_chorus}";
constexpr std::string_view kInicioTab = "{start_of_tab}";
constexpr std::string_view kFimTab = "{end_of_tab}";

bool emBranco(std::string_view texto) {
    return texto.find_first_not_of(' ') == std::string_view::npos;
}

bool precisaDeTab(std::string_view letra) {
    const std::size_t inicio = letra.find_first_not_of(' ');
    if (inicio == std::string_view::npos) return false;
    return letra[inicio] == '{' || letra[inicio] == '#' || letra.find('[') != letra.npos;
}

std::uint8_t tipoDa(const SongDocument& doc, std::size_t i) {
    return i < doc.LineKinds.size() ? doc.LineKinds[i] : kLyricLine;
}

// A lyric, refrain or chorus line with words: the lines that open and close sections.
bool ehLetraDeSecao(const SongDocument& doc, std::size_t i) {
    const std::uint8_t tipo = tipoDa(doc, i);
    return (tipo == kLyricLine || tipo == kRefrainLine || tipo == kChorusLine) &&
           !emBranco(doc.Lines[i]);
}

// The section of the next line that decides one (a chord line goes with its lyric), or the
// normal kind when none follows.
std::uint8_t secaoSeguinte(const SongDocument& doc, std::size_t i) {
    for (; i < doc.Lines.size(); ++i)
        if (ehLetraDeSecao(doc, i)) return tipoDa(doc, i);
    return kLyricLine;
}

// Chords alone in a row that ends on the plain-text mark stood where the mark says: the
// first line of a chorus held only chords.
std::optional<std::uint8_t> secaoDosAcordesSoltos(const SongDocument& doc, std::size_t i) {
    std::size_t j = i + 1;
    while (j < doc.Lines.size() && isChordKind(tipoDa(doc, j))) ++j;
    if (j < doc.Lines.size() && isLyricKind(tipoDa(doc, j)) &&
        doc.Lines[j] == kSeparadorDeAcordes)
        return tipoDa(doc, j);
    return std::nullopt;
}

std::string diretiva(std::string_view nome, std::string_view texto) {
    return "{" + std::string(nome) + ": " + std::string(texto) + "}";
}

// Frets counted from base-fret, as ChordPro has them.
std::string definicao(std::string_view simbolo, const TDigitacao& d) {
    const int casa = std::max(d.Casa, 1);
    std::string texto =
        "{define: " + std::string(simbolo) + " base-fret " + std::to_string(casa) + " frets";
    for (int corda = kCordas; corda >= 1; --corda) {
        const int traste = d.trasteAbsoluto(corda);
        texto += ' ';
        if (!d.tocada(corda))
            texto += 'x';
        else
            texto += std::to_string(traste == 0 ? 0 : traste - casa + 1);
    }
    return texto + "}";
}

// The chords of chord line i as other programs read them: the diminished "º" of this
// program's symbols is the masculine ordinal, which they take for no chord; the degree sign
// reads as the same chord here and there.
std::vector<AcordeNoTexto> acordesParaOutros(const SongDocument& doc, std::size_t i) {
    std::vector<AcordeNoTexto> acordes = acordesNoTexto(doc, i);
    for (AcordeNoTexto& acorde : acordes)
        std::replace(acorde.simbolo.begin(), acorde.simbolo.end(), kOrdinal, kGrau);
    return acordes;
}

// A chord left without a fingering is defined with every string muted: other programs draw
// an empty diagram, and this program reads it back as no fingering.
std::string semDigitacao(std::string_view simbolo) {
    return "{define: " + std::string(simbolo) + " base-fret 1 frets x x x x x x}";
}

// One {define} for each symbol (each variant apart, "G*" beside "G"), in the order the song
// first uses them.
std::vector<std::string> definicoes(const SongDocument& doc) {
    std::vector<std::string> linhas;
    std::set<std::string> escritos;
    for (std::size_t i = 0; i < doc.Lines.size(); ++i) {
        if (!isChordKind(tipoDa(doc, i))) continue;
        for (const AcordeNoTexto& acorde : acordesParaOutros(doc, i)) {
            if (!escritos.insert(acorde.simbolo).second) continue;
            const std::optional<TDigitacaoGravada> g =
                digitacaoDoTexto(doc.Chords.Fingerings[acorde.acorde]);
            linhas.push_back(g ? definicao(acorde.simbolo, Decodificar(*g))
                               : semDigitacao(acorde.simbolo));
        }
    }
    return linhas;
}

// Each symbol goes in before the lyric character at its text column. Past the lyric's end
// blanks lead to it; one blank is enough where the symbol just clears the one before, since
// the import moves a touching symbol there anyway.
std::string letraComAcordes(std::string_view letra, const std::vector<AcordeNoTexto>& acordes) {
    std::string linha;
    std::size_t escritos = 0;  // lyric columns written
    std::size_t livre = 0;     // first column the next symbol may take
    bool primeiro = true;
    for (const AcordeNoTexto& acorde : acordes) {
        std::size_t alvo = static_cast<std::size_t>(acorde.posicao) - 1;
        if (!primeiro && alvo >= letra.size() && alvo == livre)
            alvo = std::min(alvo, std::max(escritos, letra.size()) + 1);
        if (escritos < letra.size()) {
            const std::size_t ate = std::min(alvo, letra.size());
            linha.append(letra.substr(escritos, ate - escritos));
            escritos = ate;
        }
        linha.append(alvo - escritos, ' ');
        escritos = alvo;
        linha += "[" + acorde.simbolo + "]";
        livre = static_cast<std::size_t>(acorde.posicao) + acorde.simbolo.size();
        primeiro = false;
    }
    if (escritos < letra.size()) linha.append(letra.substr(escritos));
    return linha;
}

// The file carries its chords inline: the room the lyric opened for them goes.
std::string semEspacoAberto(std::string_view letra, std::vector<AcordeNoTexto>& acordes) {
    std::vector<std::size_t> indices;
    for (const AcordeNoTexto& acorde : acordes)
        indices.push_back(static_cast<std::size_t>(acorde.posicao) - 1);
    LetraAberta fechada = fecharEspaco(letra, indices);
    for (std::size_t k = 0; k < acordes.size(); ++k)
        acordes[k].posicao = static_cast<int>(fechada.indices[k]) + 1;
    return std::move(fechada.letra);
}

class Escrita {
  public:
    explicit Escrita(const SongDocument& doc) : doc_(doc) {}

    std::string texto() {
        std::size_t i = 0;
        for (; i < doc_.Lines.size() && tipoDa(doc_, i) <= kAuthorLine; ++i) cabecalho(i);
        for (const std::string& d : definicoes(doc_)) escrever(d);
        while (i < doc_.Lines.size()) i = corpo(i);
        entrarEm(kLyricLine);
        fecharTab();
        return std::move(saida_);
    }

  private:
    void escreverUtf8(std::string_view linha) {
        saida_ += linha;
        saida_ += '\n';
    }
    // The program's own directives, UTF-8 already.
    void diretivaUtf8(std::string_view linha) {
        fecharTab();
        escreverUtf8(linha);
    }
    // A song text (Windows-1252) that a ChordPro reader takes as it stands.
    void escrever(std::string_view linha) { diretivaUtf8(utf8DeWindows1252(linha)); }
    // A lyric that a reader would take for chords, a directive or a comment goes in a tab
    // block, whose lines are kept as they are; so does a lyric without chords that the
    // plain-text mark keeps so, mark and all, since this program reads it back by the mark.
    // Under chords the mark is just a character of the lyric, which joins them.
    void escreverLetra(std::string_view letra) {
        if (!precisaDeTab(letra) && !ehTextoSimples(letra)) return escrever(letra);
        if (!emTab_) escreverUtf8(kInicioTab);
        emTab_ = true;
        escreverUtf8(utf8DeWindows1252(letra));
    }
    bool vaiEmTab(std::size_t i) const {
        if (i >= doc_.Lines.size() || !ehLetraDeSecao(doc_, i)) return false;
        const std::string letra = textoSemBrancosFinais(doc_.Lines[i]);
        return precisaDeTab(letra) || ehTextoSimples(letra);
    }
    void fecharTab() {
        if (emTab_) escreverUtf8(kFimTab);
        emTab_ = false;
    }

    // The author goes as {subtitle} too, the only one some readers show.
    void cabecalho(std::size_t i) {
        // A directive's value is read without the blanks around it.
        std::string texto = textoSemBrancosFinais(doc_.Lines[i]);
        texto.erase(0, texto.find_first_not_of(' '));
        if (texto.empty()) return escrever("");
        if (tipoDa(doc_, i) == kTitleLine) return escrever(diretiva("title", texto));
        escrever(diretiva("subtitle", texto));
        escrever(diretiva("artist", texto));
    }

    // Writes line i (with its lyric, for a chord line) and returns the next line to write.
    std::size_t corpo(std::size_t i) {
        const std::uint8_t tipo = tipoDa(doc_, i);
        if (tipo == kGeneratedLine) return i + 1;
        if (ehLetraDeSecao(doc_, i)) {
            entrarEm(tipo);
            escreverLetra(textoSemBrancosFinais(doc_.Lines[i]));
            return i + 1;
        }
        if (isChordKind(tipo)) return linhaDeAcordes(i);
        entrarEm(secaoSeguinte(doc_, i + 1) == secao_ ? secao_ : kLyricLine);
        if (tipo <= kAuthorLine) {
            cabecalho(i);
        } else {
            const std::string texto = textoSemBrancosFinais(doc_.Lines[i]);
            if (tipo == kNotesLine && diretivaDaNota(texto))
                diretivaUtf8(*diretivaDaNota(texto));
            else if (tipo == kNotesLine && !texto.empty())
                escrever(diretiva("comment", texto));
            else
                escreverLetra(texto);
        }
        return i + 1;
    }

    // A chord line joins the lyric below it; over anything else, or over a lyric that must
    // stand in a tab block, it stays a line of chords.
    std::size_t linhaDeAcordes(std::size_t i) {
        std::vector<AcordeNoTexto> acordes = acordesParaOutros(doc_, i);
        if (i + 1 < doc_.Lines.size() && isLyricKind(tipoDa(doc_, i + 1)) &&
            doc_.Lines[i + 1] == kSeparadorDeAcordes) {
            const std::uint8_t antes = secao_, daMarca = tipoDa(doc_, i + 1);
            entrarEm(daMarca);
            escrever(letraComAcordes({}, acordes));
            // The line that keeps them apart is written out before a tab block, where the
            // chords would be read as standing over its first line, and where normal chords
            // before a line without words would be read into the chorus around them (the
            // import marks off a chorus's own chords by itself).
            const std::uint8_t lida = secaoSeguinte(doc_, i + 2) == antes ? antes : kLyricLine;
            const bool semPalavras = i + 2 >= doc_.Lines.size() || !ehLetraDeSecao(doc_, i + 2);
            if (vaiEmTab(i + 2) || (daMarca == kLyricLine && semPalavras && lida != daMarca))
                escrever(kSeparadorDeAcordes);
            return i + 2;
        }
        if (i + 1 < doc_.Lines.size() && ehLetraDeSecao(doc_, i + 1)) {
            const std::string letra = textoSemBrancosFinais(doc_.Lines[i + 1]);
            entrarEm(tipoDa(doc_, i + 1));
            if (precisaDeTab(letra)) {
                escrever(letraComAcordes({}, acordes));
                escreverLetra(letra);
            } else {
                // Read back, a non-breaking space of the lyric's own is a plain one.
                std::string escrita = semEspacoAberto(letra, acordes);
                espacosComunsEntrePalavras(escrita);
                escrever(letraComAcordes(escrita, acordes));
            }
            return i + 2;
        }
        const std::optional<std::uint8_t> marcada = secaoDosAcordesSoltos(doc_, i);
        entrarEm(marcada ? *marcada
                         : (secaoSeguinte(doc_, i + 1) == secao_ ? secao_ : kLyricLine));
        escrever(letraComAcordes({}, acordes));
        return i + 1;
    }

    void entrarEm(std::uint8_t secao) {
        if (secao == secao_) return;
        if (secao_ != kLyricLine) diretivaUtf8(kFimCoro);
        if (secao != kLyricLine) diretivaUtf8(secao == kRefrainLine ? kInicioRefrao : kInicioCoro);
        secao_ = secao;
    }

    const SongDocument& doc_;
    std::string saida_;
    std::uint8_t secao_ = kLyricLine;
    bool emTab_ = false;
};

}  // namespace

std::string chordProDaCancao(const SongDocument& doc) {
    return Escrita(doc).texto();
}

bool gravarChordPro(FileSystem& disco, const std::filesystem::path& caminho,
                    const SongDocument& doc, Dialogs& dialogs) {
    return gravarArquivo(disco, caminho, chordProDaCancao(doc), dialogs) ==
           ResultadoGravacao::Gravado;
}

}  // namespace trovale
