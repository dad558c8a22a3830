#pragma once
// A template element as a label shows it, and a font picked for it back as a template element.

#include <QColor>
#include <QFont>
#include <QString>
#include <cstdint>

#include "settings/template.h"

namespace trovale {

QColor corDoElemento(std::int32_t cor);
std::int32_t corDoTemplate(const QColor& cor);

// The font picked in the font dialog as the element's new font: face, points, bold and
// italic; colour and the capitals flag stay. A face that only resolves the stored one (Arial
// shown as Liberation Sans) keeps the stored name.
FonteElemento fonteEscolhida(const QFont& escolhida, const FonteElemento& anterior);

// The caption as the label shows it: all in capitals for a capitals-only element.
QString legendaDoElemento(const QString& legenda, bool soMaiusculas);

}  // namespace trovale
