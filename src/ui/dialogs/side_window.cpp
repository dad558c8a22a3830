#include "ui/dialogs/side_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace trovale {

JanelaAoLado::JanelaAoLado(QWidget& lateral) : QObject(&lateral), lateral_(lateral) {
    // Above the program's windows, not above those of the program the user turned to.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState estado) { manterAcima(estado == Qt::ApplicationActive); });
}

QWidget* JanelaAoLado::dono() const {
    return lateral_.parentWidget() ? lateral_.parentWidget()->window() : nullptr;
}

void JanelaAoLado::vigiar(QWidget* dono) {
    if (vigiada_ == dono) return;
    if (vigiada_) vigiada_->removeEventFilter(this);
    vigiada_ = dono;
    if (dono) dono->installEventFilter(this);
}

void JanelaAoLado::mostrar() {
    QWidget* w = dono();
    vigiar(w);
    if (lateral_.isVisible()) return;
    pendente_ = w && !w->isVisible();
    if (!pendente_) mostrarJa();
}

bool JanelaAoLado::emVista() const {
    return lateral_.isVisible() || pendente_;
}

// Transient for the owner's window as it is now (a window shown again may be a new one), and
// above every other window while the program is the one in use: window managers raise a
// window's transients with it, but not always the transients of those.
void JanelaAoLado::mostrarJa() {
    pendente_ = false;
    if (QWidget* w = dono(); w && w->windowHandle() && lateral_.windowHandle())
        lateral_.windowHandle()->setTransientParent(w->windowHandle());
    lateral_.setAttribute(Qt::WA_ShowWithoutActivating);
    lateral_.show();
    lateral_.setAttribute(Qt::WA_ShowWithoutActivating, false);
    manterAcima(QGuiApplication::applicationState() == Qt::ApplicationActive);
    if (posicionar) posicionar();
    // Placed again once framed: before, its frame could only be guessed. A busy window manager
    // may also place it again itself, over its owner: a few more chances to move it beside.
    aEnquadrar_ = true;
    reposicoes_ = kReposicoes;
    lateral_.installEventFilter(this);
}

void JanelaAoLado::manterAcima(bool acima) {
    if (QWindow* janela = lateral_.windowHandle(); janela && lateral_.isVisible())
        janela->setFlag(Qt::WindowStaysOnTopHint, acima);
}

bool JanelaAoLado::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == &lateral_) {
        const bool enquadrada = lateral_.frameGeometry() != lateral_.geometry();
        const bool sobreODono =
            dono() && lateral_.frameGeometry().intersects(dono()->frameGeometry());
        if (evento->type() == QEvent::Move && enquadrada &&
            (aEnquadrar_ || (sobreODono && reposicoes_ > 0))) {
            if (!aEnquadrar_) --reposicoes_;
            aEnquadrar_ = false;
            QTimer::singleShot(0, &lateral_, [this] {
                if (lateral_.isVisible() && posicionar) posicionar();
            });
        }
        return false;
    }
    if (objeto != vigiada_ || objeto != dono()) return false;
    switch (evento->type()) {
        case QEvent::Show:
            // Once the owner's window is mapped, which follows its show event.
            if (pendente_)
                QTimer::singleShot(0, &lateral_, [this] {
                    if (pendente_ && dono() && dono()->isVisible()) mostrarJa();
                });
            break;
        case QEvent::Hide:
            pendente_ = false;
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (lateral_.isVisible() && posicionar) posicionar();
            break;
        case QEvent::WindowActivate:
            // The owner came to the front: so does this window, once the window manager has
            // finished raising the owner.
            if (lateral_.isVisible())
                QTimer::singleShot(0, &lateral_, [this] {
                    if (lateral_.isVisible()) lateral_.raise();
                });
            break;
        default:
            break;
    }
    return false;
}

}  // namespace trovale
