#include "catalogue/notes.h"

namespace trovale {

int notaDaGrafia(std::string_view grafia) {
    for (int n = 1; n <= kNotasPorOitava; ++n)
        if (NotasSustenido[n] == grafia) return n;
    for (int n = 1; n <= kNotasPorOitava; ++n)
        if (NotasBemol[n] == grafia) return n;
    return 0;
}

int notaDaGrafiaDeCifra(std::string_view grafia) {
    if (const int nota = notaDaGrafia(grafia); nota != 0) return nota;
    for (int n = 1; n <= kNotasPorOitava; ++n)
        if (!NotasEnarmonicas[n].empty() && NotasEnarmonicas[n] == grafia) return n;
    return 0;
}

std::string GrafiaNota(int nota, bool bemol) {
    if (nota < 1 || nota > kNotasPorOitava) return {};
    return std::string(bemol ? NotasBemol[nota] : NotasSustenido[nota]);
}

std::string GrafiaEnarmonica(int nota) {
    if (nota < 1 || nota > kNotasPorOitava) return {};
    return std::string(NotasEnarmonicas[nota]);
}

}  // namespace trovale
