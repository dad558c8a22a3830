#include "document/chord_type_reading.h"

#include <charconv>
#include <string>

#include "catalogue/chord_interpreter.h"
#include "catalogue/intervals.h"

namespace trovale {

namespace {

// The pitch classes above the root, root included.
unsigned notasDoTipo(const TTipoAcorde& tipo) {
    unsigned notas = 1u;
    for (std::uint8_t codigo : tipo.Intervalos)
        if (codigoIntervaloValido(codigo)) notas |= 1u << TabelaIntervalos[codigo].semitonsMod12;
    return notas;
}

bool soamIgual(const CatalogoTipos& tipos, int a, int b) {
    return tipos.existe(a) && tipos.existe(b) &&
           notasDoTipo(tipos.tipo(a)) == notasDoTipo(tipos.tipo(b));
}

// -1 for a code that is no number.
int numeroDoCodigo(const std::string& codigo) {
    int numero = -1;
    const auto [fim, erro] = std::from_chars(codigo.data(), codigo.data() + codigo.size(), numero);
    return erro == std::errc{} && fim == codigo.data() + codigo.size() ? numero : -1;
}

}  // namespace

int lerTiposPelasCifras(ChordTable& tabela, const CatalogoTipos& tipos) {
    int mudados = 0;
    for (int k = 0; k < tabela.size(); ++k) {
        if (tabela.isFree(k)) continue;
        const InterpretacaoAcorde lida =
            InterpretarAcorde(tipos, displaySymbol(withoutVariantTag(tabela.Symbols[k])));
        // A symbol that reads as no chord at all says nothing against its type.
        if (!lida.ehAcorde) continue;
        const int guardado = numeroDoCodigo(tabela.TypeCodes[k]);
        const int tipo = lida.acorde.Tipo, comBaixo = lida.acorde.TipoComBaixo;
        if (guardado == tipo || guardado == comBaixo || soamIgual(tipos, guardado, tipo) ||
            soamIgual(tipos, guardado, comBaixo))
            continue;
        tabela.TypeCodes[k] = std::to_string(comBaixo);
        ++mudados;
    }
    return mudados;
}

}  // namespace trovale
