#pragma once
// TPrintForm, " Confirmação e controle de impressão": the printer, all pages or a list of
// them, and the job's progress with its abort button.

#include <QDialog>
#include <functional>
#include <vector>

#include "render/print_pages.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace trovale {

class Dialogs;

class TPrintForm : public QDialog {
    Q_OBJECT
  public:
    static const QString kPaginaAjuda;

    // Prints the chosen pages, reporting through the window's progress.
    using Impressao =
        std::function<FimImpressao(const std::vector<int>& paginas, const AcompanhamentoImpressao&)>;

    explicit TPrintForm(Dialogs& dialogs, QWidget* parent = nullptr);

    // Modal: the song's page count, the printer's name and page, and how to print. Accepted
    // once the pages were printed (or the job aborted).
    int imprimir(int totalPaginas, const QString& impressora, const PageMetrics& metricas,
                 Impressao impressao);
    bool imprimindo() const { return imprimindo_; }

    QLabel* LabelPrinter = nullptr;
    QLabel* LabelRes = nullptr;
    QRadioButton* RBtodas = nullptr;
    QRadioButton* RBlista = nullptr;
    QLineEdit* EditLista = nullptr;
    QLabel* LabelHelp = nullptr;
    QLabel* LabelPrinting = nullptr;
    QProgressBar* Gauge = nullptr;
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;

  signals:
    void ajudaPedida(const QString& pagina);

  public slots:
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

  private:
    void criarControles();
    void prepararParaMostrar();
    void BtnOKClick();
    void executar(const std::vector<int>& paginas);
    AcompanhamentoImpressao acompanhamento();

    Dialogs& dialogs_;
    int totalPaginas_ = 1;
    Impressao impressao_;
    bool imprimindo_ = false;
    bool abortar_ = false;
};

}  // namespace trovale
