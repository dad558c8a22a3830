#include "ui/document_window/chord_drag.h"

#include <QDataStream>
#include <QIODevice>

namespace trovale {

namespace {

QByteArray bytes(const std::string& s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

std::unique_ptr<QMimeData> mimeDoAcorde(const AcordeArrastado& a) {
    QByteArray dados;
    QDataStream saida(&dados, QIODevice::WriteOnly);
    saida << static_cast<quint64>(a.origem) << qint32(a.acorde.line) << qint32(a.acorde.column)
          << bytes(a.acorde.symbol) << bytes(a.acorde.fingering) << bytes(a.acorde.typeCode);
    auto mime = std::make_unique<QMimeData>();
    mime->setData(QString::fromLatin1(kTipoAcordeArrastado), dados);
    return mime;
}

std::optional<AcordeArrastado> acordeDoMime(const QMimeData* mime) {
    if (!mime || !mime->hasFormat(QString::fromLatin1(kTipoAcordeArrastado))) return {};
    QDataStream entrada(mime->data(QString::fromLatin1(kTipoAcordeArrastado)));
    quint64 origem = 0;
    qint32 linha = -1, coluna = 0;
    QByteArray simbolo, digitacao, tipo;
    entrada >> origem >> linha >> coluna >> simbolo >> digitacao >> tipo;
    if (entrada.status() != QDataStream::Ok || simbolo.isEmpty()) return {};
    return AcordeArrastado{{linha, coluna, simbolo.toStdString(), digitacao.toStdString(),
                            tipo.toStdString()},
                           static_cast<quintptr>(origem)};
}

}  // namespace trovale
