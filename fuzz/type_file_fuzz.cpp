// libFuzzer target for ACORDES.TIP: any bytes are read or refused as damaged without a crash
// or a read out of bounds; a refused file leaves no entries and no types; an accepted one is
// written, and what was written reads back to the same catalogue and is written again to the
// very same bytes. Only the written form must repeat: a file may use other blanks, line ends
// or element order than the writer does, and of a type number met twice only the last
// definition survives the read (so both entries write it).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "catalogue/type_file.h"

namespace {

using namespace trovale;

bool mesmoTipo(const TTipoAcorde& a, const TTipoAcorde& b) {
    return a.Nome == b.Nome && a.Intervalos == b.Intervalos && a.CifraPadrao == b.CifraPadrao &&
           a.CifraOpcional == b.CifraOpcional;
}

bool vazio(const CatalogoTipos& tipos) {
    if (tipos.NumEntradas() != 0 || tipos.NumTipos != 0 || !tipos.Legendas.empty()) return false;
    for (const TTipoAcorde& t : tipos.TiposAcorde)
        if (!mesmoTipo(t, TTipoAcorde{})) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Static: the catalogue is large, and lerTipos must empty whatever a previous input left.
    static CatalogoTipos tipos;
    const LeituraTipos leitura = lerTipos(bytes, tipos);
    if (leitura.danificado) {
        if (!vazio(tipos)) std::abort();
        return 0;
    }
    const std::string escrito = escreverTipos(tipos);

    static CatalogoTipos relido;
    const LeituraTipos releitura = lerTipos(escrito, relido);
    if (releitura.danificado) std::abort();
    if (relido.OrdemTipos != tipos.OrdemTipos || relido.NumTipos != tipos.NumTipos) std::abort();
    // A slot is free while its name is empty, so a nameless entry is not met "a second time":
    // the duplicates repeat only when every type entry as read had a name.
    bool todosComNome = true;
    for (int k = 0; k < tipos.NumEntradas(); ++k)
        if (tipos.OrdemTipos[k] != 0 && tipos.Legendas[k].empty()) todosComNome = false;
    if (todosComNome && releitura.duplicatas != leitura.duplicatas) std::abort();
    // A separator's caption is its own; a type's is its slot's name, the last definition's.
    for (int k = 0; k < tipos.NumEntradas(); ++k) {
        const int t = tipos.OrdemTipos[k];
        if (relido.Legendas[k] != (t == 0 ? tipos.Legendas[k] : tipos.TiposAcorde[t].Nome))
            std::abort();
    }
    // Slot 0 included: writing gave it the last separator's caption, as reading does.
    for (int t = 0; t <= kMaxTipos; ++t)
        if (!mesmoTipo(relido.TiposAcorde[t], tipos.TiposAcorde[t])) std::abort();
    if (escreverTipos(relido) != escrito) std::abort();
    return 0;
}
