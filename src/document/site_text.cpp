#include "document/site_text.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "base/blanks.h"
#include "catalogue/chord_interpreter.h"
#include "document/capo.h"
#include "document/song_document.h"
#include "document/text_interpretation.h"

namespace trovale {

namespace {

constexpr std::string_view kNotas = "<O>";
constexpr std::string_view kAutor = "<A>";
constexpr std::string_view kNormal = "<N>";
constexpr std::string_view kRefrao = "<R>";
constexpr std::string_view kCoro = "<C>";

// Lower case without accents (Windows-1252), so that "REFRÃO" and "Refrao" match.
char dobrar(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    if ((b >= 0xE0 && b <= 0xE5) || (b >= 0xC0 && b <= 0xC5)) return 'a';
    if ((b >= 0xE8 && b <= 0xEB) || (b >= 0xC8 && b <= 0xCB)) return 'e';
    if ((b >= 0xEC && b <= 0xEF) || (b >= 0xCC && b <= 0xCF)) return 'i';
    if ((b >= 0xF2 && b <= 0xF6) || (b >= 0xD2 && b <= 0xD6)) return 'o';
    if ((b >= 0xF9 && b <= 0xFC) || (b >= 0xD9 && b <= 0xDC)) return 'u';
    if (b == 0xE7 || b == 0xC7) return 'c';
    return c;
}

std::string dobrado(std::string_view texto) {
    std::string saida(texto);
    std::transform(saida.begin(), saida.end(), saida.begin(), dobrar);
    return saida;
}

struct Rotulo {
    std::string_view texto;  // inside the brackets
    std::string_view resto;  // after them
};

// "[Intro] G D": a label in brackets at the start of the line.
std::optional<Rotulo> rotuloDe(std::string_view linha) {
    const std::string_view t = aparar(linha);
    if (t.size() < 3 || t[0] != '[') return std::nullopt;
    const std::size_t fecha = t.find(']');
    if (fecha == std::string_view::npos || fecha < 2) return std::nullopt;
    return Rotulo{aparar(t.substr(1, fecha - 1)), aparar(t.substr(fecha + 1))};
}

bool soAcordes(std::string_view texto, const CatalogoTipos& tipos) {
    texto = aparar(texto);
    if (texto.empty()) return false;
    while (!texto.empty()) {
        const std::size_t fim = std::min(texto.find(' '), texto.size());
        if (!InterpretarAcorde(tipos, texto.substr(0, fim)).ehAcorde) return false;
        texto = aparar(texto.substr(fim));
    }
    return true;
}

// "E|-----3--|", "B|--1--", "e ||--0--": a string's name, a bar and dashes.
bool ehTablatura(std::string_view linha) {
    const std::string_view t = aparar(linha);
    if (t.size() < 4 || std::string_view("EADGBeadgb").find(t[0]) == std::string_view::npos)
        return false;
    std::size_t i = 1;
    if (t[i] == '#' || t[i] == 'b') ++i;
    while (i < t.size() && t[i] == ' ') ++i;
    if (i >= t.size() || (t[i] != '|' && t[i] != ':')) return false;
    return std::count(t.begin() + static_cast<std::ptrdiff_t>(i), t.end(), '-') >= 2;
}

bool comeca(std::string_view dobrada, std::string_view prefixo) {
    return dobrada.substr(0, prefixo.size()) == prefixo;
}

bool ehTom(std::string_view dobrada) {
    return comeca(dobrada, "tom:");
}

bool ehCapotraste(std::string_view dobrada) {
    return comeca(dobrada, "capotraste") || comeca(dobrada, "capo:") || comeca(dobrada, "capo ");
}

bool ehComposicao(std::string_view dobrada) {
    return comeca(dobrada, "composicao de ") || comeca(dobrada, "composicao:");
}

class Leitura {
  public:
    Leitura(const std::vector<std::string>& linhas, const CatalogoTipos& tipos)
        : linhas_(linhas), tipos_(tipos) {}

