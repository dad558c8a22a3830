#pragma once
// The panels of the tool panel that take a dragged chord: the trash, the copy panel (which
// also holds a chord and hands it on by dragging) and the magnifier.

#include <QFrame>
#include <QIcon>
#include <functional>

#include "ui/document_window/chord_drag.h"

namespace trovale {

struct CatalogoTipos;

class PainelAcordes : public QFrame {
    Q_OBJECT
  public:
    PainelAcordes(const char* nome, const QString& dica, QIcon figura, QWidget* parent);
    // Whether a chord may be dropped here now; all may when unset.
    std::function<bool(const AcordeArrastado&)> aceita;

  signals:
    void acordeSolto(const trovale::AcordeArrastado& acorde);
    void clicado();

  protected:
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dragMoveEvent(QDragMoveEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;

  private:
    bool aceitavel(const QMimeData* mime) const;
    QIcon figura_;
};

// PanelCopia: shows the chord it holds (grey without a fingering) and lets it be dragged to
// a syllable of this song or of another one.
class PainelCopia : public PainelAcordes {
    Q_OBJECT
  public:
    PainelCopia(const CatalogoTipos& tipos, QWidget* parent);
    void setAcorde(std::optional<DraggedChord> acorde, quintptr origem);
    const std::optional<DraggedChord>& acorde() const { return acorde_; }
    // The symbol shown, with its variant tag.
    QString simbolo() const;
    void setSimboloComMarca(std::string simbolo) { simboloComMarca_ = std::move(simbolo); }

  signals:
    // The chord choice window, on the panel's chord.
    void escolhaPedida();

  public:
    const std::string& simboloComMarca() const { return simboloComMarca_; }

  protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;

  private:
    const CatalogoTipos& tipos_;
    std::optional<DraggedChord> acorde_;
    std::string simboloComMarca_;
    quintptr origem_ = 0;
    QPoint inicio_;
};

}  // namespace trovale
