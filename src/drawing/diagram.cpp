#include "drawing/diagram.h"

namespace trovale {

namespace {

int arredondar(double x) {
    return static_cast<int>(x + 0.5);
}

}  // namespace

double& Aparencia::proporcao(int numero) {
    switch (numero) {
        case kPropWC:
            return WC;
        case kPropWT:
            return WT;
        case kPropWB:
            return WB;
        case kPropWP:
            return WP;
        case kPropRP:
            return RP;
        case kPropRT:
            return RT;
        default:
            return WL;
    }
}

double Aparencia::proporcao(int numero) const {
    return const_cast<Aparencia&>(*this).proporcao(numero);
}

void calcularMedidas(const Aparencia& a, int W, int H, MedidasDiagrama& m) {
    const double D = H < W ? H : W;
    const auto& f = m.Forcado;
    if (!f[kForcaRp]) m.Rp = arredondar(a.RP * D);
    if (!f[kForcaRt]) m.Rt = arredondar(a.RT * D);
    if (!f[kForcaWc]) m.Wc = arredondar(a.WC * D);
    if (!f[kForcaWt]) m.Wt = arredondar(a.WT * D);
    if (!f[kForcaWb]) m.Wb = arredondar(a.WB * D);
    // Nothing may vanish at small sizes: each measure is raised to its minimum.
    if (m.Wc < 1) m.Wc = 1;
    if (m.Rp <= m.Wc) m.Rp = 2 * m.Wc;
    if (!f[kForcaWp]) m.Wp = a.RP > 0 ? arredondar(m.Rp * 0.5 * a.WP / a.RP) : 1;
    if (m.Wp == 0) m.Wp = 1;
    if (m.Wt < 1) m.Wt = 1;
    if (m.Wb <= m.Wt) m.Wb = m.Wt + 1;
    if (m.Rt < 2) m.Rt = 2;
    if (!f[kForcaWl]) m.Wl = a.RT > 0 ? arredondar(m.Rt * a.WL / a.RT) : 1;
    if (m.Wl == 0) m.Wl = 1;
}

}  // namespace trovale
