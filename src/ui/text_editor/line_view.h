#pragma once
// The check window's view of one text line: its caption and the line as shown.

#include <QString>
#include <string>

class QFontMetrics;

namespace trovale {

// "Linha 3 (acordes):", "Linha 4 (texto):", "Linha 5 (em branco):".
QString rotuloDaLinha(int numero, bool deAcordes, bool vazia);

// The line without blanks around it; a chord line with its chords two blanks apart, so that
// they read as separate words.
QString textoDaLinha(const std::string& linha, bool deAcordes);

// The text cut from the end to fit `largura` pixels, ending in "..." with no blank before.
QString encurtarNoFim(const QString& texto, const QFontMetrics& metricas, int largura);

}  // namespace trovale
