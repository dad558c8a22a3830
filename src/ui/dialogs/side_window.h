#pragma once
// A window that works beside another (a fingering chooser beside the window that asked for a
// chord) must stay in reach on a real desktop. Window managers keep a window above the one it
// is transient for, raised with it, but they read that hint when the window appears and drop
// it when it names a window they do not manage yet; and the toolkit gives the hint only then.
// So such a window appears only once its owner is on screen, and comes to the front again
// whenever its owner does.

#include <QObject>
#include <functional>
#include <QPointer>

class QWidget;

namespace trovale {

class JanelaAoLado : public QObject {
  public:
    // Watches `lateral`, a top-level window whose parent widget is its owner; it owns this.
    explicit JanelaAoLado(QWidget& lateral);

    // Shows the window without taking the keyboard: now when its owner is on screen, else
    // as soon as the owner appears.
    void mostrar();
    // Shown, or about to be.
    bool emVista() const;
    // Places the window beside its owner; run again whenever the owner moves or changes size
    // (a window manager gives the owner its frame only after it appears).
    std::function<void()> posicionar;

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private:
    QWidget* dono() const;
    void vigiar(QWidget* dono);
    void mostrarJa();
    void manterAcima(bool acima);

    QWidget& lateral_;
    QPointer<QWidget> vigiada_;
    bool pendente_ = false;
    bool aEnquadrar_ = false;  // shown, and not framed yet
    int reposicoes_ = 0;  // placings left after the window manager moved it over its owner
    static constexpr int kReposicoes = 4;
};

}  // namespace trovale
