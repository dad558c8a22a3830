#include "catalogue/chord_symbol.h"

#include "catalogue/notes.h"

namespace trovale {

namespace {

constexpr char kMarcaVariante = '*';
constexpr int kVarianteSemMarca = 1;
constexpr int kVarianteAsteriscoSo = 2;

bool ehLetraDeNota(char c) {
    return c >= 'A' && c <= 'G';
}
bool ehBarraDeBaixo(char c) {
    return c == '/' || c == '\\';
}
bool ehAcidente(char c) {
    return c == 'b' || c == '#';
}

// bass := ("/" | "\") letter [any] at the very end, letter in A..G.
// Returns the index of the bass letter, or npos when the text ends in no bass.
std::size_t inicioDoBaixo(std::string_view texto) {
    const std::size_t n = texto.size();
    std::size_t barra;
    if (n >= 2 && ehBarraDeBaixo(texto[n - 2]))
        barra = n - 2;
    else if (n >= 3 && ehBarraDeBaixo(texto[n - 3]))
        barra = n - 3;
    else
        return std::string_view::npos;
    return ehLetraDeNota(texto[barra + 1]) ? barra + 1 : std::string_view::npos;
}

// mark := "*" ... to the end of the word.
std::string tirarMarcaVariante(std::string& texto) {
    const std::size_t asterisco = texto.find(kMarcaVariante);
    if (asterisco == std::string::npos) return {};
    std::string marca = texto.substr(asterisco);
    texto.erase(asterisco);
    return marca;
}

}  // namespace

// root := first character ["b" | "#"]
std::string ExtrairRaiz(std::string& texto) {
    std::size_t tamanho = texto.empty() ? 0 : 1;
    if (texto.size() >= 2 && ehAcidente(texto[1])) tamanho = 2;
    std::string raiz = texto.substr(0, tamanho);
    texto.erase(0, tamanho);
    return raiz;
}

// word tail := [bass] [mark]; a bass sounding like the root leaves no chord (empty result).
std::string ExtrairBaixo(std::string& texto, std::string_view raiz) {
    const std::string marca = tirarMarcaVariante(texto);
    const std::size_t inicio = inicioDoBaixo(texto);
    if (inicio == std::string::npos) return std::string(raiz) + marca;
    std::string baixo = texto.substr(inicio);
    texto.erase(inicio - 1);
    if (ValorNota(baixo) == ValorNota(raiz)) return {};
    return baixo + marca;
}

// note := spelling [mark]; the mark does not change the pitch class.
int ValorNota(std::string_view texto) {
    return notaDaGrafiaDeCifra(texto.substr(0, texto.find(kMarcaVariante)));
}

// no "*" = 1; a final "*" = 2; "*" + letter a..z = 1..26. Anything else after "*" is no
// variant we can name, so it falls back to the first fingering.
int numeroVariante(std::string_view baixoComMarca) {
    const std::size_t asterisco = baixoComMarca.find(kMarcaVariante);
    if (asterisco == std::string_view::npos) return kVarianteSemMarca;
    if (baixoComMarca.back() == kMarcaVariante) return kVarianteAsteriscoSo;
    const char letra = baixoComMarca[asterisco + 1];
    if (letra >= 'a' && letra <= 'z') return letra - 'a' + 1;
    return kVarianteSemMarca;
}

std::string semMarcaVariante(std::string_view baixoComMarca) {
    return std::string(baixoComMarca.substr(0, baixoComMarca.find(kMarcaVariante)));
}

}  // namespace trovale
