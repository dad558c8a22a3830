#include "catalogue/notes.h"

namespace trovale {

int notaDaGrafia(std::string_view grafia) {
    for (int n = 1; n <= kNotasPorOitava; ++n)
        if (NotasSustenido[n] == grafia) return n;
    for (int n = 1; n <= kNotasPorOitava; ++n)
        if (NotasBemol[n] == grafia) return n;
    return 0;
}

std::string GrafiaNota(int nota, bool bemol) {
    if (nota < 1 || nota > kNotasPorOitava) return {};
    return std::string(bemol ? NotasBemol[nota] : NotasSustenido[nota]);
}

}  // namespace trovale
