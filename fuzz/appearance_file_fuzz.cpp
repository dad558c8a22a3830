// libFuzzer target for ASPECTO.INI: any bytes are read or refused as damaged without a crash
// or a read out of bounds; the settings of an accepted file are written, and the written
// bytes read back to settings that write the very same bytes. Fifteen digits cannot hold
// every double: the proportions read back need only be within their rounding.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "drawing/appearance_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trovale;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<Aparencia> lida = lerBytesAparencia(bytes);
    if (!lida) return 0;
    const std::string escrito = bytesAparencia(*lida);
    const std::optional<Aparencia> relida = lerBytesAparencia(escrito);
    if (!relida || bytesAparencia(*relida) != escrito) std::abort();
    // The options are whole numbers and must come back as they were.
    if (relida->Orientacao != lida->Orientacao || relida->Inicio != lida->Inicio ||
        relida->PrimeiraCorda != lida->PrimeiraCorda || relida->Extensao != lida->Extensao)
        std::abort();
    for (int numero = kPropWC; numero <= kPropWL; ++numero) {
        const double antes = lida->proporcao(numero), depois = relida->proporcao(numero);
        if (std::fabs(depois - antes) > 1e-14 * std::fabs(antes)) std::abort();
    }
    return 0;
}
