#include "ui/text_editor/line_view.h"

#include <QFontMetrics>
#include <QStringList>

#include "render/qt_text.h"

namespace trovale {

QString rotuloDaLinha(int numero, bool deAcordes, bool vazia) {
    const QString tipo = deAcordes ? QStringLiteral("acordes):")
                         : vazia   ? QStringLiteral("em branco):")
                                   : QStringLiteral("texto):");
    return QStringLiteral("Linha ") + QString::number(numero) + QStringLiteral(" (") + tipo;
}

QString textoDaLinha(const std::string& linha, bool deAcordes) {
    const std::size_t inicio = linha.find_first_not_of(' ');
    if (inicio == std::string::npos) return {};
    const QString texto = qs(linha.substr(inicio, linha.find_last_not_of(' ') + 1 - inicio));
    if (!deAcordes) return texto;
    return texto.split(QLatin1Char(' '), Qt::SkipEmptyParts).join(QStringLiteral("  "));
}

QString encurtarNoFim(const QString& texto, const QFontMetrics& metricas, int largura) {
    if (metricas.horizontalAdvance(texto) <= largura) return texto;
    const QString pontos = QStringLiteral("...");
    QString parte = texto;
    while (!parte.isEmpty() && metricas.horizontalAdvance(parte + pontos) > largura) parte.chop(1);
    while (parte.endsWith(QLatin1Char(' '))) parte.chop(1);
    return parte + pontos;
}

}  // namespace trovale
