#pragma once
// PALCO.INI: the keys that turn the stage view's pages, so that any pedal can be taught.
//
// Two lines, CR LF: "Avancar=" and "Voltar=", each followed by key names separated by ";",
// as the toolkit spells them in portable text ("PgDown;Space;Right").

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trovale {

class FileSystem;

inline constexpr std::string_view kArquivoPalco = "PALCO.INI";

struct TeclasDoPalco {
    std::vector<std::string> avancar;
    std::vector<std::string> voltar;
    bool operator==(const TeclasDoPalco&) const = default;
};

// What stage pedals send out of the box: Page Down/Up, and the keys a keyboard player expects.
TeclasDoPalco teclasDoPalcoDeFabrica();

std::string formatarTeclasDoPalco(const TeclasDoPalco& teclas);

// A side whose line is missing or names no key keeps the factory keys, so that the pages can
// always be turned by keys.
TeclasDoPalco interpretarTeclasDoPalco(std::string_view bytes);

// The factory keys when the file is missing or unreadable.
TeclasDoPalco lerTeclasDoPalco(FileSystem& fs, const std::filesystem::path& pastaPrograma);

// Replaces the file whole or leaves it as it was; false, with no message, when it could not.
bool gravarTeclasDoPalco(FileSystem& fs, const std::filesystem::path& pastaPrograma,
                         const TeclasDoPalco& teclas);

}  // namespace trovale
