#include "ui/fingering_editor/criar_form.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "render/qt_text.h"
#include "ui/chord_choice/button_row.h"

namespace trovale {

namespace {

constexpr double kItensVisiveis = 4.3;
const QString kTextoBase = QString::fromUtf8(kNomeBase.data(), kNomeBase.size());

const char* const kAjudaBase =
    "A nota base define as alternativas de designação dos intervalos. Escolha a nota base e "
    "depois faça suas opções.";

}  // namespace

TCriarForm::TCriarForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral(" Intervalos do acorde"));
    createControls();
}

void TCriarForm::createControls() {
    auto* principal = new QVBoxLayout(this);
    auto* grade = new QGridLayout;
    for (int k = 0; k < kNotas; ++k) {
        Label[k] = new QLabel(this);
        Label[k]->setObjectName(QStringLiteral("Label%1").arg(k + 1));
        Label[k]->setAlignment(Qt::AlignCenter);
        ListBox[k] = new QListWidget(this);
        ListBox[k]->setObjectName(QStringLiteral("ListBox%1").arg(k + 1));
        ListBox[k]->setAccessibleName(QStringLiteral("Intervalo da nota %1").arg(k + 1));
        // Any item stands for the height of all.
        ListBox[k]->addItem(kTextoBase);
        const int item = ListBox[k]->sizeHintForRow(0);
        ListBox[k]->clear();
        const int moldura = 2 * ListBox[k]->frameWidth();
        ListBox[k]->setFixedHeight(qRound(kItensVisiveis * item) + moldura);
        // Room for the widest name, "Base", and a scroll bar should one ever show.
        ListBox[k]->setFixedWidth(ListBox[k]->fontMetrics().horizontalAdvance(kTextoBase) * 2 +
                                  moldura);
        grade->addWidget(Label[k], 0, k);
        grade->addWidget(ListBox[k], 1, k);
        connect(ListBox[k], &QListWidget::currentRowChanged, this,
                [this, k](int linha) { escolhaMudou(k, linha); });
    }
    principal->addLayout(grade);
    LabelHelp = new QLabel(QString::fromUtf8(kAjudaBase), this);
    LabelHelp->setObjectName(QStringLiteral("LabelHelp"));
    LabelHelp->setWordWrap(true);
    principal->addWidget(LabelHelp);
    principal->addLayout(linhaDeBotoes(this, BtnOK, QStringLiteral("&Confirmar"), BtnCancel,
                                       QStringLiteral("C&ancelar")));
    principal->setSizeConstraint(QLayout::SetFixedSize);
    connect(BtnOK, &QPushButton::clicked, this, &TCriarForm::confirmar);
    connect(BtnCancel, &QPushButton::clicked, this, &TCriarForm::reject);
}

void TCriarForm::preparar(const std::vector<SoundingNote>& notas, int baseIndex) {
    notas_.assign(notas.begin(), notas.begin() + std::min<std::size_t>(notas.size(), kNotas));
    base_ = baseIndex >= 0 && baseIndex < static_cast<int>(notas_.size()) ? baseIndex : 0;
    resultado_.reset();
    for (int k = 0; k < kNotas; ++k) {
        const bool usada = k < static_cast<int>(notas_.size());
        Label[k]->setText(usada ? qs(notas_[k].grafia) : QString());
        ListBox[k]->setEnabled(usada);
    }
    BtnOK->setEnabled(!notas_.empty());
    preencherListas();
}

void TCriarForm::preencherListas() {
    escolhas_ = notas_.empty() ? std::vector<std::vector<int>>{} : intervalChoices(notas_, base_);
    for (int k = 0; k < kNotas; ++k) {
        QListWidget* lista = ListBox[k];
        const QSignalBlocker bloqueio(lista);
        lista->clear();
        if (k >= static_cast<int>(escolhas_.size())) continue;
        for (int e : escolhas_[k]) {
            const std::string_view nome = choiceName(e);
            lista->addItem(QString::fromUtf8(nome.data(), nome.size()));
        }
        lista->setCurrentRow(0);
    }
}

void TCriarForm::escolhaMudou(int nota, int linha) {
    if (nota == base_ || linha != ListBox[nota]->count() - 1) return;
    base_ = nota;
    preencherListas();
}

void TCriarForm::confirmar() {
    std::vector<int> escolhidas;
    for (std::size_t k = 0; k < escolhas_.size(); ++k) {
        const int linha = ListBox[k]->currentRow();
        if (linha >= 0) escolhidas.push_back(escolhas_[k][linha]);
    }
    resultado_ = proposeIntervals(notas_, base_, escolhidas);
    if (resultado_) accept();
}

void TCriarForm::posicionar(const QWidget& editor) {
    adjustSize();
    const QRect v = editor.window()->frameGeometry();
    const QScreen* tela = editor.screen() ? editor.screen() : QGuiApplication::primaryScreen();
    const QRect area = tela ? tela->availableGeometry() : QRect(v.topLeft(), QSize(4096, 4096));
    const int largura = frameGeometry().width();
    int x = v.left() + v.width();
    if (x + largura > area.left() + area.width()) x = std::max(area.left(), v.left() - largura);
    move(x, v.top());
}

std::optional<IntervalosPropostos> TCriarForm::propor(const std::vector<SoundingNote>& notas,
                                                      int baseIndex, QWidget& editor) {
    preparar(notas, baseIndex);
    posicionar(editor);
    exec();
    return resultado_;
}

}  // namespace trovale
