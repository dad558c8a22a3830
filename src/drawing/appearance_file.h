#pragma once
// ASPECTO.INI, the stored diagram appearance: line 1 the four options, line 2 the seven
// proportions as fractions, Windows-1252 text with CR LF line ends.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/file_system.h"
#include "drawing/diagram.h"

namespace trovale {

inline constexpr const char* kArquivoAparencia = "ASPECTO.INI";
inline constexpr const char* kMensagemErroGravacaoAparencia = "Erro de gravação";

// A real in a right-aligned field of 23: sign or blank, d.dddddddddddddd, E, sign, 4 digits.
std::string formatarReal23(double valor);

// The file's bytes for these settings.
std::string bytesAparencia(const Aparencia& aparencia);

// The settings a file holds, or nothing when it is damaged: a missing or unreadable number,
// an option other than 1 or 2, or a proportion beyond its limits or ratios.
std::optional<Aparencia> lerBytesAparencia(std::string_view bytes);

// The stored settings of the program directory; the factory settings when the file is
// missing or damaged. Never shows a message.
Aparencia carregarAparencia(FileSystem& fs, const std::filesystem::path& pasta);

// Replaces the stored settings; false when any step failed, the old file then untouched.
bool gravarAparencia(FileSystem& fs, const std::filesystem::path& pasta,
                     const Aparencia& aparencia);

}  // namespace trovale
