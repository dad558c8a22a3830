#include "ui/stage/stage_form.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "document/repertoire.h"
#include "ui/stage/stage_keys.h"

namespace trovale {

namespace {

constexpr int kTique = 100;       // ms between the clock's calls
constexpr int kPassoSegundos = 5;  // "+" and "-" change the pace by this much
const QColor kBarraClara(0xE8, 0xE8, 0xE8);
const QColor kBarraEscura(0x20, 0x20, 0x20);

}  // namespace

TPalcoForm::TPalcoForm(const CatalogoTipos& tipos, const Aparencia& aparencia,
                       std::vector<MusicaNoPalco> musicas, int inicio, QWidget* parent)
    : QWidget(parent, Qt::Window),
      tipos_(tipos),
      aparencia_(aparencia),
      musicas_(std::move(musicas)),
      musica_(std::clamp(inicio, 0, std::max(0, static_cast<int>(musicas_.size()) - 1))) {
    setObjectName(QStringLiteral("PalcoForm"));
    setWindowTitle(QStringLiteral(" Palco"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    paginas_.resize(musicas_.size());
    relogio_ = new QTimer(this);
    relogio_->setInterval(kTique);
    connect(relogio_, &QTimer::timeout, this, [this] { passarTempo(kTique); });
    relogio_->start();
    setTeclas(teclasDoPalcoDeFabrica());
}

TPalcoForm::~TPalcoForm() = default;

PaginasDoPalco& TPalcoForm::paginas() const {
    auto& p = paginas_[static_cast<std::size_t>(musica_)];
    if (!p) p = std::make_unique<PaginasDoPalco>(*musicas_[static_cast<std::size_t>(musica_)].doc,
                                                 tipos_, aparencia_);
    return *p;
}

int TPalcoForm::alturaDaBarra() const {
    return fontMetrics().height() * 3 / 2;
}

int TPalcoForm::alturaDasPaginas() const {
    return std::max(1, height() - alturaDaBarra());
}

// Two pages when two fit side by side at the full height, as on a landscape screen.
int TPalcoForm::paginasPorVez() const {
    if (musicas_.empty()) return 1;
    const int largura = paginas().larguraPara(alturaDasPaginas());
    return width() >= 2 * largura + fontMetrics().averageCharWidth() && paginas().quantas() > 1
               ? 2
               : 1;
}

int TPalcoForm::segundosPorPagina() const {
    return musicas_.empty() ? 0 : musicas_[static_cast<std::size_t>(musica_)].segundosPorPagina;
}

void TPalcoForm::setTeclas(const TeclasDoPalco& teclas) {
    avancam_ = combinacoesDeTeclas(teclas.avancar);
    voltam_ = combinacoesDeTeclas(teclas.voltar);
}

void TPalcoForm::setEscuro(bool escuro) {
    escuro_ = escuro;
    update();
}

// The next pages, and after the last one the next song.
void TPalcoForm::avancar() {
    if (musicas_.empty()) return;
    const int porVez = paginasPorVez();
    if (primeira_ + porVez <= paginas().quantas()) {
        primeira_ += porVez;
    } else if (musica_ + 1 < static_cast<int>(musicas_.size())) {
        ++musica_;
        primeira_ = 1;
    }
    virar();
}

void TPalcoForm::voltar() {
    if (musicas_.empty()) return;
    const int porVez = paginasPorVez();
    if (primeira_ > 1) {
        primeira_ = std::max(1, primeira_ - porVez);
    } else if (musica_ > 0) {
        --musica_;
        const int ultima = paginas().quantas();
        primeira_ = std::max(1, ultima - paginasPorVez() + 1);
    }
    virar();
}

void TPalcoForm::virar() {
    decorrido_ = 0;
    update();
}

void TPalcoForm::passarTempo(int milissegundos) {
    const int segundos = segundosPorPagina();
    if (segundos <= 0) return;
    decorrido_ += milissegundos;
    if (decorrido_ >= segundos * 1000) avancar();
}

void TPalcoForm::mudarPasso(int segundos) {
    if (musicas_.empty()) return;
    int& passo = musicas_[static_cast<std::size_t>(musica_)].segundosPorPagina;
    passo = std::clamp(passo + segundos, 0, kMaxSegundosPorPagina);
    decorrido_ = 0;
    update();
    emit passoMudado(musica_, passo);
}

QString TPalcoForm::textoDaBarra() const {
    if (musicas_.empty()) return QStringLiteral("Nenhuma música");
    const int total = paginas().quantas();
    const int ultima = std::min(total, primeira_ + paginasPorVez() - 1);
    QString texto = musicas_[static_cast<std::size_t>(musica_)].titulo +
                    (ultima > primeira_ ? QStringLiteral("   páginas %1–%2 de %3")
                                              .arg(primeira_)
                                              .arg(ultima)
                                              .arg(total)
                                        : QStringLiteral("   página %1 de %2").arg(primeira_).arg(total));
    if (segundosPorPagina() > 0)
        texto += QStringLiteral("   (vira a cada %1 s)").arg(segundosPorPagina());
    if (musica_ + 1 < static_cast<int>(musicas_.size()))
        texto += QStringLiteral("   A seguir: ") + musicas_[static_cast<std::size_t>(musica_) + 1].titulo;
    return texto;
}

void TPalcoForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Around the pages a shade apart from the paper, so that two dark pages do not run together.
    const QColor fundo = escuro_ ? QColor(0x30, 0x30, 0x30) : QColor(0x50, 0x50, 0x50);
    p.fillRect(rect(), fundo);
    const int barra = alturaDaBarra();
    p.fillRect(QRect(0, 0, width(), barra), escuro_ ? kBarraEscura : kBarraClara);
    p.setPen(escuro_ ? Qt::white : Qt::black);
    p.drawText(QRect(fontMetrics().averageCharWidth(), 0, width(), barra),
               Qt::AlignLeft | Qt::AlignVCenter, textoDaBarra());
    if (musicas_.empty()) return;
    const int altura = alturaDasPaginas();
    const int porVez = paginasPorVez();
    const int largura = paginas().larguraPara(altura);
    const int intervalo = porVez > 1 ? fontMetrics().averageCharWidth() : 0;
    int x = (width() - porVez * largura - intervalo) / 2;
    for (int k = 0; k < porVez && primeira_ + k <= paginas().quantas(); ++k, x += largura + intervalo)
        p.drawImage(QPoint(x, barra), paginas().pagina(primeira_ + k, altura, escuro_));
}

void TPalcoForm::keyPressEvent(QKeyEvent* evento) {
    const QKeyCombination tecla = combinacaoDaTecla(*evento);
    if (avancam_.contains(tecla)) return avancar();
    if (voltam_.contains(tecla)) return voltar();
    switch (evento->key()) {
        case Qt::Key_Escape:
        case Qt::Key_F11:
            close();
            return;
        case Qt::Key_E:
            setEscuro(!escuro_);
            return;
        case Qt::Key_F1:
            // Out of full screen, so that the help page can be seen beside the pages.
            showNormal();
            emit ajudaPedida(QStringLiteral("palco.html"));
            return;
        case Qt::Key_T:
            showNormal();
            emit teclasPedidas();
            return;
        case Qt::Key_Plus:
            mudarPasso(kPassoSegundos);
            return;
        case Qt::Key_Minus:
            mudarPasso(-kPassoSegundos);
            return;
        default:
            QWidget::keyPressEvent(evento);
    }
}

// A touch on the right half turns forward, on the left half back.
void TPalcoForm::mousePressEvent(QMouseEvent* evento) {
    if (evento->position().x() >= width() / 2.0)
        avancar();
    else
        voltar();
}

}  // namespace trovale
