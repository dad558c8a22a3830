#include "document/chordpro_line.h"

#include <algorithm>

#include "document/lyric_room.h"

namespace trovale {

void espacosComunsEntrePalavras(std::string& letra) {
    const std::size_t ultimo = letra.find_last_not_of(std::string{' ', kEspacoAberto});
    if (ultimo != std::string::npos)
        std::replace(letra.begin(), letra.begin() + static_cast<std::ptrdiff_t>(ultimo),
                     kEspacoAberto, ' ');
}

LetraComAcordes separarAcordes(std::string_view linha) {
    LetraComAcordes saida;
    std::size_t i = 0;
    while (i < linha.size()) {
        const std::size_t abre = linha.find('[', i);
        saida.letra.append(linha.substr(i, abre == std::string_view::npos ? abre : abre - i));
        if (abre == std::string_view::npos) break;
        const std::size_t fecha = linha.find_first_of("[]", abre + 1);
        if (fecha == std::string_view::npos || linha[fecha] == '[') {
            saida.letra += '[';  // not closed before the next one: plain text
            i = abre + 1;
            continue;
        }
        std::string_view simbolo = linha.substr(abre + 1, fecha - abre - 1);
        const std::size_t inicio = simbolo.find_first_not_of(' ');
        if (inicio != std::string_view::npos) {
            simbolo = simbolo.substr(inicio, simbolo.find_last_not_of(' ') - inicio + 1);
            saida.acordes.push_back({std::string(simbolo), saida.letra.size()});
        }
        i = fecha + 1;
    }
    return saida;
}

std::string linhaDeAcordes(const std::vector<AcordeNaLetra>& acordes) {
    std::string linha;
    for (const AcordeNaLetra& acorde : acordes) {
        // Column index of the character the chord precedes; after a symbol, one blank at least.
        std::size_t coluna = acorde.indice;
        if (!linha.empty()) coluna = std::max(coluna, linha.size() + 1);
        linha.resize(coluna, ' ');
        linha += acorde.simbolo;
    }
    return linha;
}

}  // namespace trovale