    std::vector<std::string> ler() {
        for (i_ = 0; i_ < linhas_.size(); ++i_) linha(linhas_[i_]);
        return std::move(saida_);
    }

  private:
    void linha(const std::string& texto) {
        const std::string_view t = aparar(texto);
        const std::string d = dobrado(t);
        if (t.empty()) secao_ = kNormal;  // a blank line ends a section, as in the editor
        if (t.empty() || i_ == 0) return manter(texto);
        // "Capo: 2" becomes the program's own capo line.
        if (const std::optional<int> casa = casaDoCapotraste(t))
            return sozinha(kNotas, linhaDoCapotraste(*casa));
        if (ehTom(d) || ehCapotraste(d)) return sozinha(kNotas, texto);
        if (ehComposicao(d)) return sozinha(kAutor, texto);
        if (const std::optional<Rotulo> r = rotuloDe(t); r && !soAcordes(r->texto, tipos_))
            return rotulo(*r, texto);
        if (ehTablatura(texto)) return manter(comMarcaDeTexto(texto));
        manter(texto);
    }

    void manter(std::string texto) { saida_.push_back(std::move(texto)); }

    bool seguidaDeTexto() const {
        return i_ + 1 < linhas_.size() && !aparar(linhas_[i_ + 1]).empty();
    }

    // One line of its own kind; the section goes on after it.
    void sozinha(std::string_view marcador, const std::string& texto) {
        manter(std::string(marcador));
        manter(texto);
        if (seguidaDeTexto()) manter(std::string(secao_));
    }

    void rotulo(const Rotulo& r, const std::string& texto) {
        if (!r.resto.empty() && !soAcordes(r.resto, tipos_)) return sozinha(kNotas, texto);
        manter(std::string(kNotas));
        manter(std::string(r.texto));
        if (r.resto.empty()) {
            const std::string d = dobrado(r.texto);
            secao_ = comeca(d, "refrao") ? kRefrao : comeca(d, "coro") ? kCoro : kNormal;
            if (seguidaDeTexto()) manter(std::string(secao_));
            return;
        }
        // "[Intro] G D Em C": the chords on a line of their own, apart from a lyric below.
        manter(std::string(secao_));
        manter(std::string(r.resto));
        if (seguidaDeTexto() && !soAcordes(linhas_[i_ + 1], tipos_))
            manter(std::string(1, kMarcaTextoSimples));
    }

    static std::string comMarcaDeTexto(std::string texto) {
        if (texto.size() >= static_cast<std::size_t>(kMaxLineLength))
            texto.resize(static_cast<std::size_t>(kMaxLineLength) - 1);
        return texto + kMarcaTextoSimples;
    }

    const std::vector<std::string>& linhas_;
    const CatalogoTipos& tipos_;
    std::vector<std::string> saida_;
    std::string_view secao_ = kNormal;
    std::size_t i_ = 0;
};

}  // namespace

std::vector<std::string> lerCifraDeSite(std::vector<std::string> linhas,
                                        const CatalogoTipos& tipos) {
    int tipo = 0;
    if (std::any_of(linhas.begin(), linhas.end(),
                    [&tipo](const std::string& l) { return ehMarcador(l, tipo); }))
        return linhas;
    return Leitura(linhas, tipos).ler();
}

std::string tomDaLinha(const std::string& linha) {
    const std::string_view t = aparar(linha);
    if (!ehTom(dobrado(t))) return {};
    const std::string_view valor = aparar(t.substr(4));
    return std::string(valor.substr(0, valor.find(' ')));
}

std::string tomDaCancao(const SongDocument& doc) {
    for (std::size_t i = 0; i < doc.Lines.size() && i < doc.LineKinds.size(); ++i)
        if (doc.LineKinds[i] == kNotesLine)
            if (std::string tom = tomDaLinha(doc.Lines[i]); !tom.empty()) return tom;
    return {};
}

}  // namespace trovale
