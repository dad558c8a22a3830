#include "sheet_pdf/measure_without_qt.h"

#include <utility>

#include "catalogue/chord_interpreter.h"
#include "drawing/chord_name_composition.h"

namespace trovale {

namespace {

OpcoesNome opcoesDeMedida(const FonteElemento& cifras) {
    OpcoesNome o;
    o.tamanhoFonte = cifras.tamanhoAbsoluto();
    o.fonte = FonteTela{cifras.nome, 0, 0, cifras.negrito, cifras.italico, false};
    o.apenasMedir = true;
    return o;
}

}  // namespace

std::optional<MedidaSemQt> MedidaSemQt::criar(const Modelo& modelo, const CatalogoTipos& tipos,
                                              fontes::BibliotecaFontes& fontes, int dpi) {
    std::optional<fontes::MedidaDoModelo> medida =
        fontes::MedidaDoModelo::criar(modelo, fontes, dpi);
    if (!medida) return std::nullopt;
    auto tela = std::make_unique<TelaDeFontes>(fontes, dpi);
    // A name sets its three fonts (main, small, parenthesis) before measuring anything:
    // whether this surface has them is known from any name.
    DesenharNomeAcorde(*tela, ElementosCifra{}, "C", "C", opcoesDeMedida(modelo.Fonts[3]));
    if (!tela->exata()) return std::nullopt;
    return MedidaSemQt(std::move(*medida), modelo.Fonts[3], tipos, std::move(tela));
}

MedidaSemQt::MedidaSemQt(fontes::MedidaDoModelo medida, const FonteElemento& cifras,
                         const CatalogoTipos& tipos, std::unique_ptr<TelaDeFontes> tela)
    : medida_(std::move(medida)), cifras_(cifras), tipos_(&tipos), tela_(std::move(tela)) {}

int MedidaSemQt::textWidth(int kind, std::string_view text) const {
    return medida_.larguraTexto(kind, text);
}

int MedidaSemQt::letterMHeight(int kind) const {
    return medida_.altura(kind);
}

int MedidaSemQt::chordSymbolWidth(std::string_view displayedSymbol) const {
    const std::string chave(displayedSymbol);
    if (const auto achada = largurasCifras_.find(chave); achada != largurasCifras_.end())
        return achada->second;
    return largurasCifras_[chave] = medirCifra(displayedSymbol);
}

int MedidaSemQt::medirCifra(std::string_view displayedSymbol) const {
    const InterpretacaoAcorde leitura = InterpretarAcorde(*tipos_, displayedSymbol);
    if (!leitura.ehAcorde) return textWidth(3, displayedSymbol);
    const TAcordeInterpretado& a = leitura.acorde;
    return DesenharNomeAcorde(*tela_, a.Elementos, a.Raiz, a.Baixo, opcoesDeMedida(cifras_))
        .largura;
}

int MedidaSemQt::fretNumberHeight(int pixelHeight) const {
    return medida_.alturaNumeros(pixelHeight);
}

int MedidaSemQt::fretNumberWidth(int pixelHeight) const {
    return medida_.larguraNumeros(pixelHeight);
}

}  // namespace trovale
