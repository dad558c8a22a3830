#include "ui/fingering_editor/fretboard_panel.h"

#include <QLabel>

#include "drawing/diagram_geometry.h"
#include "ui/fingering_editor/chord_tone_colours.h"

namespace trovale {

namespace {

const QColor kCinzaMuda(0xC0, 0xC0, 0xC0);

QLabel* rotulo(const QString& nome, QWidget* pai) {
    auto* l = new QLabel(pai);
    l->setObjectName(nome);
    l->setAlignment(Qt::AlignCenter);
    l->setAutoFillBackground(true);
    return l;
}

void pintar(QLabel& l, const QColor& fundo, const QColor& texto) {
    QPalette paleta = l.palette();
    paleta.setColor(QPalette::Window, fundo);
    paleta.setColor(QPalette::WindowText, texto);
    l.setPalette(paleta);
}

// Column of the chord-tone row a label's text stands in, -1 when none.
int colunaDoTom(const ChordToneRow& tons, const std::string& texto) {
    for (std::size_t k = 0; k < tons.size(); ++k)
        if (!tons[k].empty() && tons[k] == texto) return static_cast<int>(k);
    return -1;
}

}  // namespace

FretboardPanel::FretboardPanel(const Aparencia& aparencia, const TDigitacao& digitacao,
                               QWidget* parent)
    : QWidget(parent), aparencia_(aparencia) {
    Image = new FretboardImage(aparencia, digitacao, this);
    for (std::size_t k = 0; k < LabelT.size(); ++k)
        LabelT[k] = rotulo(QStringLiteral("LabelT%1").arg(k + 1), this);
    for (std::size_t k = 0; k < LabelC.size(); ++k) {
        LabelC[k] = rotulo(QStringLiteral("LabelC%1").arg(k + 1), this);
        LabelC[k]->setFrameShape(QFrame::Box);
    }
    connect(Image, &FretboardImage::medidasMudaram, this, &FretboardPanel::posicionar);
}

QMargins FretboardPanel::margens() const {
    const QFontMetrics fm(font());
    const int casas = fm.horizontalAdvance(QStringLiteral("00")) + 10;
    const int nota = fm.horizontalAdvance(QStringLiteral("G#")) + 12;
    const int linha = fm.height() + 8;
    if (aparencia_.Orientacao == kOrientacaoHorizontal) return {nota, linha, nota, linha};
    return {casas, linha, casas, linha};
}

QSize FretboardPanel::sizeHint() const {
    const QMargins m = margens();
    return Image->sizeHint().grownBy(m);
}

void FretboardPanel::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    const QMargins m = margens();
    const QSize imagem = Image->sizeHint();
    Image->setGeometry(m.left() + (width() - m.left() - m.right() - imagem.width()) / 2, m.top(),
                       imagem.width(), imagem.height());
    posicionar();
}

// Fret numbers beside the rows on the side away from the strings' labels, which stand beyond
// the symbols at the far end of the neck.
void FretboardPanel::posicionar() {
    const MedidasDiagrama& m = Image->medidas();
    if (m.W <= 0) return;
    const QPoint o = Image->pos();
    const QFontMetrics fm(font());
    const bool vertical = m.Orientacao == kOrientacaoVertical;
    const int alto = fm.height() + 4;
    const int largo = fm.horizontalAdvance(QStringLiteral("G#")) + 8;
    const int fimAdiante = diagrama::sentidoFim(m);
    const QRect img = Image->geometry();
    for (int casa = 1; casa <= 5; ++casa) {
        QLabel* l = LabelT[casa - 1];
        l->setVisible(casa <= m.Casas);
        if (casa > m.Casas) continue;
        const int centro = diagrama::centroAlong(m, casa);
        if (vertical)
            l->setGeometry(0, o.y() + centro - alto / 2, img.left() - 4, alto);
        else
            l->setGeometry(o.x() + centro - largo / 2, 0, largo, img.top() - 2);
    }
    for (int corda = 1; corda <= kCordas; ++corda) {
        const FaixaPixels& f = m.Corda[corda];
        const int centro = (f.inicio + f.fim) / 2;
        QLabel* l = LabelC[corda - 1];
        if (vertical) {
            const int y = fimAdiante > 0 ? img.bottom() + 3 : img.top() - alto - 3;
            l->setGeometry(o.x() + centro - largo / 2, y, largo, alto);
        } else {
            const int x = fimAdiante > 0 ? img.right() + 3 : img.left() - largo - 3;
            l->setGeometry(x, o.y() + centro - alto / 2, largo, alto);
        }
    }
}

void FretboardPanel::atualizar(const FingeringEditorState& estado) {
    const TDigitacao& d = estado.digitacao;
    for (int casa = 1; casa <= 5; ++casa)
        LabelT[casa - 1]->setText(
            casa <= aparencia_.casas()
                ? QStringLiteral("%1").arg(d.Casa + casa - 1, 2, 10, QLatin1Char('0'))
                : QString());
    for (int corda = 1; corda <= kCordas; ++corda) {
        QLabel& l = *LabelC[corda - 1];
        const std::string& texto = estado.labels[corda - 1];
        l.setText(QString::fromStdString(texto));
        const int coluna =
            estado.linked() && d.tocada(corda) ? colunaDoTom(estado.chordTones, texto) : -1;
        if (coluna >= 0)
            pintar(l, kCoresDosTons[coluna].fundo, kCoresDosTons[coluna].texto);
        else
            pintar(l, Qt::white, d.tocada(corda) ? QColor(Qt::black) : kCinzaMuda);
    }
}

}  // namespace trovale
