#pragma once
// The one place where Windows-1252 text and UTF-8 text are converted.

#include <optional>
#include <string>
#include <string_view>

namespace trovale {

// Every byte has a form; the five bytes Windows-1252 leaves undefined map to C1 controls.
std::string utf8DeWindows1252(std::string_view texto);

// Appends a code point to a UTF-8 text.
void anexarUtf8(std::string& saida, char32_t c);

// The code point of one Windows-1252 byte.
char32_t unicodeDeWindows1252(unsigned char byte);

// Characters without a Windows-1252 form become "?"; malformed UTF-8 bytes too.
std::string windows1252DeUtf8(std::string_view texto);

// A text that starts with a UTF-16 byte-order mark (little or big endian), as UTF-8 without
// the mark; nothing for any other text. Broken surrogates become U+FFFD.
std::optional<std::string> utf8DeUtf16ComMarca(std::string_view bytes);

// A UTF-16 text saved without its mark, as UTF-8: taken for one when it has an even size, the
// high byte of more than half its characters is NUL and the low byte of nine in ten is not
// (the Latin texts it is met with), and it decodes without a broken surrogate. Nothing for
// any other text.
std::optional<std::string> utf8DeUtf16SemMarca(std::string_view bytes);

// utf8DeUtf16ComMarca, else utf8DeUtf16SemMarca.
std::optional<std::string> utf8DeUtf16(std::string_view bytes);

// True when the text is well-formed UTF-8 and holds at least one non-ASCII character.
bool pareceUtf8(std::string_view texto);

// What the characters of a text (UTF-8 when `utf8`, else Windows-1252) are made of: how many
// there are, how many are NUL, and how many are strange in a text: a control character other
// than tab, line ends, vertical tab and form feed, or no character at all (a Windows-1252 byte
// left undefined, a malformed UTF-8 byte, U+FFFD).
struct ComposicaoDoTexto {
    std::size_t caracteres = 0;
    std::size_t nulos = 0;
    std::size_t estranhos = 0;
};
ComposicaoDoTexto composicaoDoTexto(std::string_view texto, bool utf8);

// Bytes taken by the first `n` characters of a UTF-8 text, a malformed byte counting as one
// character, as windows1252DeUtf8 counts it.
std::size_t bytesDosCaracteres(std::string_view texto, std::size_t n);

}  // namespace trovale
