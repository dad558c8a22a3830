#include "render/sheet_measure.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "catalogue/chord_interpreter.h"
#include "render/qt_chord_name.h"
#include "render/qt_text.h"

namespace trovale {

QFont fonteDoElemento(const FonteElemento& elemento) {
    QFont fonte(qs(elemento.nome));
    fonte.setPointSize(std::max(1, elemento.tamanhoAbsoluto()));
    fonte.setBold(elemento.negrito);
    fonte.setItalic(elemento.italico);
    fonte.setKerning(false);
    fonte.setStyleStrategy(QFont::PreferNoShaping);
    return fonte;
}

SheetMeasure::SheetMeasure(const Modelo& modelo, const CatalogoTipos& tipos, int dpi)
    : modelo_(modelo), tipos_(tipos), superficie_(1, 1, QImage::Format_RGB32) {
    const int pontosPorMetro = static_cast<int>(std::lround(dpi / 0.0254));
    superficie_.setDotsPerMeterX(pontosPorMetro);
    superficie_.setDotsPerMeterY(pontosPorMetro);
    metricas_.reserve(kElementosModelo);
    for (int k = 0; k < kElementosModelo; ++k) {
        fontes_[static_cast<std::size_t>(k)] = fonteDoElemento(modelo.Fonts[k]);
        metricas_.emplace_back(fontes_[static_cast<std::size_t>(k)], &superficie_);
        const bool maiusculas = modelo.Fonts[k].soMaiusculas();
        for (int b = 0; b < 256; ++b) {
            QString c = qs(std::string(1, static_cast<char>(b)));
            if (maiusculas) c = c.toUpper();
            avancos_[static_cast<std::size_t>(k)][static_cast<std::size_t>(b)] =
                metricas_.back().horizontalAdvance(c);
        }
    }
}

int SheetMeasure::textWidth(int kind, std::string_view text) const {
    const auto& avancos = avancos_[static_cast<std::size_t>(kind)];
    int largura = 0;
    for (const char c : text) largura += avancos[static_cast<unsigned char>(c)];
    return largura;
}

int SheetMeasure::letterMHeight(int kind) const {
    return metricas_[static_cast<std::size_t>(kind)].height();
}

int SheetMeasure::chordSymbolWidth(std::string_view displayedSymbol) const {
    const std::string chave(displayedSymbol);
    if (const auto achada = largurasCifras_.find(chave); achada != largurasCifras_.end())
        return achada->second;
    return largurasCifras_[chave] = medirCifra(displayedSymbol);
}

int SheetMeasure::medirCifra(std::string_view displayedSymbol) const {
    const InterpretacaoAcorde leitura = InterpretarAcorde(tipos_, displayedSymbol);
    if (!leitura.ehAcorde) return textWidth(3, displayedSymbol);
    QImage rascunho = superficie_;
    QPainter p(&rascunho);
    p.setFont(fonte(3));
    OpcoesNomeAcorde opcoes;
    opcoes.tamanhoFonte = modelo_.Fonts[3].tamanhoAbsoluto();
    opcoes.apenasMedir = true;
    const TAcordeInterpretado& a = leitura.acorde;
    return DesenharNomeAcorde(p, a.Elementos, a.Raiz, a.Baixo, opcoes).width();
}

QFont SheetMeasure::fonteNumeros(int pixelHeight) const {
    QFont f = fonte(5);
    f.setPixelSize(std::max(1, pixelHeight));
    return f;
}

int SheetMeasure::fretNumberHeight(int pixelHeight) const {
    return QFontMetrics(fonteNumeros(pixelHeight), &superficie_).height();
}

int SheetMeasure::fretNumberWidth(int pixelHeight) const {
    return QFontMetrics(fonteNumeros(pixelHeight), &superficie_)
        .horizontalAdvance(QStringLiteral("12"));
}

}  // namespace trovale
