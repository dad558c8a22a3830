#pragma once
// MIDISOM.INI: the sound settings window's device and instrument.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace trovale {

class FileSystem;

inline constexpr std::string_view kArquivoMidi = "MIDISOM.INI";

// Both texts in UTF-8.
struct ConfiguracaoMidi {
    std::string dispositivo;  // the device entry's text
    std::string instrumento;  // "024 - Violão com cordas de nylon", or a bare "007"
    bool operator==(const ConfiguracaoMidi&) const = default;
};

// Two lines, Windows-1252, CR LF. A device name Windows-1252 cannot spell is kept in UTF-8,
// so that it is still found in the list.
std::string formatarMidi(const ConfiguracaoMidi& configuracao);

// Nothing for an empty file; a missing second line is an empty instrument.
std::optional<ConfiguracaoMidi> interpretarMidi(std::string_view bytes);

// Nothing when the file is missing, unreadable or empty; the caller takes its defaults,
// silently.
std::optional<ConfiguracaoMidi> lerMidi(FileSystem& fs, const std::filesystem::path& pastaPrograma);

// Replaces the file whole or leaves it as it was; false, with no message, when it could not.
bool gravarMidi(FileSystem& fs, const std::filesystem::path& pastaPrograma,
                const ConfiguracaoMidi& configuracao);

}  // namespace trovale
