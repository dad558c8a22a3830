#include "ui/fingering_editor/detail_panel.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>

#include "catalogue/intervals.h"
#include "render/qt_chord_name.h"
#include "ui/fingering_editor/chord_tone_colours.h"
#include "ui/fingering_editor/piano_keys.h"

namespace trovale {

namespace {

constexpr int kLarguraPadrao = 330;
constexpr double kTamanhoCifra = 14;

}  // namespace

// ImageCifra: "Acorde: " and the linked chord's symbol.
class SimboloDoVinculo : public QWidget {
  public:
    SimboloDoVinculo(DetailPanel& painel) : QWidget(&painel), painel_(painel) {
        setObjectName(QStringLiteral("ImageCifra"));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        const FingeringEditorState& e = painel_.estado_;
        if (!e.linked() || !painel_.tipos_.existe(e.linkedType)) return;
        const TTipoAcorde& tipo = painel_.tipos_.tipo(e.linkedType);
        QPainter p(this);
        QFont fonte(QStringLiteral("Arial"));
        fonte.setPointSizeF(kTamanhoCifra);
        p.setFont(fonte);
        OpcoesNomeAcorde opcoes;
        opcoes.prefixo = QStringLiteral("Acorde: ");
        opcoes.caixa = rect();
        opcoes.centralizar = true;
        opcoes.alinharNoTopo = true;
        opcoes.tamanhoFonte = kTamanhoCifra;
        DesenharNomeAcorde(p, painel_.cifraOpcional_ ? tipo.CifraOpcional : tipo.CifraPadrao,
                           e.linkedRootName, e.linkedRootName, opcoes);
    }

  private:
    DetailPanel& painel_;
};

// ImagePiano: three octaves from C with the chord's tones in their colours.
class PianoDoVinculo : public QWidget {
  public:
    PianoDoVinculo(DetailPanel& painel) : QWidget(&painel), painel_(painel) {
        setObjectName(QStringLiteral("ImagePiano"));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        const FingeringEditorState& e = painel_.estado_;
        QPainter p(this);
        const TecladoPiano teclado = tecladoParaLargura(width());
        std::map<int, QColor> marcas;
        if (e.linked() && painel_.tipos_.existe(e.linkedType))
            marcas = teclasDoAcorde(painel_.tipos_.tipo(e.linkedType), e.linkedRoot);
        desenharTeclado(p, teclado, marcas);
    }

  private:
    DetailPanel& painel_;
};

DetailPanel::DetailPanel(const CatalogoTipos& tipos, QWidget* parent)
    : QWidget(parent), tipos_(tipos) {
    setObjectName(QStringLiteral("PanelDetalhe"));
    setFixedSize(sizeHint());
    ImageCifra = new SimboloDoVinculo(*this);
    ImagePiano = new PianoDoVinculo(*this);
    for (std::size_t k = 0; k < LabelA.size(); ++k) {
        LabelA[k] = new QLabel(this);
        LabelA[k]->setObjectName(QStringLiteral("LabelA%1").arg(k + 1));
        LabelA[k]->setAlignment(Qt::AlignCenter);
    }
    StringGrid = new QTableWidget(1, 6, this);
    StringGrid->setObjectName(QStringLiteral("StringGrid"));
    StringGrid->horizontalHeader()->hide();
    StringGrid->verticalHeader()->hide();
    StringGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid->setFocusPolicy(Qt::NoFocus);
    StringGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid->setFrameShape(QFrame::NoFrame);
    StringGrid->setShowGrid(true);
    for (int k = 0; k < 6; ++k) {
        auto* celula = new QTableWidgetItem;
        celula->setTextAlignment(Qt::AlignCenter);
        celula->setForeground(kCoresDosTons[k].texto);
        QFont negrito = celula->font();
        negrito.setBold(true);
        celula->setFont(negrito);
        StringGrid->setItem(0, k, celula);
    }
}

QSize DetailPanel::sizeHint() const {
    const QFontMetrics fm(font());
    const int piano = tecladoParaLargura(kLarguraPadrao).tamanho.height();
    return {kLarguraPadrao, fm.height() * 3 + piano + 2 * (fm.height() + 4) + 16};
}

QString DetailPanel::tom(int k) const {
    return StringGrid->item(0, k)->text();
}

void DetailPanel::mostrar(const FingeringEditorState& estado, bool cifraOpcional) {
    estado_ = estado;
    cifraOpcional_ = cifraOpcional;
    const bool existe = estado.linked() && tipos_.existe(estado.linkedType);
    for (int k = 0; k < 6; ++k) {
        QString intervalo;
        if (existe && k == 0) intervalo = QStringLiteral("1");
        if (existe && k > 0) {
            const int codigo = tipos_.tipo(estado.linkedType).Intervalos[k - 1];
            if (codigo >= 1 && codigo <= kMaxCodigoIntervalo)
                intervalo = QString::fromUtf8(TabelaIntervalos[codigo].nome.data(),
                                              static_cast<int>(TabelaIntervalos[codigo].nome.size()));
        }
        LabelA[k]->setText(intervalo);
        // A tone the chord lacks leaves its cell blank, without its colour.
        QTableWidgetItem* celula = StringGrid->item(0, k);
        const bool presente = !estado.chordTones[k].empty();
        celula->setText(QString::fromStdString(estado.chordTones[k]));
        celula->setBackground(presente ? kCoresDosTons[k].fundo : QColor(Qt::white));
    }
    ImageCifra->update();
    ImagePiano->update();
}

void DetailPanel::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    dispor();
}

// Top to bottom: the symbol, the piano, the interval names, the tone cells.
void DetailPanel::dispor() {
    const QFontMetrics fm(font());
    const int largura = width();
    const int celula = (largura - 5) / 6;
    const int alturaCelula = fm.height() + 4;
    const TecladoPiano teclado = tecladoParaLargura(largura);
    int y = 0;
    ImageCifra->setGeometry(0, y, largura, fm.height() * 3);
    y += fm.height() * 3 + 4;
    ImagePiano->setGeometry((largura - teclado.tamanho.width()) / 2, y, teclado.tamanho.width(),
                            teclado.tamanho.height());
    y += teclado.tamanho.height() + 6;
    for (int k = 0; k < 6; ++k) LabelA[k]->setGeometry(k * celula, y, celula, fm.height());
    y += fm.height() + 2;
    StringGrid->setGeometry(0, y, celula * 6 + 1, alturaCelula + 1);
    for (int k = 0; k < 6; ++k) StringGrid->setColumnWidth(k, celula);
    StringGrid->setRowHeight(0, alturaCelula);
}

}  // namespace trovale
