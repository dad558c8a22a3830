// The chord type editor's tasks: what each mode lets the user do, starting, confirming and
// cancelling a task, the interval clicks and the symbol editing.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <algorithm>

#include "render/qt_text.h"
#include "ui/dialogs/save_reminder.h"
#include "ui/type_editor/interval_list.h"
#include "ui/type_editor/symbol_grid.h"
#include "ui/type_editor/symbol_preview.h"
#include "ui/type_editor/tipos_form.h"

namespace trovale {

namespace {

const QColor kPrata(0xC0, 0xC0, 0xC0);

QString textoDaTarefa(Tarefa tarefa) {
    switch (tarefa) {
        case Tarefa::Inclusao:
            return QStringLiteral("Incluindo item");
        case Tarefa::Alteracao:
            return QStringLiteral("Alterando item abaixo");
        case Tarefa::Exclusao:
            return QStringLiteral("Excluindo item abaixo");
        case Tarefa::Nenhuma:
            break;
    }
    return QStringLiteral("Tarefas:");
}

}  // namespace

void TTiposForm::preencherLista(int entrada) {
    const CatalogoTipos& tipos = catalogo_.tipos;
    auto* modelo = qobject_cast<QStandardItemModel*>(ComboBox->model());
    {
        const QSignalBlocker bloqueio(ComboBox);
        ComboBox->clear();
        for (int k = 0; k < tipos.NumEntradas(); ++k) {
            const int t = tipoDaEntrada(tipos, k);
            const std::string& legenda = t ? tipos.tipo(t).Nome : tipos.Legendas[k];
            ComboBox->addItem(qs(legenda));
            if (!t && modelo) modelo->item(k)->setBackground(kPrata);
        }
        entrada_ = std::clamp(entrada, 0, std::max(0, tipos.NumEntradas() - 1));
        ComboBox->setCurrentIndex(entrada_);
    }
    mostrarEntrada(entrada_);
    aplicarModo();
}

void TTiposForm::mostrarEntrada(int entrada) {
    const int t = tipoDaEntrada(catalogo_.tipos, entrada);
    registro_ = t ? emEdicao(catalogo_.tipos.tipo(t)) : TipoEmEdicao{};
    mostrarRegistro();
}

void TTiposForm::mostrarRegistro() {
    ListBox1->mostrar(registro_.intervalos);
    EditNome->setText(qs(registro_.nome));
    ImagemPadrao->setCifra(registro_.cifraPadrao);
    ImagemOpcional->setCifra(registro_.cifraOpcional);
    // A separator has no symbol to draw, not even the bare root.
    ImagemPadrao->setVazia(tipoDaEntrada(catalogo_.tipos, entrada_) == 0 &&
                           tarefa_ != Tarefa::Inclusao);
}

void TTiposForm::aplicarModo() {
    const bool normal = tarefa_ == Tarefa::Nenhuma;
    const bool edita = tarefa_ == Tarefa::Inclusao || tarefa_ == Tarefa::Alteracao;
    LabelTask->setText(textoDaTarefa(tarefa_));
    ComboBox->setEnabled(normal);
    for (QPushButton* b : {BtnInclude, BtnModify, BtnExclude}) b->setVisible(normal);
    for (QPushButton* b : {BtnConfirmTask, BtnCancelTask}) {
        b->setVisible(!normal);
        b->setEnabled(!editandoCifra_);
    }
    BtnClose->setEnabled(normal);
    ListBox1->setEnabled(!normal && tarefa_ != Tarefa::Exclusao);
    ListBox1->setArrastavel(editandoCifra_);
    EditNome->setEnabled(edita && !editandoCifra_);
    BtnEditarPadrao->setEnabled(edita && !editandoCifra_ && !padraoBloqueado_);
    BtnEditarOpcional->setEnabled(edita && !editandoCifra_);
    painelCifra_->setVisible(editandoCifra_);
}

void TTiposForm::iniciarTarefa(Tarefa tarefa) {
    const CatalogoTipos& tipos = catalogo_.tipos;
    const std::string recusa = recusaAoIniciar(tipos, tarefa, entrada_);
    if (!recusa.empty()) {
        dialogs_.aviso(recusa);
        return;
    }
    const int numero = tipoDaEntrada(tipos, entrada_);
    intervalosBloqueados_ = tarefa == Tarefa::Exclusao;
    padraoBloqueado_ = false;
    registro_ = tarefa == Tarefa::Inclusao ? TipoEmEdicao{} : emEdicao(tipos.tipo(numero));
    if (tarefa == Tarefa::Alteracao && tipoBasico(numero)) {
        dialogs_.aviso(std::string(kMensagemTipoBasico));
        intervalosBloqueados_ = padraoBloqueado_ = true;
    }
    tarefa_ = tarefa;
    mostrarRegistro();
    aplicarModo();
    if (tarefa == Tarefa::Exclusao) return;
    EditNome->setFocus();
    EditNome->setCursorPosition(std::min(cursorNome_, static_cast<int>(EditNome->text().size())));
}

void TTiposForm::confirmarTarefa() {
    std::optional<int> entrada;
    if (tarefa_ == Tarefa::Inclusao)
        entrada = confirmarInclusao(catalogo_, registro_, dialogs_);
    else if (tarefa_ == Tarefa::Alteracao)
        entrada = confirmarAlteracao(catalogo_, entrada_, registro_, dialogs_);
    else if (tarefa_ == Tarefa::Exclusao)
        entrada = confirmarExclusao(catalogo_, entrada_, dialogs_);
    if (!entrada) return;
    if (tarefa_ == Tarefa::Inclusao) tipoCriado_ = tipoDaEntrada(catalogo_.tipos, *entrada);
    lembrete_.lembrar(dialogs_);
    encerrarTarefa(*entrada);
    if (criacao_) QDialog::accept();
}

void TTiposForm::cancelarTarefa() {
    encerrarTarefa(entrada_);
    if (criacao_) QDialog::reject();
}

void TTiposForm::encerrarTarefa(int entrada) {
    tarefa_ = Tarefa::Nenhuma;
    editandoCifra_ = false;
    intervalosBloqueados_ = padraoBloqueado_ = false;
    preencherLista(entrada);
}

void TTiposForm::clicarIntervalo(int codigo) {
    if (tarefa_ == Tarefa::Nenhuma || editandoCifra_ || intervalosBloqueados_) return;
    alternarIntervalo(registro_.intervalos, codigo);
    ListBox1->mostrar(registro_.intervalos);
}

void TTiposForm::editarCifra(bool padrao) {
    editandoCifra_ = true;
    editandoPadrao_ = padrao;
    StringGrid->setGrade(gradeDaCifra(padrao ? registro_.cifraPadrao : registro_.cifraOpcional));
    LabelCifra->setText(padrao ? QStringLiteral("Editando cifra padrão")
                               : QStringLiteral("Editando cifra opcional"));
    aplicarModo();
    StringGrid->setCurrentCell(2, 1);
    StringGrid->setFocus();
}

void TTiposForm::gradeMudou() {
    if (!editandoCifra_) return;
    (editandoPadrao_ ? ImagemPadrao : ImagemOpcional)->setCifra(cifraDaGrade(StringGrid->grade()));
}

void TTiposForm::encerrarEdicaoCifra(bool confirmada) {
    if (confirmada)
        (editandoPadrao_ ? registro_.cifraPadrao : registro_.cifraOpcional) =
            cifraDaGrade(StringGrid->grade());
    editandoCifra_ = false;
    mostrarRegistro();
    aplicarModo();
}

}  // namespace trovale
