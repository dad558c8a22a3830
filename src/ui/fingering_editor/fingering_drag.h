#pragma once
// A fingering dragged out of the fingering browser: its stored words and its root's spelling.

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>

#include "catalogue/fingering.h"

class QMimeData;

namespace trovale {

inline const QString kMimeDigitacao = QStringLiteral("application/x-trovale-digitacao");

struct DigitacaoArrastada {
    TDigitacao digitacao;
    std::string raiz;
};

QMimeData* mimeDaDigitacao(const DigitacaoArrastada& arrastada);
std::optional<DigitacaoArrastada> digitacaoDoMime(const QMimeData& mime);

}  // namespace trovale
