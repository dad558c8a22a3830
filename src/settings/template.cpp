#include "settings/template.h"

#include <optional>

#include "base/dialogs.h"
#include "settings/settings_file.h"

namespace trovale {

namespace {

FonteElemento fonte(int tamanho, std::int32_t cor = 0, bool negrito = false) {
    FonteElemento f;
    f.tamanho = tamanho;
    f.cor = cor;
    f.negrito = negrito;
    return f;
}

}  // namespace

bool tamanhoPossivel(const FonteElemento& fonte, int elemento) {
    // Compared before any negation: the most negative number has no magnitude.
    const int maximo = elemento == kElementoDiagrama ? 100 : kMaxTamanhoFonte;
    const int minimo = elemento == kElementoDiagrama ? 9 : 1;
    return (fonte.tamanho >= minimo && fonte.tamanho <= maximo) ||
           (fonte.tamanho <= -minimo && fonte.tamanho >= -maximo);
}

Modelo modeloDeFabrica() {
    constexpr std::int32_t kPreto = corRgb(0, 0, 0);
    constexpr std::int32_t kVerde = corRgb(0, 128, 0);
    constexpr std::int32_t kCinza = corRgb(128, 128, 128);
    Modelo m;
    m.Presentation = 1;
    m.DiagramListOrder = 2;
    m.Fonts = {
        fonte(12, kPreto, true),  // title
        fonte(8),                 // author
        fonte(11),                // lyrics
        fonte(9, kVerde),         // chord symbols
        fonte(20),                // diagram side: 2.0 cm
        fonte(8, kPreto, true),   // start-fret numbers
        fonte(11, kPreto, true),  // refrain
        fonte(11, kPreto, true),  // chorus
        fonte(9, kCinza),         // remarks
    };
    return m;
}

int tamanhoDiagramaDeTexto(std::string_view texto, Dialogs& dialogs) {
    const std::optional<double> cm = numeroDecimal(texto);
    if (!cm || *cm < 0.8999 || *cm > 10.0001) {
        dialogs.aviso("Tamanho deve situar-se entre 0.9 e 10 cm");
        return 0;
    }
    return static_cast<int>(*cm * 10 + 0.5);
}

std::string textoCentimetros(int milimetros, char separador) {
    std::string digitos = std::to_string(milimetros < 0 ? -milimetros : milimetros);
    if (digitos.size() < 2) digitos.insert(0, "0");
    digitos.insert(digitos.size() - 1, 1, separador);
    return digitos;
}

}  // namespace trovale
