#include "settings/page_layout.h"

#include <algorithm>
#include <optional>

#include "settings/settings_file.h"

namespace trovale {

namespace {

// Fields from song files are not checked, so the limits are worked out in 64 bits.
using Mm = long long;

// At least 30 % of the paper stays for text; whole millimetres, exactly.
Mm reserva(Mm medida) {
    return medida * 3 / 10;
}

Mm colunaMinima(const Papel& papel, Mm n) {
    return n > 0 ? papel.largura * 3 / (10 * n) : 0;
}

bool eColuna(CampoLayout c) {
    return c == CampoLayout::Coluna1 || c == CampoLayout::Coluna2 || c == CampoLayout::Coluna3;
}

bool rebalanceia(CampoLayout c) {
    return eColuna(c) || c == CampoLayout::MargemEsquerda || c == CampoLayout::MargemDireita ||
           c == CampoLayout::EspacoColunas;
}

std::int32_t paraCampo(Mm valor) {
    return static_cast<std::int32_t>(std::clamp<Mm>(valor, INT32_MIN, INT32_MAX));
}

// The minimum wins when the paper leaves no room: text never goes where the printer cannot.
Mm limitar(Mm valor, const Limites& limites) {
    return std::max<Mm>(std::min<Mm>(valor, limites.maximo), limites.minimo);
}

void limitarCampo(PageLayout& layout, CampoLayout c, const Papel& papel) {
    campo(layout, c) = paraCampo(limitar(campo(layout, c), limitesDe(layout, c, papel)));
}

Limites limites(Mm minimo, Mm maximo) {
    return {paraCampo(minimo), paraCampo(maximo)};
}

// Reduces the fields together to 2/3, not below their minimums, while any of them has no
// room left; stops when nothing shrinks any more (a paper too small for any margin).
void encolherJuntos(PageLayout& layout, std::initializer_list<CampoLayout> campos,
                    const Papel& papel) {
    auto semEspaco = [&] {
        return std::any_of(campos.begin(), campos.end(), [&](CampoLayout c) {
            const Limites l = limitesDe(layout, c, papel);
            return l.minimo >= l.maximo;
        });
    };
    while (semEspaco()) {
        bool mudou = false;
        for (CampoLayout c : campos) {
            const Mm minimo = limitesDe(layout, c, papel).minimo;
            const Mm atual = campo(layout, c);
            const Mm novo = std::max<Mm>(atual * 2 / 3, std::min(minimo, atual));
            mudou = mudou || novo != atual;
            campo(layout, c) = paraCampo(novo);
        }
        if (!mudou) break;
    }
}

}  // namespace

bool layoutPossivel(const PageLayout& l) {
    if (l.numColunas < 1 || l.numColunas > kMaxColunas) return false;
    if (l.orientacao != 0 && l.orientacao != 1) return false;
    for (int i = 0; i < kCamposLayout; ++i) {
        const std::int32_t v = campo(l, static_cast<CampoLayout>(i));
        if (v < 0 || v > kMaxMedida) return false;
    }
    return true;
}

std::int32_t& campo(PageLayout& layout, CampoLayout c) {
    switch (c) {
        case CampoLayout::MargemEsquerda:
            return layout.margemEsquerda;
        case CampoLayout::MargemDireita:
            return layout.margemDireita;
        case CampoLayout::MargemSuperior:
            return layout.margemSuperior;
        case CampoLayout::MargemInferior:
            return layout.margemInferior;
        case CampoLayout::EspacoColunas:
            return layout.espacoColunas;
        case CampoLayout::NumColunas:
            return layout.numColunas;
        case CampoLayout::Coluna1:
            return layout.coluna1;
        case CampoLayout::Coluna2:
            return layout.coluna2;
        case CampoLayout::Coluna3:
            return layout.coluna3;
        case CampoLayout::Orientacao:
            break;
    }
    return layout.orientacao;
}

std::int32_t campo(const PageLayout& layout, CampoLayout c) {
    return campo(const_cast<PageLayout&>(layout), c);
}

PageLayout layoutDeFabrica() {
    return PageLayout{};
}

Limites limitesDe(const PageLayout& layout, CampoLayout c, const Papel& papel) {
    const Mm w = papel.largura;
    const Mm h = papel.altura;
    const Mm n = std::clamp<Mm>(layout.numColunas, 1, kMaxColunas);
    const Mm esq = layout.margemEsquerda;
    const Mm dir = layout.margemDireita;
    const Mm sup = layout.margemSuperior;
    const Mm inf = layout.margemInferior;
    const Mm gap = layout.espacoColunas;
    const Mm colMin = colunaMinima(papel, n);
    const Mm colMax = w - esq - dir - (n - 1) * (gap + colMin);
    switch (c) {
        case CampoLayout::MargemSuperior:
            return limites(papel.minSuperior, h - reserva(h) - inf);
        case CampoLayout::MargemInferior:
            return limites(papel.minInferior, h - reserva(h) - sup);
        case CampoLayout::MargemEsquerda:
            return limites(papel.minEsquerda, w - reserva(w) - dir - (n - 1) * gap);
        case CampoLayout::MargemDireita:
            return limites(papel.minDireita, w - reserva(w) - esq - (n - 1) * gap);
        case CampoLayout::EspacoColunas: {
            const Mm livre = w - reserva(w) - esq - dir;
            return n >= 2 ? limites(4, livre / (n - 1)) : limites(0, livre);
        }
        case CampoLayout::NumColunas:
            return limites(1, kMaxColunas);
        case CampoLayout::Coluna1:
            return limites(colMin, colMax);
        case CampoLayout::Coluna2:
            return limites(n == 1 ? 0 : colMin, colMax);
        case CampoLayout::Coluna3:
            return limites(n == 3 ? colMin : 0, colMax);
        case CampoLayout::Orientacao:
            break;
    }
    return limites(0, 1);
}

void rebalancearColunas(PageLayout& layout, CampoLayout alterado, const Papel& papel) {
    const Mm n = std::clamp<Mm>(layout.numColunas, 1, kMaxColunas);
    const Mm d = Mm{papel.largura} - layout.margemEsquerda - layout.margemDireita -
                 (n - 1) * layout.espacoColunas - layout.coluna1 - layout.coluna2 - layout.coluna3;
    // With one column there is no other column to take a change of its width.
    const Mm partes = eColuna(alterado) ? n - 1 : n;
    Mm parte = 0;
    if (partes > 0) {
        parte = d / partes;
        if (d % partes != 0 && d < 0) --parte;  // toward minus infinity
    }
    for (CampoLayout c : {CampoLayout::Coluna1, CampoLayout::Coluna2, CampoLayout::Coluna3}) {
        if (c == alterado) continue;
        const Mm indice = static_cast<int>(c) - static_cast<int>(CampoLayout::Coluna1) + 1;
        Mm valor = campo(layout, c) + parte;
        if (indice > n) valor = 0;
        campo(layout, c) = paraCampo(limitar(valor, limitesDe(layout, c, papel)));
    }
}

int definirCampo(PageLayout& layout, CampoLayout c, int valor, const Papel& papel) {
    if (c == CampoLayout::NumColunas) {
        definirNumeroColunas(layout, valor, papel);
        return layout.numColunas;
    }
    campo(layout, c) = valor;
    limitarCampo(layout, c, papel);
    if (rebalanceia(c)) rebalancearColunas(layout, c, papel);
    return campo(layout, c);
}

bool passoCampo(PageLayout& layout, CampoLayout c, int delta, const Papel& papel) {
    const Limites l = limitesDe(layout, c, papel);
    const Mm valor = Mm{campo(layout, c)} + delta;
    if (valor < l.minimo || valor > l.maximo) return false;
    campo(layout, c) = paraCampo(valor);
    if (rebalanceia(c)) rebalancearColunas(layout, c, papel);
    return true;
}

void ajustarAoPapel(PageLayout& layout, const Papel& papel) {
    encolherJuntos(layout, {CampoLayout::MargemSuperior, CampoLayout::MargemInferior}, papel);
    encolherJuntos(
        layout,
        {CampoLayout::MargemEsquerda, CampoLayout::MargemDireita, CampoLayout::EspacoColunas},
        papel);
    for (int i = 0; i < kCamposLayout; ++i)
        limitarCampo(layout, static_cast<CampoLayout>(i), papel);
    rebalancearColunas(layout, CampoLayout::NumColunas, papel);
}

void definirNumeroColunas(PageLayout& layout, int n, const Papel& papel) {
    layout.numColunas = std::clamp(n, 1, kMaxColunas);
    layout.coluna1 = layout.coluna2 = layout.coluna3 = 0;
    if (layout.numColunas == 1) {
        layout.espacoColunas = 0;
    } else if (layout.espacoColunas == 0) {
        layout.espacoColunas = 15;
    }
    ajustarAoPapel(layout, papel);
}

void girarPapel(PageLayout& layout) {
    layout.orientacao = layout.orientacao == 0 ? 1 : 0;
    layout.coluna1 = layout.coluna2 = layout.coluna3 = 0;
}

int milimetrosDeTextoCm(std::string_view texto) {
    const std::optional<double> cm = numeroDecimal(texto);
    if (!cm) return 0;
    // Beyond any paper; the clamp brings it back.
    if (*cm > 100000) return 1000000;
    return static_cast<int>(*cm * 10 + 0.1);
}

std::string textoEditCm(int milimetros, char separador) {
    if (milimetros == 0) return {};
    std::string digitos = std::to_string(milimetros < 0 ? -milimetros : milimetros);
    if (digitos.size() < 2) digitos.insert(0, "0");
    digitos.insert(digitos.size() - 1, 1, separador);
    return milimetros < 0 ? "-" + digitos : digitos;
}

}  // namespace trovale
