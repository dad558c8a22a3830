#pragma once
// A private X display with a real window manager (Xvfb and Openbox) for the tests that must
// see what a user sees on a desktop: stacking, placement and where a click lands. Started
// before the application connects, stopped when it goes.

#include <QList>
#include <QPoint>
#include <QString>
#include <sys/types.h>

class QWidget;

namespace trovale::testing {

class DesktopVirtual {
  public:
    DesktopVirtual();
    ~DesktopVirtual();
    DesktopVirtual(const DesktopVirtual&) = delete;
    DesktopVirtual& operator=(const DesktopVirtual&) = delete;

    // Empty when the display and its window manager are up; else why not.
    const QString& falta() const { return falta_; }

  private:
    pid_t iniciar(const QList<QString>& comando);
    bool esperarGerenciador();
    pid_t xvfb_ = -1;
    pid_t openbox_ = -1;
    QString falta_;
};

// What the X server says, through the X tools, once the application runs on the display.
namespace x11 {
// Client windows from bottom to top, as the window manager stacks them.
QList<quint64> pilha();
// Where a window stands above `abaixo` in the stacking order (both must be listed).
bool acima(const QWidget& janela, const QWidget& abaixo);
bool mapeada(const QWidget& janela);
// A real click of the first button at a point of the screen.
void clicar(QPoint global);
}  // namespace x11

}  // namespace trovale::testing
