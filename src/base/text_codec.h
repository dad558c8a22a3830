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

// True when the text is well-formed UTF-8 and holds at least one non-ASCII character.
bool pareceUtf8(std::string_view texto);

}  // namespace trovale
