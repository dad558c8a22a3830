#pragma once
// The running program: it owns the catalogue, the windows and the start sound, and starts
// them in their order.

#include <QObject>
#include <QStringList>
#include <chrono>
#include <functional>
#include <memory>

#include "app/program_folder.h"
#include "app/start_sound.h"
#include "base/file_system.h"
#include "catalogue/catalogue.h"
#include "render/appearance.h"
#include "settings/page_layout.h"
#include "settings/template.h"
#include "ui/dialogs/save_reminder.h"

namespace trovale {

class TAspectForm;
class TFileDlg;
class TLetraDlg;
class TModelForm;
class TPageForm;
class TPrintForm;
class TSelectForm;
class TEditForm;
class TTransForm;
class TMidiDlg;
class SomDoPrograma;
class TMoveForm;
class TTiposForm;
class TTrovaleForm1;
class THelpForm;
class WindowDialogs;

struct OpcoesPrograma {
    QStringList argumentos;  // the command line, without the program's name
    bool somInicial = true;
    // The start picture stays up at least this long.
    std::chrono::milliseconds tempoMinimo{1728};
    // The installed printers; empty means asking the system.
    std::function<int()> contarImpressoras;
};

class Programa : public QObject {
    Q_OBJECT
  public:
    Programa(PastaPrograma pasta, OpcoesPrograma opcoes);
    ~Programa() override;

    // Everything up to the running main window: it ends with the deferred start-up posted,
    // to run as soon as the event loop takes over.
    void iniciar();

    // What a second start handed over; kept until the main window exists.
    void receber(const QString& caminho);

    TTrovaleForm1* janela() const { return janela_.get(); }
    WindowDialogs* dialogs() const { return dialogs_.get(); }
    Catalogo& catalogo() { return catalogo_; }
    Aparencia& aparencia() { return aparencia_; }
    TAspectForm* aspecto() const { return aspecto_; }
    const PastaPrograma& pasta() const { return pasta_; }

  private:
    void semearPrimeiroInicio();
    void semearCancoesPortatil();
    void ligarVerificacaoAoNavegador();
    void criarJanelaPrincipal();
    void tocarSomInicial();
    void criarJanelas();
    void esperarTempoMinimo(std::chrono::milliseconds decorrido);

    PastaPrograma pasta_;
    OpcoesPrograma opcoes_;
    DiskFileSystem fs_;
    Catalogo catalogo_;
    Aparencia aparencia_;
    // MODELO.INI and LayOut.ini: what a new song starts with.
    Modelo modelo_ = modeloDeFabrica();
    PageLayout layout_ = layoutDeFabrica();
    SomInicial som_;
    QStringList recebidos_;
    std::unique_ptr<TTrovaleForm1> janela_;
    std::unique_ptr<WindowDialogs> dialogs_;
    THelpForm* ajuda_ = nullptr;
    TAspectForm* aspecto_ = nullptr;
    TFileDlg* arquivos_ = nullptr;
    TLetraDlg* letra_ = nullptr;
    TSelectForm* selecao_ = nullptr;
    TEditForm* edicao_ = nullptr;
    TTransForm* transposicao_ = nullptr;
    TMidiDlg* midi_ = nullptr;
    std::unique_ptr<SomDoPrograma> somAcordes_;
    TTiposForm* tipos_ = nullptr;
    TMoveForm* ordem_ = nullptr;
    // Shown once per run by whichever window first changes the catalogue.
    LembreteGravacao lembrete_;
    TPrintForm* impressao_ = nullptr;
    TModelForm* modeloForm_ = nullptr;
    TPageForm* paginaForm_ = nullptr;
};

}  // namespace trovale
