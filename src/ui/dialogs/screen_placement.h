#pragma once
// Where the program's small modal windows appear.

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QSet>

class QWidget;

namespace trovale {

// Centres a top-level window on the screen that shows it (or would show it), keeping it
// inside the available area.
void centreOnScreen(QWidget& window);

// Keeps every window the program shows inside the screen that shows it, whatever the
// screen's scale: smaller when it would not fit (down to its minimum size), moved in when it
// would stand out. Installed once on the application.
class JanelasDentroDaTela : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private:
    void esquecer(QObject* janela);
    QSet<QObject*> aEnquadrar_;           // shown, and not framed yet
    QHash<QObject*, QPoint> ondeEstava_;  // the frame's corner when last hidden
};

// Fits one window inside its screen's available area, frame included.
void caberNaTela(QWidget& janela);

}  // namespace trovale
