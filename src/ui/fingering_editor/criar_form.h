#pragma once
// TCriarForm: the intervals a new chord type takes from a fingering. Each sounding note gets
// a list of the intervals it may stand for above the base note, and "Base" to measure
// from that note instead.

#include <QDialog>
#include <array>
#include <optional>
#include <vector>

#include "fingering/interval_choices.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace trovale {

class TCriarForm : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kNotas = 6;

    explicit TCriarForm(QWidget* parent = nullptr);

    // Shows the notes modally beside the editor, measured at first from notas[baseIndex]
    // (the bass). Nothing on "C&ancelar".
    std::optional<IntervalosPropostos> propor(const std::vector<SoundingNote>& notas, int baseIndex,
                                              QWidget& editor);
    // propor() in pieces, for callers that run their own event loop.
    void preparar(const std::vector<SoundingNote>& notas, int baseIndex);
    void posicionar(const QWidget& editor);
    const std::optional<IntervalosPropostos>& resultado() const { return resultado_; }
    int base() const { return base_; }

    std::array<QLabel*, kNotas> Label{};
    std::array<QListWidget*, kNotas> ListBox{};
    QLabel* LabelHelp;
    QPushButton *BtnOK, *BtnCancel;

  private:
    void createControls();
    void preencherListas();
    void escolhaMudou(int nota, int linha);
    void confirmar();

    std::vector<SoundingNote> notas_;
    std::vector<std::vector<int>> escolhas_;
    int base_ = 0;
    std::optional<IntervalosPropostos> resultado_;
};

}  // namespace trovale
