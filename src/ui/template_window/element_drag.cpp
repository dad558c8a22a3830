#include "ui/template_window/element_drag.h"

#include <QDataStream>
#include <QIODevice>

#include "settings/template.h"

namespace trovale {

namespace {

std::optional<int> elementoValido(qint32 elemento) {
    if (elemento < 0 || elemento >= kElementosModelo) return std::nullopt;
    return static_cast<int>(elemento);
}

}  // namespace

std::unique_ptr<QMimeData> mimeDoElemento(int elemento) {
    QByteArray dados;
    QDataStream(&dados, QIODevice::WriteOnly) << qint32(elemento);
    auto mime = std::make_unique<QMimeData>();
    mime->setData(QString::fromLatin1(kMimeElemento), dados);
    return mime;
}

std::optional<int> elementoArrastado(const QMimeData* dados) {
    if (!dados || !dados->hasFormat(QString::fromLatin1(kMimeElemento))) return std::nullopt;
    QDataStream entrada(dados->data(QString::fromLatin1(kMimeElemento)));
    qint32 elemento = -1;
    entrada >> elemento;
    if (entrada.status() != QDataStream::Ok) return std::nullopt;
    return elementoValido(elemento);
}

std::unique_ptr<QMimeData> mimeDaFonte(const QObject* janela, int elemento) {
    QByteArray dados;
    QDataStream(&dados, QIODevice::WriteOnly)
        << quint64(reinterpret_cast<quintptr>(janela)) << qint32(elemento);
    auto mime = std::make_unique<QMimeData>();
    mime->setData(QString::fromLatin1(kMimeFonteElemento), dados);
    return mime;
}

std::optional<int> fonteArrastada(const QMimeData* dados, const QObject* janela) {
    if (!dados || !dados->hasFormat(QString::fromLatin1(kMimeFonteElemento))) return std::nullopt;
    QDataStream entrada(dados->data(QString::fromLatin1(kMimeFonteElemento)));
    quint64 origem = 0;
    qint32 elemento = -1;
    entrada >> origem >> elemento;
    if (entrada.status() != QDataStream::Ok) return std::nullopt;
    if (origem != quint64(reinterpret_cast<quintptr>(janela))) return std::nullopt;
    return elementoValido(elemento);
}

}  // namespace trovale
