#include "document/chordpro_reading.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "base/text_codec.h"
#include "catalogue/chord_interpreter.h"
#include "catalogue/fingering.h"
#include "document/chordpro_line.h"
#include "document/chordpro_metadata.h"
#include "document/lyric_room.h"
#include "document/song_document.h"
#include "document/text_conversion.h"

namespace trovale {

namespace {

bool emBranco(std::string_view texto) {
    return texto.find_first_not_of(' ') == std::string_view::npos;
}

std::string prefixoDaLinha(int numero) {
    return "Linha " + std::to_string(numero) + ": ";
}

// The highest fret a fingering holds: five frets from a start fret of at most 12.
constexpr int kMaiorTrasteDaDigitacao = kMaxCasa + kMaxTrasteRelativo - 1;

// A whole number read digit by digit and held just past `teto`, so that no length of digits
// overflows.
std::optional<int> numeroAte(std::string_view palavra, int teto) {
    if (palavra.empty()) return std::nullopt;
    int valor = 0;
    for (const char c : palavra) {
        if (c < '0' || c > '9') return std::nullopt;
        valor = std::min(valor * 10 + (c - '0'), teto + 1);
    }
    return valor;
}

bool mesmaPalavra(std::string_view palavra, std::string_view minuscula) {
    return std::equal(
        palavra.begin(), palavra.end(), minuscula.begin(), minuscula.end(),
        [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b; });
}

// True when a {define}'s base-fret, or one of its frets counted from it, is past what a
// fingering holds. Read before the define itself, which adds the two: a fret of ten digits
// must never reach that sum. Numbers belong to the keyword before them; any other word but a
// muted string ends them.
bool alemDaDigitacao(std::string_view valor) {
    enum class Lendo { Nada, CasaBase, Trastes } lendo = Lendo::Nada;
    int casaBase = 1, maiorTraste = 0;
    for (std::size_t i = valor.find_first_not_of(' '); i != valor.npos;
         i = valor.find_first_not_of(' ', i)) {
        const std::size_t fim = std::min(valor.find(' ', i), valor.size());
        const std::string_view palavra = valor.substr(i, fim - i);
        i = fim;
        const std::optional<int> n = numeroAte(palavra, kMaiorTrasteDaDigitacao);
        if (n && lendo == Lendo::CasaBase)
            casaBase = *n;
        else if (n && lendo == Lendo::Trastes)
            maiorTraste = std::max(maiorTraste, *n);
        else if (!n && palavra != "x" && palavra != "X" && palavra != "N" && palavra != "-1")
            lendo = mesmaPalavra(palavra, "base-fret") ? Lendo::CasaBase
                    : mesmaPalavra(palavra, "frets")   ? Lendo::Trastes
                                                       : Lendo::Nada;
    }
    const int alem = kMaiorTrasteDaDigitacao;
    return casaBase > alem || maiorTraste > alem ||
           (maiorTraste > 0 && casaBase + maiorTraste - 1 > alem);
}

class Leitor {
  public:
    explicit Leitor(const CatalogoTipos& tipos) : tipos_(tipos) {}

    void ler(std::string_view linha, int numero) {
        const std::size_t antes = saida_.linhas.size();
        cortou_ = false;
        lerLinha(linha, numero);
        if (!cortou_) return;
        ++saida_.linhasCortadas;
        for (std::size_t i = antes; i < saida_.linhas.size(); ++i) saida_.linhas[i].cortada = true;
    }

    LeituraChordPro terminar() {
        separarAcordesSoltos(true);
        if (titulo_)
            saida_.linhas.insert(saida_.linhas.begin(), {*titulo_, kTitleLine, tituloCortado_});
        return std::move(saida_);
    }

