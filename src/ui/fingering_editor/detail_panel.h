#pragma once
// PanelDetalhe, shown while the fingering is linked to a chord: the chord's symbol, a piano
// with the chord's tones, and each tone's interval and name in its colour.

#include <QWidget>
#include <array>
#include <functional>

#include "catalogue/type_catalogue.h"
#include "fingering/editor_state.h"

class QLabel;
class QTableWidget;

namespace trovale {

class DetailPanel : public QWidget {
    Q_OBJECT
  public:
    DetailPanel(const CatalogoTipos& tipos, QWidget* parent);

    void mostrar(const FingeringEditorState& estado, bool cifraOpcional);

    QWidget* ImageCifra;
    QWidget* ImagePiano;
    std::array<QLabel*, 6> LabelA{};
    QTableWidget* StringGrid;

    // The text of chord-tone cell k (0..5).
    QString tom(int k) const;
    QSize sizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* evento) override;

  private:
    void dispor();

    const CatalogoTipos& tipos_;
    FingeringEditorState estado_;
    bool cifraOpcional_ = false;
    friend class SimboloDoVinculo;
    friend class PianoDoVinculo;
};

}  // namespace trovale
