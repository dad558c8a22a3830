#include "document/lyric_room.h"

#include <algorithm>

namespace trovale {

namespace {

bool branco(char c) {
    return c == ' ' || c == kEspacoAberto;
}

std::size_t semBrancosFinais(std::string_view letra) {
    std::size_t fim = letra.size();
    while (fim > 0 && branco(letra[fim - 1])) --fim;
    return fim;
}

std::size_t par(std::size_t n) {
    return n + n % 2;
}

std::size_t impar(std::size_t n) {
    return n + 1 - n % 2;
}

// Room before the character at `indice`, at least `falta` columns wide. Inside a word a
// hyphen starts it, so that the split syllables still read as one word; after a hyphen of the
// lyric's own none is added. Which of the two it was is kept in the number of non-breaking
// spaces, odd after an added hyphen and even otherwise, so that the room can be taken out
// exactly. A second chord on the same character widens the room by an even number.
void abrirAntesDe(std::string& saida, std::string_view letra, std::size_t indice,
                  std::size_t falta) {
    const char antes = saida.empty() ? ' ' : saida.back();
    const bool palavra = !branco(letra[indice]) && !branco(antes);
    if (antes == kEspacoAberto) {
        saida.append(par(falta), kEspacoAberto);
    } else if (palavra && antes == '-') {
        saida.append(par(falta), kEspacoAberto);
    } else if (palavra) {
        saida += '-';
        saida.append(impar(falta > 1 ? falta - 1 : 1), kEspacoAberto);
    } else {
        saida.append(falta, kEspacoAberto);
    }
}

}  // namespace

LetraAberta abrirEspaco(std::string_view letra, const std::vector<AcordeSobreLetra>& acordes) {
    LetraAberta saida;
    const std::size_t fim = semBrancosFinais(letra);
    std::size_t lidos = 0;
    std::size_t minimo = 0;  // the first column the next symbol may take
    for (const AcordeSobreLetra& acorde : acordes) {
        if (acorde.indice >= fim) {
            saida.indices.push_back(acorde.indice + saida.letra.size() - lidos);
        } else {
            saida.letra.append(letra.substr(lidos, acorde.indice - lidos));
            lidos = acorde.indice;
            if (!saida.indices.empty() && saida.letra.size() < minimo)
                abrirAntesDe(saida.letra, letra, acorde.indice, minimo - saida.letra.size());
            saida.indices.push_back(saida.letra.size());
        }
        minimo = std::max(minimo, saida.indices.back() + acorde.largura + 1);
    }
    saida.letra.append(letra.substr(lidos));
    return saida;
}

LetraAberta fecharEspaco(std::string_view letra, const std::vector<std::size_t>& indices) {
    const std::size_t fim = semBrancosFinais(letra);
    std::vector<bool> aberto(letra.size(), false);
    for (const std::size_t c : indices) {
        if (c >= fim) continue;
        std::size_t s = c;
        while (s > 0 && letra[s - 1] == kEspacoAberto) aberto[--s] = true;
        const bool hifenAcrescentado = (c - s) % 2 == 1 && s >= 2 && letra[s - 1] == '-' &&
                                       !branco(letra[s - 2]) && !branco(letra[c]);
        if (hifenAcrescentado) aberto[s - 1] = true;
    }
    LetraAberta saida;
    std::vector<std::size_t> antes(letra.size() + 1, 0);  // characters kept before each index
    for (std::size_t i = 0; i < letra.size(); ++i) {
        antes[i + 1] = antes[i] + (aberto[i] ? 0 : 1);
        if (!aberto[i]) saida.letra += letra[i];
    }
    const std::size_t tirados = letra.size() - saida.letra.size();
    for (const std::size_t c : indices)
        saida.indices.push_back(c < letra.size() ? antes[c] : c - tirados);
    return saida;
}

}  // namespace trovale
