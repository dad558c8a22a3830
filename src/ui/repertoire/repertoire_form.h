#pragma once
// "Repertório": the evening's songs in order, each with the transposition and capo it is
// played with that night and a note. The songs' own files are never changed here; the
// repertoire is its own small file (*.rep), and its songbook plays every song as its entry says.

#include <QDialog>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "document/repertoire.h"
#include "settings/template.h"
#include "ui/stage/stage_form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace trovale {

class Dialogs;
struct SongDocument;

class TRepertorioForm : public QDialog {
    Q_OBJECT
  public:
    // What the window asks of the program: songs chosen in the file window, a repertoire file
    // to open, one to save as (the callee writes it with `gravar`), a song opened in its own
    // window, and the book of the songs as played.
    struct Servicos {
        std::function<QStringList()> escolherMusicas;
        std::function<QString()> escolherRepertorio;
        std::function<void(const std::function<bool(const QString&)>& gravar)> salvarComo;
        std::function<void(const QString&)> abrirMusica;
        std::function<void(const std::vector<std::filesystem::path>&,
                           const std::vector<const SongDocument*>&, const QString& titulo)>
            montarCaderno;
        // The songs as played, full screen from the `inicio`-th, owned by `dono`.
        std::function<TPalcoForm*(std::vector<MusicaNoPalco>, int inicio, QWidget* dono)> palco;
    };

    TRepertorioForm(const Catalogo& catalogo, const Modelo& modeloPadrao, Dialogs& dialogs,
                    Servicos servicos, QWidget* parent = nullptr);
    ~TRepertorioForm() override;

    // Opens the repertoire file; false after the message when it cannot be read.
    bool abrir(const QString& caminho);
    const Repertorio& repertorio() const { return repertorio_; }
    QString arquivo() const { return arquivo_; }
    bool modificado() const { return modificado_; }
    // Each song as the book takes it: transposed and with its capo; null where it cannot be read.
    std::vector<const SongDocument*> cancoesComoTocadas();

    QLabel* LabelArquivo;
    QTreeWidget* Lista;
    QSpinBox* SpinSemitons;
    QComboBox* ComboCapo;
    QLineEdit* EditNota;
    QSpinBox* SpinPasso;
    QLabel* LabelSoa;
    QPushButton *BtnIncluir, *BtnRetirar, *BtnSubir, *BtnDescer, *BtnAbrirMusica, *BtnNovo,
        *BtnAbrir, *BtnSalvar, *BtnSalvarComo, *BtnCaderno, *BtnPalco, *BtnFechar, *BtnHelp;

  signals:
    void ajudaPedida(const QString& pagina);

  protected:
    void reject() override;

  private:
    struct Lida;
    void criarControles();
    QWidget* criarEdicao();
    void ligarControles();
    void preencherLista();
    void mostrarLinha(int linha);
    void mostrarSelecionada();
    void mudarEntrada();
    void incluir();
    void retirar();
    void mover(int passo);
    void lerOrdemDaLista();
    bool salvar();
    bool salvarEm(const QString& caminho);
    bool podeDeixar();
    void novo();
    void abrirOutro();
    void montarCaderno();
    void mostrarPalco();
    void guardarPasso(int entrada, int segundos);
    void marcar(bool modificado);
    const Lida& lida(const std::filesystem::path& musica);

    const Catalogo& catalogo_;
    const Modelo& modeloPadrao_;
    Dialogs& dialogs_;
    Servicos servicos_;
    Repertorio repertorio_;
    QString arquivo_;
    bool modificado_ = false;
    bool mostrando_ = false;
    std::vector<std::unique_ptr<Lida>> lidas_;
    std::vector<std::unique_ptr<SongDocument>> tocadas_;
};

}  // namespace trovale
