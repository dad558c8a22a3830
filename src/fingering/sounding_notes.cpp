#include "fingering/sounding_notes.h"

#include <algorithm>

namespace trovale {

std::vector<SoundingNote> soundingNotes(const TDigitacao& digitacao, const ChordToneRow& tons) {
    std::vector<SoundingNote> notas;
    for (int corda = 1; corda <= kCordas; ++corda) {
        if (!digitacao.tocada(corda)) continue;
        const int nota = digitacao.notaDaCorda(corda);
        const bool repetida = std::any_of(notas.begin(), notas.end(),
                                          [&](const SoundingNote& s) { return s.nota == nota; });
        if (!repetida) notas.push_back({nota, labelSpelling(nota, tons), corda});
    }
    return notas;
}

std::vector<int> pitchClasses(const std::vector<SoundingNote>& notas) {
    std::vector<int> classes;
    classes.reserve(notas.size());
    for (const SoundingNote& s : notas) classes.push_back(s.nota);
    return classes;
}

int bassString(const TDigitacao& digitacao) {
    // A valid fingering sounds at least three strings, so its bass is never above string 3.
    for (int corda = 3; corda <= kCordas; ++corda)
        if (digitacao.estado(corda) == kCordaBaixo) return corda;
    for (int corda = kCordas; corda >= 1; --corda)
        if (digitacao.tocada(corda)) return corda;
    return 0;
}

}  // namespace trovale
