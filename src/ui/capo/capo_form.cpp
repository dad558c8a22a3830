#include "ui/capo/capo_form.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "document/capo.h"
#include "ui/common/dialog_button.h"

namespace trovale {

TCapoForm::TCapoForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CapoForm"));
    setWindowTitle(QStringLiteral(" Capotraste"));
    setModal(true);
    auto* rotulo = new QLabel(QStringLiteral("&Capotraste:"), this);
    ComboCasa = new QComboBox(this);
    ComboCasa->setObjectName(QStringLiteral("ComboCasa"));
    for (int casa = 0; casa <= kMaxCapotraste; ++casa)
        ComboCasa->addItem(QString::fromStdString(nomeDaCasa(casa)), casa);
    rotulo->setBuddy(ComboCasa);
    LabelSom = new QLabel(this);
    LabelSom->setObjectName(QStringLiteral("LabelSom"));
    LabelSom->setWordWrap(true);
    BtnOK = criarBotaoDeDialogo(this, "BtnOK", QStringLiteral("&Confirmar"));
    BtnOK->setDefault(true);
    BtnCancel = criarBotaoDeDialogo(this, "BtnCancel", QStringLiteral("Ca&ncelar"));
    BtnHelp = criarBotaoDeDialogo(this, "BtnHelp", QStringLiteral("Aj&uda"));

    auto* linha = new QHBoxLayout;
    linha->addWidget(rotulo);
    linha->addWidget(ComboCasa, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(BtnOK);
    botoes->addWidget(BtnCancel);
    botoes->addWidget(BtnHelp);
    auto* tudo = new QVBoxLayout(this);
    tudo->addLayout(linha);
    tudo->addWidget(LabelSom);
    tudo->addStretch();
    tudo->addLayout(botoes);
    setMinimumWidth(fontMetrics().averageCharWidth() * 52);

    connect(ComboCasa, &QComboBox::currentIndexChanged, this, &TCapoForm::mostrarSom);
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnHelp, &QPushButton::clicked, this,
            [this] { emit ajudaPedida(QStringLiteral("capotraste.html")); });
}

std::optional<int> TCapoForm::escolher(int atual) {
    ComboCasa->setCurrentIndex(std::clamp(atual, 0, kMaxCapotraste));
    mostrarSom();
    ComboCasa->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return ComboCasa->currentData().toInt();
}

void TCapoForm::mostrarSom() {
    const int casa = ComboCasa->currentData().toInt();
    LabelSom->setText(
        casa == 0 ? QStringLiteral("Os acordes soam como estão escritos.")
        : casa == 1
            ? QStringLiteral("Os acordes da folha são as formas feitas no braço; cada um soa "
                             "1 semitom acima.")
            : QStringLiteral("Os acordes da folha são as formas feitas no braço; cada um soa "
                             "%1 semitons acima.")
                  .arg(casa));
}

}  // namespace trovale
