#pragma once
// The fretboard with its labels: the absolute fret of each row shown (PanelT) and the note
// each string sounds (PanelC), set beside the rows and strings whatever the orientation.

#include <QWidget>
#include <array>

#include "fingering/editor_state.h"
#include "ui/fingering_editor/fretboard_image.h"

class QLabel;

namespace trovale {

class FretboardPanel : public QWidget {
    Q_OBJECT
  public:
    FretboardPanel(const Aparencia& aparencia, const TDigitacao& digitacao, QWidget* parent);

    // Rewrites the fret numbers and the string labels from the editor's state.
    void atualizar(const FingeringEditorState& estado);

    FretboardImage* Image;
    std::array<QLabel*, 5> LabelT{};
    std::array<QLabel*, kCordas> LabelC{};

    QSize sizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* evento) override;

  private:
    QMargins margens() const;
    void posicionar();

    const Aparencia& aparencia_;
};

}  // namespace trovale
