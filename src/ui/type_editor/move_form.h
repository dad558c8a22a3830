#pragma once
// TMoveForm, the presentation order of chord types: the list that every chord list of the
// program offers, rearranged with the mouse, with separator lines made from typed text.

#include <QDialog>
#include <functional>
#include <string>

#include "base/dialogs.h"
#include "catalogue/catalogue.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMouseEvent;
class QPushButton;
class QTimer;

namespace trovale {

class LembreteGravacao;
class THelpForm;

class TMoveForm : public QDialog {
    Q_OBJECT
  public:
    // A drop this soon after the click is a click, not a move (2e-6 of a day).
    static constexpr qint64 kTempoDeArrastoMs = 173;
    static constexpr int kRolagemMs = 50;

    TMoveForm(Catalogo& catalogo, Dialogs& dialogs, LembreteGravacao& lembrete,
              QWidget* parent = nullptr);

    void setAjuda(THelpForm* ajuda) { ajuda_ = ajuda; }
    // Modal; true when a new order was confirmed.
    bool abrir();
    // abrir() without waiting.
    void preparar();
    // The list as it stands.
    QStringList itens() const;
    // Milliseconds on a steady clock; the click-versus-move time is measured with it.
    std::function<qint64()> relogio;

    QLabel *Label1, *LabelLista, *LabelDrag, *LabelEdit;
    QListWidget* ListBox;
    QLineEdit* Edit;
    QPushButton *BtnIncluir, *BtnExcluir, *BtnOK, *BtnCancel, *BtnHelp;

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

  private:
    void createControls();
    void connectControls();
    QListWidgetItem* novoItem(const QString& texto) const;
    QString legendaDoEdit() const;
    bool cabeMaisUm();
    void incluirNoFinal();
    void excluirSeparador();
    void confirmar();
    void habilitar();
    void mudou(int linha);
    void mostrarAjuda();

    // move_form_drag.cpp
    bool mouseNaLista(QEvent* evento);
    bool mouseNoEdit(QEvent* evento);
    void arrastar(const QPointF& global);
    void soltar(const QPointF& global);
    void encerrarArrasto();
    void rolar();
    void mover(int origem, int destino);
    void inserirSeparador(int posicao);

    struct Arrasto {
        bool ativo = false;
        bool separador = false;  // the new separator, dragged from Edit
        int origem = -1;
        qint64 clique = 0;
    };

    Catalogo& catalogo_;
    Dialogs& dialogs_;
    LembreteGravacao& lembrete_;
    THelpForm* ajuda_ = nullptr;
    Arrasto arrasto_;
    QTimer* rolagem_;
    int direcao_ = 0;
};

}  // namespace trovale
