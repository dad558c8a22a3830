#pragma once
// The help window: the program's own pages, a list of contents and a word search.
// It is not modal, so it can stay open beside the work it explains.

#include "ui/help/help_library.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTextBrowser;

namespace trovale {

class THelpForm : public QDialog {
    Q_OBJECT
  public:
    explicit THelpForm(QWidget* parent = nullptr);

    // The three commands of the Help menu.
    void mostrarConteudo();  // the contents page
    void mostrarAssunto();   // the contents page, with the search field ready for words
    void mostrarComoUsar();  // how to use this help
    // A page of its own, for the help buttons of other windows.
    void mostrarPagina(const QString& arquivo);

    const HelpLibrary& library() const { return library_; }
    // File name of the page on show.
    QString paginaAtual() const;

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void moveEvent(QMoveEvent* evento) override;

  private:
    void createControls();
    void bringUp();
    // Asked for from a window that keeps the program waiting, the help goes with that window,
    // above it and open to the mouse and the keyboard; back with its owner when it closes.
    void acompanhar(QWidget* dono);
    void listPages(const QList<int>& pages, const QString& header);
    void search(const QString& query);
    void openFirstFound();
    void openItem(QListWidgetItem* item);
    void highlightWords();

    HelpLibrary library_;
    QLineEdit* editProcura_ = nullptr;
    QLabel* labelLista_ = nullptr;
    QListWidget* listaPaginas_ = nullptr;
    QTextBrowser* texto_ = nullptr;
    QPointer<QWidget> donoOriginal_;
    QPointer<QWidget> janelaQueEspera_;
    bool aEnquadrar_ = false;  // shown, and not framed yet
};

}  // namespace trovale
