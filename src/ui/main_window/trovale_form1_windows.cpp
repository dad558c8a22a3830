// The song windows inside the main window: arranging them, the list that picks one, and the
// keys that go from one to the next.

#include <QActionGroup>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QtMath>

#include "ui/main_window/trovale_form1.h"

namespace trovale {

namespace {

// Below this share of the area a song shows too little of its page to work in.
constexpr double kMenorFracao = 0.6;

// "&1 Asa Branca.dec": the first nine are reached by their digit.
QString legendaDaJanela(int indice, const QWidget* documento) {
    QString nome = QFileInfo(documento ? documento->windowFilePath() : QString()).fileName();
    nome.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const QString numero = QString::number(indice + 1);
    return (indice < 9 ? QLatin1Char('&') + numero : numero) + QLatin1Char(' ') + nome;
}

}  // namespace

void TTrovaleForm1::criarAtalhosJanelas() {
    auto* proxima = new QAction(this);
    proxima->setObjectName(QStringLiteral("mProxima"));
    proxima->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Tab)});
    // X11 reports Shift+Tab as Backtab.
    auto* anterior = new QAction(this);
    anterior->setObjectName(QStringLiteral("mAnterior"));
    anterior->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)});
    addAction(proxima);
    addAction(anterior);
    connect(proxima, &QAction::triggered, mdi_, &QMdiArea::activateNextSubWindow);
    connect(anterior, &QAction::triggered, mdi_, &QMdiArea::activatePreviousSubWindow);
    listaJanelas_ = new QActionGroup(this);
    listaJanelas_->setExclusive(true);
}

void TTrovaleForm1::listarJanelas() {
    for (QAction* antiga : listaJanelas_->actions()) delete antiga;
    const QList<QMdiSubWindow*> janelas = mdi_->subWindowList();
    QMdiSubWindow* ativa = mdi_->currentSubWindow();
    if (!ativa && !janelas.isEmpty()) ativa = janelas.last();
    for (int i = 0; i < janelas.size(); ++i) {
        QMdiSubWindow* janela = janelas[i];
        auto* item = new QAction(legendaDaJanela(i, janela->widget()), listaJanelas_);
        item->setCheckable(true);
        item->setChecked(janela == ativa);
        connect(item, &QAction::triggered, mdi_, [this, janela = QPointer<QMdiSubWindow>(janela)] {
            if (janela) mdi_->setActiveSubWindow(janela);
        });
        menu_.mArquivo->insertAction(menu_.separadorSair, item);
    }
    menu_.separadorJanelas->setVisible(!janelas.isEmpty());
}

void TTrovaleForm1::arrumarJanelas() {
    QList<QMdiSubWindow*> janelas = mdi_->subWindowList();
    if (janelas.isEmpty()) return;
    QMdiSubWindow* ativa = mdi_->currentSubWindow();
    if (!ativa) ativa = janelas.last();
    // The active song goes last, so that it lies on top with every title bar above it.
    janelas.move(janelas.indexOf(ativa), janelas.size() - 1);
    for (QMdiSubWindow* janela : janelas) janela->showNormal();

    // Qt's own cascade gives each window its size hint, a sliver for a song: here each takes
    // what the steps leave of the area, but never less than its larger share.
    const QSize area = mdi_->viewport()->size();
    const int passo =
        qMax(1, ativa->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, ativa));
    const int recuo = passo * static_cast<int>(janelas.size() - 1);
    const QSize tamanho(qMax(area.width() - recuo, qCeil(area.width() * kMenorFracao)),
                        qMax(area.height() - recuo, qCeil(area.height() * kMenorFracao)));
    // When the steps run out of room the cascade starts again at the corner.
    const int degraus =
        1 + qMax(0, qMin(area.width() - tamanho.width(), area.height() - tamanho.height()) / passo);
    for (int i = 0; i < janelas.size(); ++i) {
        const int deslocamento = (i % degraus) * passo;
        janelas[i]->setGeometry(QRect(QPoint(deslocamento, deslocamento), tamanho));
        janelas[i]->raise();
    }
    mdi_->setActiveSubWindow(ativa);
    atualizarTitulos();
}

}  // namespace trovale
