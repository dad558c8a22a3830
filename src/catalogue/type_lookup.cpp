#include "catalogue/type_lookup.h"

#include <algorithm>
#include <array>
#include <string>

#include "catalogue/intervals.h"
#include "catalogue/notes.h"

namespace trovale {

namespace {

constexpr std::size_t kMaxLetrasAssinatura = 5;
constexpr std::string_view kSemDerivados = "*";

constexpr char letra(int codigoIntervalo) {
    return static_cast<char>('@' + codigoIntervalo);
}

bool contem(std::string_view texto, std::string_view token) {
    return texto.find(token) != std::string_view::npos;
}

void trocarPrimeira(std::string& texto, std::string_view de, std::string_view para) {
    const std::size_t pos = texto.find(de);
    if (pos != std::string::npos) texto.replace(pos, de.size(), para);
}

// A note the symbol may mean as either of two intervals (b5 or #11, #5 or b13, 6 or 13).
struct Alternativa {
    char primeira;
    char segunda;
};

// The letters a canonical string asks for: fixed ones and alternatives.
struct Pedido {
    std::string base;
    std::array<Alternativa, 6> alternativas{};
    int numAlternativas = 0;

    void acrescentar(char primeira, char segunda) {
        alternativas[numAlternativas++] = {primeira, segunda};
    }
};

// Signature letters sorted, then types 100 down to 1; more than five letters match nothing.
int tipoPorAssinatura(const CatalogoTipos& tipos, std::string letras) {
    if (letras.size() > kMaxLetrasAssinatura) return 0;
    std::sort(letras.begin(), letras.end());
    for (int t = kMaxTipos; t >= 1; --t)
        if (tipos.AssinaturaIntervalos[t] == letras) return t;
    return 0;
}

// third := minor (B) | sus2 (A) | sus4 (D) | major (C). With the minor third a written sus2
// or sus4 can only be an added ninth or eleventh; sus2 with sus4 counts as sus4 alone.
char letraDaTerca(std::string& c) {
    if (contem(c, "m")) {
        trocarPrimeira(c, "sus2", "add9");
        trocarPrimeira(c, "sus4", "11");
        return letra(2);
    }
    if (contem(c, "2")) return contem(c, "4") ? letra(4) : letra(1);
    return contem(c, "4") ? letra(4) : letra(3);
}

// b5, #5 and 6 each sound like a tension too (#11, b13, 13).
void alternativasDeQuintaESexta(const std::string& c, Pedido& p) {
    if (contem(c, "b5")) p.acrescentar(letra(5), letra(16));
    if (contem(c, "#5")) p.acrescentar(letra(7), letra(17));
    if (contem(c, "6")) p.acrescentar(letra(8), letra(18));
}

// o7 is the diminished chord: minor third, b5 (unless written otherwise) and bb7.
void setima(const std::string& c, Pedido& p) {
    if (contem(c, "o7")) {
        if (p.base[0] == letra(3)) p.base[0] = letra(2);
        if (!contem(c, "b5") && !contem(c, "#11")) p.base += letra(5);
        p.base += letra(9);
    } else if (contem(c, "b7")) {
        p.base += letra(10);
    }
}

void setimaMaiorENona(const std::string& c, Pedido& p) {
    if (contem(c, "7M")) p.base += letra(11);
    if (contem(c, "b9"))
        p.base += letra(12);
    else if (contem(c, "add9"))
        p.base += letra(13);
    else if (contem(c, "#9"))
        p.base += letra(14);
}

// #11 without b5 may stand for the b5 itself.
void decimaPrimeira(const std::string& c, Pedido& p) {
    if (!contem(c, "#11")) {
        if (contem(c, "11")) p.base += letra(15);
    } else if (!contem(c, "b5")) {
        p.acrescentar(letra(16), letra(5));
    }
}

// b13 without #5 may be the #5; 13 without 6 may be the 6.
void decimaTerceira(const std::string& c, Pedido& p) {
    if (contem(c, "b13")) {
        if (!contem(c, "#5")) p.acrescentar(letra(17), letra(7));
    } else if (contem(c, "13") && !contem(c, "6")) {
        p.acrescentar(letra(18), letra(8));
    }
}

// Every choice of one letter per alternative, the first alternative changing fastest
// (first, first, first; second, first, first; first, second, first; ...).
int tipoPorAlternativas(const CatalogoTipos& tipos, const Pedido& p) {
    const unsigned combinacoes = 1u << p.numAlternativas;
    for (unsigned escolha = 0; escolha < combinacoes; ++escolha) {
        std::string letras = p.base;
        for (int i = 0; i < p.numAlternativas; ++i) {
            const Alternativa& a = p.alternativas[i];
            letras += (escolha >> i) & 1u ? a.segunda : a.primeira;
        }
        if (const int t = tipoPorAssinatura(tipos, std::move(letras))) return t;
    }
    return 0;
}

// The interval code d semitones above the root, searched from 18 down; 0 when none.
int codigoComSemitons(int d) {
    for (int codigo = kMaxCodigoIntervalo; codigo >= 1; --codigo)
        if (TabelaIntervalos[codigo].semitons == d) return codigo;
    return 0;
}

bool temSemitons(const IntervalosTipo& intervalos, int d) {
    for (std::uint8_t codigo : intervalos) {
        if (codigo == 0) break;
        if (!codigoIntervaloValido(codigo)) continue;
        const int s = TabelaIntervalos[codigo].semitons;
        if (s == d || s == d + kNotasPorOitava) return true;
    }
    return false;
}

}  // namespace

// canonical == CifraLinear, the highest type number first.
int TipoPorCifra(const CatalogoTipos& tipos, std::string_view canonica) {
    for (int t = kMaxTipos; t >= 1; --t) {
        const std::string& linear = tipos.CifraLinear[t];
        if (linear != kSemDerivados && linear == canonica) return t;
    }
    return 0;
}

// signature := third [b5|#5|6 alternatives] [o7 | b7] [7M] [b9 | 9 | #9] [11 | #11] [b13 | 13]
int TipoPorIntervalos(const CatalogoTipos& tipos, std::string_view canonica) {
    std::string c(canonica);
    Pedido pedido;
    pedido.base = letraDaTerca(c);
    alternativasDeQuintaESexta(c, pedido);
    setima(c, pedido);
    setimaMaiorENona(c, pedido);
    decimaPrimeira(c, pedido);
    decimaTerceira(c, pedido);
    return tipoPorAlternativas(tipos, pedido);
}

// A bass that is a chord note keeps the type; otherwise the type that adds it as an interval:
// d as a low interval (or its ninth/eleventh above 5 semitones), bb7 also as 6, then d an
// octave up as a tension.
int TipoIncluindoBaixo(const CatalogoTipos& tipos, int d, int tipo) {
    if (!CatalogoTipos::numeroValido(tipo)) return 0;
    d = ((d % kNotasPorOitava) + kNotasPorOitava) % kNotasPorOitava;
    const TTipoAcorde& registro = tipos.tipo(tipo);
    if (temSemitons(registro.Intervalos, d)) return tipo;

    const std::string assinatura = AssinaturaDe(registro.Intervalos);
    if (d < 6) d += kNotasPorOitava;
    if (const int k = codigoComSemitons(d)) {
        if (const int t = tipoPorAssinatura(tipos, assinatura + letra(k))) return t;
        if (k == kIntervaloBb7)
            if (const int t = tipoPorAssinatura(tipos, assinatura + letra(kIntervaloSexta)))
                return t;
    }
    if (d <= 9)
        if (const int k = codigoComSemitons(d + kNotasPorOitava))
            return tipoPorAssinatura(tipos, assinatura + letra(k));
    return 0;
}

}  // namespace trovale