  private:
    void lerLinha(std::string_view linha, int numero) {
        if (emTab_) {
            const std::optional<LinhaDiretiva> d = lerDiretiva(linha);
            if (d && d->fechada && d->tipo == DiretivaChordPro::FimTab)
                emTab_ = false;
            else
                guardar(std::string(linha), secao_);
            return;
        }
        const std::size_t inicio = linha.find_first_not_of(' ');
        if (inicio == std::string_view::npos) {
            guardar({}, kLyricLine);
        } else if (linha[inicio] == '#') {
            return;  // a ChordPro comment, meant for nobody
        } else if (const std::optional<LinhaDiretiva> d = lerDiretiva(linha)) {
            diretiva(*d, numero);
        } else {
            letra(linha, numero);
        }
    }

    // An empty line is always normal: the text editor makes it so whatever the marker.
    void guardar(std::string texto, std::uint8_t tipo) {
        if (tipo != kChordLine && acordesAbremSecao_) separarDaSecao();
        if (tipo != kChordLine) secaoSemLinhas_ = false;
        if (tipo != kChordLine) soltosSeguidos_ = 0;
        autorAnterior_.reset();
        cortou_ = cortarLinha(texto) || cortou_;
        if (emBranco(texto)) tipo = kLyricLine;
        acordesSoltos_ = false;
        saida_.linhas.push_back({std::move(texto), tipo});
    }

    // Chords alone keep to themselves, and to the section they stood in: before a lyric
    // without chords, which would take them, and where their section ends.
    void separarAcordesSoltos(bool fimDeSecao) {
        if (!acordesSoltos_ || (fimDeSecao && secaoDosAcordes_ == kLyricLine)) return;
        saida_.linhas.push_back({std::string(kSeparadorDeAcordes), secaoDosAcordes_});
        acordesSoltos_ = false;
        soltosSeguidos_ = 0;
    }

    // Chords alone that open a chorus are marked off from what follows, so that the export
    // knows them for the chorus's. A tab block's first line is the lyric of the chord line
    // just above it: the mark then goes before that one.
    void separarDaSecao() {
        if (!emTab_) return separarAcordesSoltos(false);
        if (!acordesSoltos_ || soltosSeguidos_ < 2) return;
        auto& linhas = saida_.linhas;
        linhas.insert(linhas.end() - 1, {std::string(kSeparadorDeAcordes), secaoDosAcordes_});
        acordesSoltos_ = false;
        soltosSeguidos_ = 0;
    }

    void ignorar(const LinhaDiretiva& d) {
        ++saida_.diretivasIgnoradas;
        auto& nomes = saida_.nomesIgnorados;
        if (!d.nome.empty() && std::find(nomes.begin(), nomes.end(), d.nome) == nomes.end())
            nomes.push_back(d.nome);
    }

    // A directive with nothing to show (no value) is skipped like an unknown one: an empty
    // title or note line would read as an empty normal line.
    void diretiva(const LinhaDiretiva& d, int numero) {
        if (!d.fechada) return ignorar(d);
        switch (d.tipo) {
            case DiretivaChordPro::Titulo:
                if (d.valor.empty()) return ignorar(d);
                if (titulo_) return guardar(d.valor, kTitleLine);  // a second title line
                titulo_ = d.valor;
                tituloCortado_ = cortarLinha(*titulo_);
                cortou_ = cortou_ || tituloCortado_;
                return;
            case DiretivaChordPro::Autor:
                if (d.valor.empty()) return ignorar(d);
                // This program writes the author as {subtitle} and again as {artist}.
                // Only the one repeat: an author line written twice stays twice.
                if (autorAnterior_ == d.valor) {
                    autorAnterior_.reset();
                    return;
                }
                guardar(d.valor, kAuthorLine);
                autorAnterior_ = d.valor;
                return;
            case DiretivaChordPro::Comentario:
                if (d.valor.empty()) return ignorar(d);
                guardar(d.comBrancos, kNotesLine);
                return;
            case DiretivaChordPro::InicioCoro:
                // Chords alone before it keep out of it, whatever section they stood in.
                separarAcordesSoltos(false);
                secaoSemLinhas_ = true;
                secao_ = ehRotuloRefrao(d.valor) ? kRefrainLine : kChorusLine;
                return;
            case DiretivaChordPro::FimDeSecao:
                separarAcordesSoltos(true);
                secao_ = kLyricLine;
                return;
            case DiretivaChordPro::InicioTab:
                emTab_ = true;
                return;
            case DiretivaChordPro::FimTab:
                return;
            case DiretivaChordPro::Acorde:
                return definicao(d, numero);
            case DiretivaChordPro::Outra:
                if (std::optional<std::string> nota = notaDaDiretiva(d.nome, d.valor))
                    return guardar(std::move(*nota), kNotesLine);
                return ignorar(d);
        }
    }

