// The fingering editor's commands: identification, verification, cataloguing, the slide
// along the neck, a new chord type from the notes, and the link to a chord.

#include <QCheckBox>
#include <QPushButton>

#include "catalogue/intervals.h"
#include "catalogue/notes.h"
#include "fingering/catalogue_block.h"
#include "fingering/catalogue_insertion.h"
#include "fingering/fingering_transposition.h"
#include "fingering/fingering_validation.h"
#include "fingering/fingering_editing.h"
#include "fingering/identification.h"
#include "fingering/interval_choices.h"
#include "fingering/sounding_notes.h"
#include "fingering/string_states.h"
#include "fingering/verification.h"
#include "ui/chord_choice/chords_form.h"
#include "ui/chord_choice/select_form.h"
#include "ui/dialogs/save_reminder.h"
#include "ui/fingering_editor/choose_form.h"
#include "ui/fingering_editor/criar_form.h"
#include "ui/fingering_editor/edit_form.h"
#include "ui/fingering_editor/fingering_drag.h"
#include "ui/fingering_editor/fretboard_panel.h"
#include "ui/type_editor/tipos_form.h"

namespace trovale {

namespace {

// Open strings of a transposed version that belong to the chord start sounding, as in the
// editor; then the lowest struck string from 3 to 6 carries the bass.
void habilitarSoltasNaVersao(TDigitacao& versao, const CatalogoTipos& tipos, int tipo) {
    FingeringEditorState e = emptyEditorState();
    e.digitacao = versao;
    linkChord(e, tipos, versao.NomeNota, tipo);
    enableOpenStrings(e);
    versao.Estado = e.digitacao.Estado;
    for (int corda = kCordas; corda >= 3; --corda) {
        if (!versao.tocada(corda)) continue;
        for (int outra = 1; outra <= kCordas; ++outra)
            if (versao.estado(outra) == kCordaBaixo) versao.Estado[outra - 1] = kCordaTocada;
        versao.Estado[corda - 1] = kCordaBaixo;
        break;
    }
}

// What the chord type editor would be handed: the base and the intervals above it.
std::string descreverProposta(const IntervalosPropostos& proposta) {
    std::string texto = "Novo tipo de acorde sobre " + proposta.grafia + ": 1";
    for (int codigo : proposta.intervalos)
        if (codigo != 0) texto += " " + std::string(TabelaIntervalos[codigo].nome);
    return texto + ".";
}

}  // namespace

// Fingerings reordered or deleted in the browser and not yet written back may be lost.
bool TEditForm::atualizacaoPendenteCancela() {
    if (!navegador().atualizacaoPendente()) return false;
    return dialogs_.pergunta(2) == Resposta::Sim;
}

bool TEditForm::validar() {
    const FingeringCheck c = validateFingering(estado_.digitacao);
    if (!c.valid) dialogs_.aviso(c.message);
    return c.valid;
}

void TEditForm::habilitarSoltasSeMarcado() {
    if (!CheckBox->isChecked() || !estado_.linked()) return;
    enableOpenStrings(estado_);
    atualizar();
}

void TEditForm::identificar() {
    if (atualizacaoPendenteCancela() || !validar()) return;
    const Identification id = identifyChords(estado_.digitacao, estado_.chordTones, catalogo_);
    if (!id.message.empty()) dialogs_.aviso(id.message);
    if (id.candidates.empty()) return;
    navegador().hide();
    const QRect braco(braco_->Image->mapTo(this, QPoint(0, 0)), braco_->Image->size());
    const auto escolhido =
        escolha_->escolher(id, catalogo_.tipos, selecao_.cifraOpcional(), *this, braco);
    if (escolhido) vincularAcorde(escolhido->raiz, escolhido->tipo);
}

void TEditForm::vincularAcorde(const std::string& raiz, int tipo) {
    linkChord(estado_, catalogo_.tipos, raiz, tipo);
    atualizar();
    mostrarNavegador();
}

void TEditForm::verificar() {
    habilitarSoltasSeMarcado();
    dialogs_.aviso(verifyAgainstLink(estado_, catalogo_.tipos).message);
}

void TEditForm::catalogar() {
    if (atualizacaoPendenteCancela()) return;
    habilitarSoltasSeMarcado();
    const bool incluida = catalogueFingering(estado_, catalogo_, dialogs_);
    atualizar();
    if (!incluida) return;
    if (catalogo_.DigitacoesAlteradas) lembrete_.lembrar(dialogs_);
    mostrarNavegador(true);
}

void TEditForm::transpor() {
    if (atualizacaoPendenteCancela()) return;
    const Verification v = verifyAgainstLink(estado_, catalogo_.tipos);
    if (!v.matches) {
        dialogs_.aviso(v.message);
        return;
    }
    std::vector<TDigitacao> versoes =
        transposeFingering(estado_.digitacao, estado_.linkedRoot, estado_.linkedRootName,
                           aparencia_.casas(), &dialogs_);
    if (versoes.empty()) {
        mostrarNavegador();
        return;
    }
    if (CheckBox->isChecked()) {
        habilitarSoltasSeMarcado();
        for (TDigitacao& versao : versoes)
            habilitarSoltasNaVersao(versao, catalogo_.tipos, estado_.linkedType);
    }
    ListaDeDigitacoes lista;
    lista.tipo = estado_.linkedType;
    lista.tipoComDigitacoes = estado_.linkedType;
    for (const TDigitacao& versao : versoes) lista.entradas.push_back({versao, versao.NomeNota, 0});
    navegador().hide();
    navegador().pertencerA(this);
    navegador().posicionarAoLado(*this);
    const int tipo = estado_.linkedType;
    navegador().mostrarTransposicoes(std::move(lista), [this, tipo](const ListaDeDigitacoes& l) {
        std::vector<TDigitacao> digitacoes;
        for (const EntradaLista& e : l.entradas) digitacoes.push_back(e.digitacao);
        catalogueList(catalogo_, digitacoes, tipo, dialogs_);
        if (catalogo_.DigitacoesAlteradas) lembrete_.lembrar(dialogs_);
    });
    mostrarNavegador();
}

void TEditForm::criarTipo() {
    if (atualizacaoPendenteCancela() || !validar()) return;
    const std::vector<SoundingNote> notas = soundingNotes(estado_.digitacao, estado_.chordTones);
    const int cordaBaixo = bassString(estado_.digitacao);
    const int notaBaixo = cordaBaixo ? estado_.digitacao.notaDaCorda(cordaBaixo) : 0;
    int base = 0;
    for (std::size_t k = 0; k < notas.size(); ++k)
        if (notas[k].nota == notaBaixo) base = static_cast<int>(k);
    const auto proposta = criar_->propor(notas, base, *this);
    if (!proposta) return;
    // The chord type editor completes and names the type; the fingering is linked to it.
    if (tipos_) {
        if (const int tipo = tipos_->criar(*proposta, this)) {
            vincularAcorde(proposta->grafia, tipo);
            return;
        }
    } else {
        dialogs_.aviso(descreverProposta(*proposta));
    }
    atualizar();
    mostrarNavegador();
}

void TEditForm::alternarVinculo() {
    if (atualizacaoPendenteCancela()) return;
    if (estado_.linked()) {
        unlinkChord(estado_, catalogo_.tipos);
    } else {
        const std::string raizAntes = estado_.linkedRootName;
        const int tipoAntes = estado_.linkedType;
        const bool vinculado = selecao_.vincular(
            raizAntes, tipoAntes,
            [this](const std::string& raiz, int tipo) {
                linkChord(estado_, catalogo_.tipos, raiz, tipo);
                atualizar();
            },
            *this);
        if (!vinculado) linkChord(estado_, catalogo_.tipos, raizAntes, tipoAntes);
    }
    atualizar();
    mostrarNavegador();
}

// "&Atualizar": the list goes back to the catalogue. Fingerings the diagrams' rows could
// not show were never in the list; they stay, after the others.
void TEditForm::escreverLista(const ListaDeDigitacoes& lista, int catalogadas) {
    std::vector<TDigitacao> digitacoes;
    for (const EntradaLista& e : lista.entradas) digitacoes.push_back(e.digitacao);
    const BancoDigitacoes& banco = catalogo_.digitacoes;
    const int primeira = banco.PrimeiraDigitacao(lista.nota, lista.tipoComDigitacoes);
    for (int k = 0; primeira > 0 && k < catalogadas; ++k) {
        TDigitacao d = Decodificar(banco.Digitacoes[primeira - 1 + k]);
        TDigitacao ajustada = d;
        if (!ajustarAsCasas(ajustada, aparencia_.casas())) digitacoes.push_back(d);
    }
    replaceChordFingerings(catalogo_, lista.nota, lista.tipo, digitacoes, catalogadas);
    lembrete_.lembrar(dialogs_);
}

// The fretboard.

void TEditForm::clicarPonto(int corda, int casa) {
    const NoteClick r = placeNote(estado_.digitacao, corda, casa);
    atualizar();
    if (!r.message.empty()) dialogs_.aviso(r.message);
    if (r.placed) braco_->Image->permitirPestana(corda, casa);
}

void TEditForm::alternarCorda(int corda) {
    toggleString(estado_.digitacao, corda);
    atualizar();
}

void TEditForm::clicarPestana(int corda, int casa) {
    for (int slot = 0; slot < kMaxPestanas; ++slot) {
        const Pestana& p = estado_.digitacao.Pestanas[slot];
        if (!p.vazia() && p.Traste == casa && corda >= p.CordaInicial && corda <= p.CordaFinal) {
            removeBarre(estado_.digitacao, slot);
            atualizar();
            return;
        }
    }
}

bool TEditForm::podeIniciarPestana(int casa) {
    const std::string recusa = barreRefusal(estado_.digitacao, casa);
    if (!recusa.empty()) dialogs_.aviso(recusa);
    return recusa.empty();
}

void TEditForm::arrastarPestana(int corda, int casa, int cordaFinal) {
    const std::string aviso = finishBarre(estado_.digitacao, corda, casa, cordaFinal);
    atualizar();
    if (!aviso.empty()) dialogs_.aviso(aviso);
}

void TEditForm::mover(int passo) {
    if (moveWindow(estado_.digitacao, passo)) atualizar();
}

// A fingering from the browser: it becomes the one being edited, its root the linked root.
void TEditForm::receberArrastada(const QMimeData& mime) {
    const auto arrastada = digitacaoDoMime(mime);
    if (!arrastada) return;
    estado_.digitacao = arrastada->digitacao;
    if (estado_.linked() && notaDaGrafia(arrastada->raiz) != 0)
        estado_.linkedRootName = arrastada->raiz;
    atualizar();
}

}  // namespace trovale
