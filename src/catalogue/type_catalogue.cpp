#include "catalogue/type_catalogue.h"

#include <algorithm>

#include "catalogue/intervals.h"
#include "catalogue/symbol_elements.h"
#include "catalogue/symbol_normalizer.h"

namespace trovale {

void CatalogoTipos::limpar() {
    TiposAcorde.fill(TTipoAcorde{});
    OrdemTipos.clear();
    Legendas.clear();
    NumTipos = 0;
    MaiorNumeroUsado = 0;
    for (int t = 0; t <= kMaxTipos; ++t) {
        CifraLinear[t] = t == 0 ? "" : "*";
        AssinaturaIntervalos[t] = t == 0 ? "" : "*";
    }
    SomaIntervalos.fill(0);
    EquivalenteSeguinte.fill(0);
    EquivalenteAnterior.fill(0);
}

void CatalogoTipos::calcularDerivados(int numero) {
    const TTipoAcorde& tipo = TiposAcorde[numero];
    std::string linear = CifraLinearDe(tipo.CifraPadrao);
    CifraLinear[numero] = NormalizarCifra(linear).substr(0, kMaxCifraLinear);
    AssinaturaIntervalos[numero] = AssinaturaDe(tipo.Intervalos);
}

namespace {

// Every interval of a finds an interval of b giving the same note.
bool somamMesmasNotas(const TTipoAcorde& a, const TTipoAcorde& b) {
    for (std::uint8_t ia : a.Intervalos) {
        if (ia == 0) break;
        bool achou = false;
        for (std::uint8_t ib : b.Intervalos) {
            if (ib == 0) break;
            if (mesmaNota(ia, ib)) achou = true;
        }
        if (!achou) return false;
    }
    return true;
}

}  // namespace

void CatalogoTipos::CalcularEquivalentes() {
    EquivalenteSeguinte.fill(0);
    EquivalenteAnterior.fill(0);
    const int n = NumEntradas();
    for (int q = 0; q < n; ++q) {
        const int a = OrdemTipos[q];
        if (!numeroValido(a)) continue;
        const int intervalosA = NumIntervalos(TiposAcorde[a]);
        for (int r = q + 1; r < n; ++r) {
            const int b = OrdemTipos[r];
            if (!numeroValido(b) || NumIntervalos(TiposAcorde[b]) != intervalosA) continue;
            if (somamMesmasNotas(TiposAcorde[a], TiposAcorde[b])) {
                EquivalenteSeguinte[a] = b;
                EquivalenteAnterior[b] = a;
                break;
            }
        }
    }
}

void CatalogoTipos::CalcularSomas() {
    for (int t = 1; t <= kMaxTipos; ++t) SomaIntervalos[t] = t > NumEntradas() ? kSomaForaDaOrdem : 0;
    for (int t : OrdemTipos) {
        if (!numeroValido(t)) continue;
        int soma = 0;
        for (std::uint8_t codigo : TiposAcorde[t].Intervalos) soma += codigo;
        SomaIntervalos[t] = soma;
    }
}

int CatalogoTipos::MaiorNumeroPresente() const {
    for (int t = kMaxTipos; t >= 1; --t)
        if (!TiposAcorde[t].livre()) return t;
    return 0;
}

int CatalogoTipos::ProximoNumeroLivre() const {
    const int topo = std::max(MaiorNumeroUsado, MaiorNumeroPresente());
    if (topo < kMaxTipos) return topo + 1;
    for (int t = 1; t <= kMaxTipos; ++t)
        if (TiposAcorde[t].livre()) return t;
    return kMaxTipos + 1;
}

}  // namespace trovale
