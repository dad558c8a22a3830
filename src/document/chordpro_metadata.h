#pragma once
// What a ChordPro song says of itself ({capo}, {key}, {tempo}, {time}, {duration} and
// {meta: ...}) shown as notes lines in Portuguese ("Capotraste na 2ª casa", "Tom: D"), and
// such notes lines written back as the same directives.

#include <optional>
#include <string>
#include <string_view>

namespace trovale {

// The notes line (Windows-1252) of a directive, by its lower-case name and value; nothing
// for a directive that is none of these.
std::optional<std::string> notaDaDiretiva(std::string_view nome, std::string_view valor);

// The directive (UTF-8, with its braces) a notes line stands for; nothing for any other.
std::optional<std::string> diretivaDaNota(std::string_view nota);

}  // namespace trovale
