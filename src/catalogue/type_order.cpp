#include "catalogue/type_order.h"

#include "catalogue/type_editing.h"

namespace trovale {

std::string textoSemTracos(std::string_view texto) {
    const auto inicio = texto.find_first_not_of(" -");
    if (inicio == std::string_view::npos) return {};
    const auto fim = texto.find_last_not_of(" -");
    return std::string(texto.substr(inicio, fim - inicio + 1));
}

std::string legendaSeparador(std::string_view texto,
                             const std::function<int(const std::string&)>& largura, int limite) {
    // The file keeps 50 characters of a caption: the text gives way to the dashes.
    std::string legenda = " " + textoSemTracos(texto).substr(0, kMaxNomeTipo - 4) + " ";
    legenda = "-" + legenda + "-";
    for (;;) {
        std::string maior = "-" + legenda + "-";
        if (maior.size() > kMaxNomeTipo || largura(maior) > limite) return legenda;
        legenda = std::move(maior);
    }
}

void aplicarOrdem(Catalogo& catalogo, const std::vector<std::string>& legendas) {
    CatalogoTipos& tipos = catalogo.tipos;
    std::vector<int> ordem;
    for (const std::string& legenda : legendas) {
        int numero = 0;
        for (int t = 1; !legendaDeSeparador(legenda) && t <= kMaxTipos && numero == 0; ++t)
            if (tipos.existe(t) && tipos.tipo(t).Nome == legenda) numero = t;
        ordem.push_back(numero);
    }
    tipos.OrdemTipos = std::move(ordem);
    tipos.Legendas = legendas;
    tipos.CalcularEquivalentes();
    tipos.CalcularSomas();
    catalogo.TiposAlterados = true;
}

}  // namespace trovale
