#include "document/title_order.h"

#include <algorithm>
#include <numeric>
#include <string_view>

#include "base/accent_folding.h"

namespace trovale {

namespace {

// Code points of a UTF-8 text; a byte that starts no sequence stands for itself.
std::u32string codigos(std::string_view utf8) {
    std::u32string saida;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const int extras = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        if (extras == 0 || i + static_cast<std::size_t>(extras) >= utf8.size()) {
            saida.push_back(b);
            ++i;
            continue;
        }
        char32_t c = b & (0x3F >> extras);
        for (int k = 1; k <= extras; ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3F);
        saida.push_back(c);
        i += static_cast<std::size_t>(extras) + 1;
    }
    return saida;
}

char32_t maiuscula(char32_t c) {
    if ((c >= U'a' && c <= U'z') || (c >= U'à' && c <= U'þ' && c != U'÷')) return c - 0x20;
    return c;
}

// The plain letter of any accented Latin-1 capital.
char32_t letraBase(char32_t c) {
    if (c >= U'À' && c <= U'Å') return U'A';
    if (c == U'Ç') return U'C';
    if (c >= U'È' && c <= U'Ë') return U'E';
    if (c >= U'Ì' && c <= U'Ï') return U'I';
    if (c == U'Ñ') return U'N';
    if ((c >= U'Ò' && c <= U'Ö') || c == U'Ø') return U'O';
    if (c >= U'Ù' && c <= U'Ü') return U'U';
    if (c == U'Ý') return U'Y';
    return c;
}

struct Chave {
    std::u32string letras;   // plain capitals
    std::u32string acentos;  // capitals with their accents, the first letter plain
};

Chave chaveDe(const std::string& titulo) {
    Chave k;
    for (const char32_t c : codigos(titulo)) {
        const char32_t m = maiuscula(c);
        k.letras.push_back(letraBase(m));
        k.acentos.push_back(k.acentos.empty() ? letraSemAcento(m) : m);
    }
    return k;
}

}  // namespace

std::vector<std::size_t> ordemPorTitulo(const std::vector<std::string>& titulos) {
    std::vector<Chave> chaves;
    chaves.reserve(titulos.size());
    for (const std::string& t : titulos) chaves.push_back(chaveDe(t));
    std::vector<std::size_t> ordem(titulos.size());
    std::iota(ordem.begin(), ordem.end(), std::size_t{0});
    std::stable_sort(ordem.begin(), ordem.end(), [&](std::size_t a, std::size_t b) {
        const Chave& x = chaves[a];
        const Chave& y = chaves[b];
        return x.letras != y.letras ? x.letras < y.letras : x.acentos < y.acentos;
    });
    return ordem;
}

}  // namespace trovale
