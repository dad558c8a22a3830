#include "ui/template_window/element_font.h"

#include <QFontInfo>
#include <algorithm>
#include <cmath>

#include "base/text_codec.h"
#include "render/qt_text.h"
#include "render/sheet_measure.h"

namespace trovale {

QColor corDoElemento(std::int32_t cor) {
    return QColor(cor & 0xFF, (cor >> 8) & 0xFF, (cor >> 16) & 0xFF);
}

std::int32_t corDoTemplate(const QColor& cor) {
    return corRgb(cor.red(), cor.green(), cor.blue());
}

FonteElemento fonteEscolhida(const QFont& escolhida, const FonteElemento& anterior) {
    FonteElemento fonte = anterior;
    const QString familia = escolhida.family();
    const QString resolvida = QFontInfo(fonteDoElemento(anterior)).family();
    const bool mesmaFace =
        familia.isEmpty() || familia == qs(anterior.nome) || familia == resolvida;
    if (!mesmaFace) fonte.nome = windows1252DeUtf8(familia.toStdString());
    // A font given in pixels has no point size: the old one stays.
    const int pontos = escolhida.pointSizeF() > 0
                           ? static_cast<int>(std::lround(escolhida.pointSizeF()))
                           : anterior.tamanhoAbsoluto();
    const int tamanho = std::clamp(pontos, 1, kMaxTamanhoFonte);
    fonte.tamanho = anterior.soMaiusculas() ? -tamanho : tamanho;
    fonte.negrito = escolhida.bold();
    fonte.italico = escolhida.italic();
    return fonte;
}

QString legendaDoElemento(const QString& legenda, bool soMaiusculas) {
    return soMaiusculas ? legenda.toUpper() : legenda;
}

}  // namespace trovale
