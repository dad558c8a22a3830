#include "ui/fingering_editor/fingering_drag.h"

#include <QMimeData>

namespace trovale {

QMimeData* mimeDaDigitacao(const DigitacaoArrastada& arrastada) {
    const auto bytes = paraBytes(Codificar(arrastada.digitacao));
    QByteArray dados(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
    dados.append(QByteArray::fromStdString(arrastada.raiz));
    auto* mime = new QMimeData;
    mime->setData(kMimeDigitacao, dados);
    return mime;
}

std::optional<DigitacaoArrastada> digitacaoDoMime(const QMimeData& mime) {
    const QByteArray dados = mime.data(kMimeDigitacao);
    if (dados.size() < static_cast<int>(kBytesDigitacaoGravada)) return std::nullopt;
    DigitacaoArrastada a;
    a.digitacao = Decodificar(deBytes(reinterpret_cast<const std::uint8_t*>(dados.constData())));
    if (!digitacaoBemFormada(a.digitacao)) return std::nullopt;
    a.raiz = dados.mid(kBytesDigitacaoGravada).toStdString();
    return a;
}

}  // namespace trovale
