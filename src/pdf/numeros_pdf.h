#pragma once
// Numbers and strings as PDF files write them: the same bytes whatever the locale.

#include <cstdint>
#include <string>
#include <string_view>

namespace trovale::pdf {

// `valor` with at most `casas` decimals (0 to 4), without trailing zeros; NaN counts as 0 and
// values are held to ±32767, the range PDF 1.4 readers promise for reals.
void acrescentarNumero(std::string& saida, double valor, int casas = 2);
// The same written at `destino`, which has room for kMaiorNumero bytes; returns its end.
inline constexpr int kMaiorNumero = 12;
char* escreverNumero(char* destino, double valor, int casas = 2);
void acrescentarInteiro(std::string& saida, long long valor);
// Four hexadecimal digits, as glyph ids and UTF-16 units are written.
void acrescentarHex4(std::string& saida, std::uint16_t valor);

// The code points of a UTF-8 text; a malformed byte becomes U+FFFD.
std::u32string decodificarUtf8(std::string_view utf8);
// The same into `saida`, replacing what it held; drawing reuses one buffer for every text.
void decodificarUtf8(std::string_view utf8, std::u32string& saida);
// A text string as readers show it whatever its characters: UTF-16BE with its byte-order
// mark, in hexadecimal.
std::string textoUtf16Hex(std::string_view utf8);
// A code point as UTF-16BE hexadecimal (a surrogate pair above U+FFFF).
void acrescentarUtf16Hex(std::string& saida, char32_t caractere);

}  // namespace trovale::pdf
