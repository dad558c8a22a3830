#include "ui/stage/stage_keys.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace trovale {

QKeyCombination combinacaoDaTecla(const QKeyEvent& evento) {
    return QKeyCombination(evento.modifiers() & ~Qt::KeypadModifier, Qt::Key(evento.key()));
}

QList<QKeyCombination> combinacoesDeTeclas(const std::vector<std::string>& nomes) {
    QList<QKeyCombination> teclas;
    for (const std::string& nome : nomes) {
        const QKeySequence sequencia =
            QKeySequence::fromString(QString::fromStdString(nome), QKeySequence::PortableText);
        if (sequencia.count() == 1 && sequencia[0].key() != Qt::Key_unknown)
            teclas.append(sequencia[0]);
    }
    return teclas;
}

std::string nomeDaTecla(QKeyCombination tecla) {
    return QKeySequence(tecla).toString(QKeySequence::PortableText).toStdString();
}

QString nomeLegivel(QKeyCombination tecla) {
    return QKeySequence(tecla).toString(QKeySequence::NativeText);
}

QString usoReservado(QKeyCombination tecla) {
    switch (tecla.key()) {
        case Qt::Key_Escape:
        case Qt::Key_F11:
            return QStringLiteral("sair do palco");
        case Qt::Key_F1:
            return QStringLiteral("abrir a ajuda");
        case Qt::Key_E:
            return QStringLiteral("trocar o fundo claro e o escuro");
        case Qt::Key_T:
            return QStringLiteral("ensinar as teclas");
        case Qt::Key_Plus:
        case Qt::Key_Minus:
            return QStringLiteral("mudar o tempo de cada página");
        default:
            return {};
    }
}

}  // namespace trovale
