#pragma once
// PanelPrinc: what the main window shows while no song is open: the start picture with the
// version, and the tool panel with its three buttons.

#include <QFrame>
#include <QLabel>
#include <QToolButton>

class QAction;

namespace trovale {

class PainelInicial : public QWidget {
    Q_OBJECT
  public:
    explicit PainelInicial(QWidget* parent = nullptr);

    // Each button runs its menu item and can be used exactly when the item can.
    void ligarBotoes(QAction* novo, QAction* abrir, QAction* acorde);
    void mostrarFigura();

    QFrame* Panel1;
    QToolButton* BtnNew;
    QToolButton* BtnOpen;
    QToolButton* BtnAcorde;
    QLabel* Image1;
    QLabel* LabelVersao;

  protected:
    void resizeEvent(QResizeEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

  private:
    void carregarFigura();

    qreal escalaFigura_ = 0;
    void posicionar();
};

}  // namespace trovale
