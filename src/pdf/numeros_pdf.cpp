#include "pdf/numeros_pdf.h"

#include <charconv>

namespace trovale::pdf {

namespace {

constexpr long long kPotencias[] = {1, 10, 100, 1000, 10000};
// The largest real PDF 1.4 readers are held to; renderers choke on far larger coordinates.
constexpr double kMaximo = 32767;

}  // namespace

void acrescentarInteiro(std::string& saida, long long valor) {
    char buffer[24];
    const auto fim = std::to_chars(buffer, buffer + sizeof buffer, valor).ptr;
    saida.append(buffer, fim);
}

char* escreverNumero(char* destino, double valor, int casas) {
    if (casas < 0) casas = 0;
    if (casas > 4) casas = 4;
    if (!(valor == valor)) valor = 0;
    if (valor > kMaximo) valor = kMaximo;
    if (valor < -kMaximo) valor = -kMaximo;
    // Fixed point: one rounding, integer digits, no locale and no exponent.
    const long long escala = kPotencias[casas];
    const double escalado = valor * static_cast<double>(escala);
    long long n = static_cast<long long>(escalado < 0 ? escalado - 0.5 : escalado + 0.5);
    char* p = destino;
    if (n < 0) {
        *p++ = '-';
        n = -n;
    }
    p = std::to_chars(p, destino + kMaiorNumero, n / escala).ptr;
    long long fracao = n % escala;
    if (fracao != 0) {
        int digitos = casas;
        for (; fracao % 10 == 0; fracao /= 10) --digitos;
        *p = '.';
        for (int i = digitos; i >= 1; --i, fracao /= 10)
            p[i] = static_cast<char>('0' + fracao % 10);
        p += digitos + 1;
    }
    return p;
}

void acrescentarNumero(std::string& saida, double valor, int casas) {
    char buffer[kMaiorNumero];
    saida.append(buffer, escreverNumero(buffer, valor, casas));
}

void acrescentarHex4(std::string& saida, std::uint16_t valor) {
    static constexpr char kDigitos[] = "0123456789ABCDEF";
    const char bytes[4] = {kDigitos[valor >> 12], kDigitos[(valor >> 8) & 15],
                           kDigitos[(valor >> 4) & 15], kDigitos[valor & 15]};
    saida.append(bytes, 4);
}

std::u32string decodificarUtf8(std::string_view utf8) {
    std::u32string saida;
    decodificarUtf8(utf8, saida);
    return saida;
}

void decodificarUtf8(std::string_view utf8, std::u32string& saida) {
    saida.clear();
    saida.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const int extras = b < 0x80                ? 0
                           : b >= 0xC2 && b < 0xE0 ? 1
                           : b >= 0xE0 && b < 0xF0 ? 2
                           : b >= 0xF0 && b < 0xF5 ? 3
                                                   : -1;
        char32_t c = extras <= 0 ? b : b & (0x7F >> (extras + 1));
        bool valido = extras >= 0 && i + static_cast<std::size_t>(extras) < utf8.size();
        for (int k = 1; valido && k <= extras; ++k) {
            const auto seguinte = static_cast<unsigned char>(utf8[i + k]);
            valido = (seguinte & 0xC0) == 0x80;
            c = (c << 6) | (seguinte & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not characters.
        constexpr char32_t kMinimos[] = {0, 0x80, 0x800, 0x10000};
        if (valido && (c < kMinimos[extras] || (c >= 0xD800 && c < 0xE000) || c > 0x10FFFF))
            valido = false;
        saida.push_back(valido ? c : U'\uFFFD');
        i += valido ? static_cast<std::size_t>(extras) + 1 : 1;
    }
}

void acrescentarUtf16Hex(std::string& saida, char32_t caractere) {
    if (caractere > 0x10FFFF || (caractere >= 0xD800 && caractere < 0xE000)) caractere = 0xFFFD;
    if (caractere < 0x10000) {
        acrescentarHex4(saida, static_cast<std::uint16_t>(caractere));
        return;
    }
    const char32_t v = caractere - 0x10000;
    acrescentarHex4(saida, static_cast<std::uint16_t>(0xD800 + (v >> 10)));
    acrescentarHex4(saida, static_cast<std::uint16_t>(0xDC00 + (v & 0x3FF)));
}

std::string textoUtf16Hex(std::string_view utf8) {
    std::string saida = "<FEFF";
    for (char32_t c : decodificarUtf8(utf8)) acrescentarUtf16Hex(saida, c);
    saida.push_back('>');
    return saida;
}

}  // namespace trovale::pdf
