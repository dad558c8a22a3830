#pragma once
// "Palco": the song in front, or the evening's songs one after another, full screen: one or
// two pages side by side as large as the screen allows, the title and the next song in a thin
// bar. Pages turn by the keys stage pedals send, by a click on either half of the screen, or by
// themselves at a pace set for each song. Nothing is edited here.

#include <QKeyCombination>
#include <QList>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

#include "render/appearance.h"
#include "render/stage_pages.h"
#include "settings/stage_keys_file.h"

class QTimer;

namespace trovale {

struct CatalogoTipos;

struct MusicaNoPalco {
    std::shared_ptr<const SongDocument> doc;
    QString titulo;
    int segundosPorPagina = 0;  // 0: the pages wait for the musician
};

class TPalcoForm : public QWidget {
    Q_OBJECT
  public:
    // The songs in the order they are played; the view starts on the first page of `inicio`.
    TPalcoForm(const CatalogoTipos& tipos, const Aparencia& aparencia,
               std::vector<MusicaNoPalco> musicas, int inicio = 0, QWidget* parent = nullptr);
    ~TPalcoForm() override;

    int musicaAtual() const { return musica_; }
    int primeiraPagina() const { return primeira_; }  // from 1
    int paginasPorVez() const;
    bool escuro() const { return escuro_; }
    void setEscuro(bool escuro);
    int segundosPorPagina() const;
    // The keys that turn forward and back; the factory's until set.
    void setTeclas(const TeclasDoPalco& teclas);
    void avancar();
    void voltar();
    // The clock of the automatic turns: the window's timer calls it every tenth of a second;
    // tests call it with the time they choose.
    void passarTempo(int milissegundos);
    // What the thin bar says: the song, its pages in view, and the one that comes next.
    QString textoDaBarra() const;

  signals:
    void ajudaPedida(const QString& pagina);
    // The musician changed the `musica`-th song's pace with "+" or "-".
    void passoMudado(int musica, int segundos);
    // "T": the musician wants to teach the view a pedal's keys.
    void teclasPedidas();

  protected:
    void paintEvent(QPaintEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;

  private:
    // The song in front's pages, laid out the first time they are asked for.
    PaginasDoPalco& paginas() const;
    int alturaDaBarra() const;
    int alturaDasPaginas() const;
    void mudarPasso(int segundos);
    void virar();

    const CatalogoTipos& tipos_;
    const Aparencia& aparencia_;
    std::vector<MusicaNoPalco> musicas_;
    mutable std::vector<std::unique_ptr<PaginasDoPalco>> paginas_;
    int musica_ = 0;
    int primeira_ = 1;
    bool escuro_ = false;
    int decorrido_ = 0;
    QTimer* relogio_ = nullptr;
    QList<QKeyCombination> avancam_, voltam_;
};

}  // namespace trovale
