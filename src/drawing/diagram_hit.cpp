#include <algorithm>
#include <cstdlib>

#include "drawing/diagram.h"
#include "drawing/diagram_geometry.h"

namespace trovale {

namespace {

using namespace diagrama;

constexpr int kTolerancia = 2;

bool pestanaCobre(const Pestana& p, int corda, int casa) {
    if (p.vazia() || p.Traste != casa) return false;
    return corda >= std::min(p.CordaInicial, p.CordaFinal) &&
           corda <= std::max(p.CordaInicial, p.CordaFinal);
}

bool notaEm(const TDigitacao& d, int corda, int casa) {
    return std::any_of(d.Notas.begin(), d.Notas.end(),
                       [&](const NotaDedo& n) { return n.Corda == corda && n.Traste == casa; });
}

// The string whose band edge lies nearest across; the lower number wins a tie.
int cordaMaisProxima(const MedidasDiagrama& m, int ac) {
    int melhor = 1, distancia = -1;
    for (int corda = 1; corda <= kCordas; ++corda) {
        const int d =
            std::min(std::abs(ac - m.Corda[corda].inicio), std::abs(ac - m.Corda[corda].fim));
        if (distancia < 0 || d < distancia) melhor = corda, distancia = d;
    }
    return melhor;
}

// The casa containing `al` with its boundaries shrunk by the tolerance; 0 for none.
int casaEm(const MedidasDiagrama& m, int al) {
    for (int casa = 1; casa <= m.Casas; ++casa)
        if (al >= m.Casa[casa].inicio + kTolerancia && al <= m.Casa[casa].fim - kTolerancia)
            return casa;
    return 0;
}

bool sobrePestana(const MedidasDiagrama& m, const TDigitacao& d, int casa, int al, int ac) {
    for (const Pestana& p : d.Pestanas) {
        if (p.vazia() || p.Traste != casa) continue;
        const int centro = centroAlong(m, casa);
        const int meia = m.Wp + kTolerancia - 1;
        const int c0 = std::min(m.Corda[p.CordaInicial].inicio, m.Corda[p.CordaFinal].inicio);
        const int c1 = std::max(m.Corda[p.CordaInicial].inicio, m.Corda[p.CordaFinal].inicio);
        if (std::abs(al - centro) <= meia && ac >= c0 - kTolerancia && ac <= c1 + kTolerancia)
            return true;
    }
    return false;
}

// The box widened by d on every side contains the point.
bool contem(const Retangulo& r, int d, int x, int y) {
    return x >= r.x - d && x <= r.direita() + d && y >= r.y - d && y <= r.baixo() + d;
}

}  // namespace

PontoDiagrama LocalizarPonto(const MedidasDiagrama& m, int x, int y, const TDigitacao& d,
                             bool posicoesDePonto) {
    const int T = kTolerancia;
    if (x < m.X0 - T || x > m.X0 + m.W - 1 + T || y < m.Y0 - T || y > m.Y0 + m.H - 1 + T) return {};
    const int al = along(m, x, y), ac = across(m, x, y);
    const int dir = sentidoFim(m);
    const int grupo0 = std::min(m.Corda[1].inicio, m.Corda[6].inicio) - T;
    const int grupo1 = std::max(m.Corda[1].fim, m.Corda[6].fim) + T;
    const bool noGrupo = ac >= grupo0 && ac <= grupo1;
    const int corda = cordaMaisProxima(m, ac);

    const int baseCasa1 = dir > 0 ? m.Casa[1].inicio : m.Casa[1].fim;
    if ((al - baseCasa1) * dir < T) {
        if (noGrupo) return {corda, 0, kToqueTraste};
        return {};
    }
    int casa = casaEm(m, al);
    const int fimCasaN = dir > 0 ? m.Casa[m.Casas].fim : m.Casa[m.Casas].inicio;
    if (casa == 0 && (al - fimCasaN) * dir > m.Wt + T + 1) casa = m.Casas + 1;
    if (casa == 0) {
        if (noGrupo) return {corda, 1, kToqueTraste};
        return {};
    }

    const bool zonaSimbolo = casa == m.Casas + 1;
    const Retangulo caixa = zonaSimbolo ? caixaSimbolo(m, corda) : caixaPonto(m, corda, casa);
    if (contem(caixa, T - 1, x, y)) {
        if (zonaSimbolo) return {corda, casa, kToqueCorda};
        if (std::any_of(d.Pestanas.begin(), d.Pestanas.end(),
                        [&](const Pestana& p) { return pestanaCobre(p, corda, casa); }))
            return {corda, casa, kToquePestana};
        if (notaEm(d, corda, casa) || posicoesDePonto) return {corda, casa, kToquePonto};
    }
    if (zonaSimbolo) return {corda, casa, kToqueNada};
    if (sobrePestana(m, d, casa, al, ac)) return {corda, casa, kToquePestana};
    if (ac >= m.Corda[corda].inicio - T && ac <= m.Corda[corda].fim + T)
        return {corda, casa, kToqueCorda};
    return {corda, casa, kToqueNada};
}

}  // namespace trovale
