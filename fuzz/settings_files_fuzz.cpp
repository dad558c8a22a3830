// libFuzzer target for MODELO.INI and LayOut.ini: the first byte chooses the file (even:
// MODELO.INI, odd: LayOut.ini), the rest is its content. Any content is accepted or refused
// without a crash, a read out of bounds or an overflow; an accepted value is formatted, and
// the formatted bytes read back to the same value.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_file_layout.h"
#include "settings/settings_file_modelo.h"

namespace {

using namespace trovale;

void modelo(std::string_view bytes) {
    const std::optional<Modelo> lido = interpretarModelo(bytes);
    if (!lido) return;
    const std::optional<Modelo> relido = interpretarModelo(formatarModelo(*lido));
    if (!relido || *relido != *lido) std::abort();
}

void layout(std::string_view bytes) {
    const std::optional<PageLayout> lido = interpretarLayout(bytes);
    if (!lido) return;
    const std::optional<PageLayout> relido = interpretarLayout(formatarLayout(*lido));
    if (!relido || *relido != *lido) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 2 == 0)
        modelo(bytes);
    else
        layout(bytes);
    return 0;
}