    void definicao(const LinhaDiretiva& d, int numero) {
        const std::string_view valor = d.valor;
        if (alemDaDigitacao(valor)) {
            saida_.avisos.push_back(prefixoDaLinha(numero) + "definição de acorde além da casa " +
                                    std::to_string(kMaiorTrasteDaDigitacao) + ", ignorada.");
            return ignorar(d);
        }
        std::optional<DefinicaoAcorde> lida = lerDefinicao(valor);
        if (!lida) {
            saida_.avisos.push_back(prefixoDaLinha(numero) + "definição de acorde ilegível.");
            return ignorar(d);
        }
        if (!lida->trastes) return ignorar(d);  // a diagram to show, no shape to take
        saida_.definicoes.push_back({std::move(*lida), numero});
    }

    void letra(std::string_view linha, int numero) {
        LetraComAcordes partes = separarAcordes(linha);
        const bool tinhaAcordes = !partes.acordes.empty();
        // The line this program writes to keep chords alone apart from a tab block after them.
        if (!tinhaAcordes && acordesSoltos_ && partes.letra == kSeparadorDeAcordes)
            return separarAcordesSoltos(false);
        if (!tinhaAcordes && !emBranco(partes.letra)) separarAcordesSoltos(false);
        manterComoTexto(partes, numero);
        // Chords past the cut go with it, unread: a long line holds many.
        const std::size_t todos = partes.acordes.size();
        std::erase_if(partes.acordes, [](const AcordeNaLetra& a) {
            return a.indice >= static_cast<std::size_t>(kMaxLineLength);
        });
        cortou_ = cortou_ || partes.acordes.size() < todos;
        std::vector<AcordeNaLetra> acordes = legiveis(std::move(partes.acordes), numero);
        cortou_ = abrirEspacoParaAcordes(partes.letra, acordes) || cortou_;
        const bool soAcordes = emBranco(partes.letra);
        if (!soAcordes && acordesAbremSecao_) separarAcordesSoltos(false);
        if (!acordes.empty()) guardar(linhaDeAcordes(acordes), kChordLine);
        acordesSoltos_ = soAcordes && !acordes.empty();
        secaoDosAcordes_ = secao_;
        acordesAbremSecao_ = acordesSoltos_ && secaoSemLinhas_ && secao_ != kLyricLine;
        soltosSeguidos_ = acordesSoltos_ ? soltosSeguidos_ + 1 : 0;
        // A line that held only chords, none readable, leaves nothing behind.
        if (!soAcordes || !tinhaAcordes) guardar(std::move(partes.letra), secao_);
    }

    // Every chord over the character it went before: the lyric widens where a symbol is
    // longer than the syllables up to the next chord. Non-breaking spaces of the file's own
    // between words become plain ones, so that the room is the only one of its kind; at the
    // end of the line one is the plain-text mark, a character like any other under chords.
    // A chord whose symbol would not end within a song line goes with the cut, and so does
    // the room opened for it; true when one went.
    static bool abrirEspacoParaAcordes(std::string& letra, std::vector<AcordeNaLetra>& acordes) {
        if (acordes.empty()) return false;
        espacosComunsEntrePalavras(letra);
        for (bool cortou = false;; cortou = true) {
            std::vector<AcordeSobreLetra> larguras;
            for (const AcordeNaLetra& a : acordes) larguras.push_back({a.indice, a.simbolo.size()});
            LetraAberta aberta = abrirEspaco(letra, larguras);
            std::vector<AcordeNaLetra> abertos = acordes;
            for (std::size_t k = 0; k < acordes.size(); ++k) abertos[k].indice = aberta.indices[k];
            if (linhaDeAcordes(abertos).size() <= static_cast<std::size_t>(kMaxLineLength)) {
                letra = std::move(aberta.letra);
                acordes = std::move(abertos);
                return cortou;
            }
            acordes.pop_back();
        }
    }

