#pragma once
// "Caderno de cifras": the book's title and the order of its songs, before the PDF is named.

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace trovale {

class TCadernoDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TCadernoDlg(QWidget* parent = nullptr);

    // Shows the songs (paths) in the order they were chosen, under the default title.
    void preparar(const QStringList& musicas);
    QString titulo() const;
    // The songs in the order the user left them.
    QStringList musicas() const;
    // "Em ordem alfabética pelo título": the book sorts them itself.
    bool emOrdemAlfabetica() const;

    QLabel* LabelTitulo;
    QLineEdit* EditTitulo;
    QListWidget* ListaMusicas;
    QCheckBox* CheckAlfabetica;
    QPushButton *BtnSubir, *BtnDescer, *BtnOK, *BtnCancel, *BtnHelp;

  signals:
    void ajudaPedida(const QString& pagina);

  private:
    void mover(int passo);
    void atualizarBotoes();
};

}  // namespace trovale
