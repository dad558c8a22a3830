#include "fingering/fingering_validation.h"

#include <algorithm>

namespace trovale {

namespace {

constexpr const char* kRetifique = ". Retifique esta incoerência.";

FingeringCheck invalida(std::string mensagem) {
    return {false, std::move(mensagem)};
}

int trasteAbsolutoDe(const TDigitacao& d, int trasteRelativo) {
    return trasteRelativo + d.Casa - 1;
}

bool cobre(const Pestana& p, int corda) {
    return corda >= std::min(p.CordaInicial, p.CordaFinal) &&
           corda <= std::max(p.CordaInicial, p.CordaFinal);
}

FingeringCheck pestanaInutil(const TDigitacao& d) {
    for (const Pestana& p : d.Pestanas) {
        if (p.vazia() || p.Traste == 0) continue;
        bool soaNaPestana = false;
        for (int corda = 1; corda <= kCordas && !soaNaPestana; ++corda)
            soaNaPestana =
                cobre(p, corda) && d.tocada(corda) && d.trasteRelativo(corda) == p.Traste;
        if (!soaNaPestana)
            return invalida("Pestana totalmente inutil  no traste " +
                            std::to_string(trasteAbsolutoDe(d, p.Traste)) + kRetifique);
    }
    return {};
}

FingeringCheck pressionadaSemToque(const TDigitacao& d) {
    for (int corda = 1; corda <= kCordas; ++corda) {
        if (d.tocada(corda)) continue;
        const bool temNota = std::any_of(d.Notas.begin(), d.Notas.end(), [&](const NotaDedo& n) {
            return !n.vazia() && n.Corda == corda;
        });
        if (temNota)
            return invalida("Corda " + std::to_string(corda) +
                            " pressionada e marcada para não ser ferida" + kRetifique);
    }
    return {};
}

FingeringCheck tresNotas(const TDigitacao& d) {
    if (notasSoantes(d).size() > 2) return {};
    return invalida("No mínimo 3 notas diferentes devem estar habilitadas num acorde.");
}

}  // namespace

FingeringCheck checkNoteBeforeBarre(const TDigitacao& d) {
    for (const Pestana& p : d.Pestanas) {
        if (p.vazia() || p.Traste == 0) continue;
        for (const NotaDedo& n : d.Notas) {
            if (n.vazia() || !cobre(p, n.Corda) || n.Traste >= p.Traste) continue;
            return invalida(
                "Pelo menos uma corda foi inutilmente pressionada antes da pestana"
                " no traste " +
                std::to_string(trasteAbsolutoDe(d, p.Traste)) + kRetifique);
        }
    }
    return {};
}

FingeringCheck validateFingering(const TDigitacao& d) {
    for (auto check : {checkNoteBeforeBarre, pestanaInutil, pressionadaSemToque, tresNotas}) {
        FingeringCheck r = check(d);
        if (!r.valid) return r;
    }
    return {};
}

}  // namespace trovale