    // What is in brackets and reads as no chord ("[N.C.]", "[x2]") goes back into the lyric
    // as it was written, so that nothing of the line is lost.
    void manterComoTexto(LetraComAcordes& partes, int numero) {
        std::string letra;
        std::size_t lidos = 0;
        std::vector<AcordeNaLetra> acordes;
        for (AcordeNaLetra& acorde : partes.acordes) {
            letra.append(partes.letra, lidos, acorde.indice - lidos);
            lidos = acorde.indice;
            acorde.indice = letra.size();
            if (ehAcorde(acorde.simbolo)) {
                acorde.simbolo = nomeDoArquivo(std::move(acorde.simbolo));
                acordes.push_back(std::move(acorde));
                continue;
            }
            letra += "[" + acorde.simbolo + "]";
            saida_.avisos.push_back(prefixoDaLinha(numero) + "\"" +
                                    utf8DeWindows1252(acorde.simbolo) +
                                    "\" não é cifra; mantido como texto na letra.");
        }
        letra.append(partes.letra, lidos);
        partes.letra = std::move(letra);
        partes.acordes = std::move(acordes);
    }

    // At most as many chords as a chord line holds.
    std::vector<AcordeNaLetra> legiveis(std::vector<AcordeNaLetra> acordes, int numero) {
        if (acordes.size() <= static_cast<std::size_t>(kMaxChordsPerLine)) return acordes;
        saida_.avisos.push_back(prefixoDaLinha(numero) + "mais de " +
                                std::to_string(kMaxChordsPerLine) +
                                " cifras; as excedentes ficaram de fora.");
        acordes.resize(static_cast<std::size_t>(kMaxChordsPerLine));
        return acordes;
    }

    // A blank would split the symbol into two words of the chord line.
    bool ehAcorde(const std::string& simbolo) {
        if (simbolo.find(' ') != std::string::npos) return false;
        auto achado = acordes_.find(simbolo);
        if (achado == acordes_.end())
            achado = acordes_.emplace(simbolo, InterpretarAcorde(tipos_, simbolo).ehAcorde).first;
        return achado->second;
    }

    const CatalogoTipos& tipos_;
    std::unordered_map<std::string, bool> acordes_;
    LeituraChordPro saida_;
    std::optional<std::string> titulo_;
    std::optional<std::string> autorAnterior_;  // the last line read, when an author line
    bool tituloCortado_ = false;
    std::uint8_t secao_ = kLyricLine;
    bool emTab_ = false;
    bool cortou_ = false;         // the line being read lost more than blanks
    bool acordesSoltos_ = false;  // the last line kept was chords alone
    // ... and they open their chorus: without the mark after them the export could not
    // tell that they belong to it.
    bool acordesAbremSecao_ = false;
    bool secaoSemLinhas_ = false;  // the chorus begun holds no line but chords yet
    int soltosSeguidos_ = 0;       // lines of chords alone in a row, up to the last one kept
    std::uint8_t secaoDosAcordes_ = kLyricLine;
};

}  // namespace

LeituraChordPro lerChordPro(const std::vector<std::string>& linhas, const CatalogoTipos& tipos) {
    Leitor leitor(tipos);
    for (std::size_t i = 0; i < linhas.size(); ++i) leitor.ler(linhas[i], static_cast<int>(i) + 1);
    return leitor.terminar();
}

}  // namespace trovale
