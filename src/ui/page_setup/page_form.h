#pragma once
// TPageForm, page setup and print preview: the song's margins, columns and orientation
// edited on a scaled picture of the page, which shows the song's pages as they will print.

#include <QDialog>
#include <array>
#include <filesystem>
#include <functional>

#include "render/printer_metrics.h"
#include "settings/page_layout.h"
#include "ui/page_setup/page_geometry.h"

class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace trovale {

class Dialogs;
class DocumentoConfigurado;
class FileSystem;
class PagePicture;

// The current printer as the window sees it.
struct ImpressoraDaPagina {
    QString nome;  // empty: no printer ("Indefinida", Imprimir disabled)
    std::function<PageMetrics(bool paisagem)> metricas;  // metrics for an orientation
};

class TPageForm : public QDialog {
    Q_OBJECT
  public:
    static const QString kPaginaAjuda;  // "layout.html"

    // `padrao` is the default layout (LayOut.ini), written by "Padrão", read by "Adotar".
    TPageForm(PageLayout& padrao, FileSystem& fs, std::filesystem::path pastaPrograma,
              Dialogs& dialogs, QWidget* parent = nullptr);

    void setImpressora(ImpressoraDaPagina impressora);
    // Modal: edits the document's layout, handing every change to the document so the preview
    // shows it; starts on page `pagina`. True on "Confirmar" (the document holds the window's
    // layout); false on cancel (the caller restores what it remembered).
    bool configurar(DocumentoConfigurado& doc, int pagina);
    const PageLayout& layout() const { return layout_; }
    int paginaMostrada() const { return pagina_; }

    const PageMetrics& metricas() const { return metricas_; }
    // The field the plus and minus buttons act on: the edit entered last.
    CampoLayout campoSelecionado() const { return selecionado_; }
    QLineEdit* edit(CampoLayout campo) const;
    // Where the page stands on the picture as it is drawn now.
    GeometriaPagina geometria() const;

    QLineEdit *EditMs, *EditMi, *EditMe, *EditMd, *EditMc, *EditC1, *EditC2, *EditC3;
    QToolButton *SpeedButton1, *SpeedButton2, *SpeedButton3;
    QToolButton *SpeedButtonMais, *SpeedButtonMenos;
    QPushButton *BtnGirar, *BtnUp, *BtnDn, *BtnPadrao, *BtnAdotar, *BtnOptions, *BtnModel;
    QPushButton *BtnHelp, *BtnOK, *BtnCancel;
    QCheckBox* CheckBox;
    QLabel *LabelImpressora, *LabelResolucao, *LabelPapel, *LabelPagina;
    PagePicture* ImagemPagina;

  signals:
    void imprimirPedido();  // "Imprimir"
    void ajudaPedida(const QString& pagina);

  public slots:
    void done(int resultado) override;

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private:
    void createControls();
    QWidget* createPrinterLine();
    QWidget* createEdits();
    QWidget* createColumnEdits(QWidget* parent);
    QWidget* createActions();
    QWidget* createPreview();
    QWidget* createButtons();
    void connectControls();
    void dimensionar();

    // Editing (page_form_editing.cpp).
    bool teclaEdit(QLineEdit* edit, QKeyEvent* tecla);
    void moverEntreEdits(int sentido);
    void terminarEdicao();
    void passo(int delta);
    void definirColunas(int n);
    void BtnGirarClick();
    void BtnAdotarClick();
    void BtnPadraoClick();
    void virarPagina(int sentido);
    void selecionarPelaPagina(QPointF ponto);
    void aplicar();
    int indiceDoEdit(const QObject* objeto) const;

    // What the window shows.
    void retomarMetricas();
    void mostrarLayout();
    void mostrarRotulos();
    void mostrarPaginas();
    void devolverFoco();
    void pintarPagina(QPainter& p) const;
    int contagemPaginas() const;

    PageLayout& padrao_;
    FileSystem& fs_;
    std::filesystem::path pasta_;
    Dialogs& dialogs_;
    ImpressoraDaPagina impressora_;
    DocumentoConfigurado* doc_ = nullptr;
    PageLayout layout_;
    PageMetrics metricas_;
    Papel papel_;
    int pagina_ = 1;
    CampoLayout selecionado_ = CampoLayout::MargemSuperior;
    // The edits in the order the arrow keys go through them, and the field of each.
    std::array<QLineEdit*, 8> edits_{};
    std::array<CampoLayout, 8> campos_{};
};

}  // namespace trovale
