#include "sound/chord_player.h"

#include <utility>

#include "base/dialogs.h"

namespace trovale {

AcordeMidi::AcordeMidi(SaidaMidi& saida, Agenda& agenda, Dialogs& dialogs)
    : saida_(saida), agenda_(agenda), dialogs_(dialogs) {}

AcordeMidi::~AcordeMidi() {
    std::lock_guard trava(guarda_->mutex);
    parar();
    guarda_->vivo = false;
}

template <typename Tarefa>
void AcordeMidi::agendar(Duracao atraso, Tarefa tarefa) {
    agenda_.depois(atraso, [guarda = guarda_, tarefa = std::move(tarefa)] {
        std::lock_guard trava(guarda->mutex);
        if (guarda->vivo) tarefa();
    });
}

bool AcordeMidi::TocarAcorde(const TDigitacao& digitacao) {
    return TocarNotas(notasDoAcorde(digitacao));
}

bool AcordeMidi::TocarNotas(std::vector<int> notas) {
    bool aberta = false;
    const char* aviso = nullptr;
    {
        std::lock_guard trava(guarda_->mutex);
        aberta = tocar(std::move(notas));
        if (!aberta) aviso = avisoDaFalha();
    }
    // Outside the lock: a message window runs the event loop, and with it our tasks.
    if (aviso) dialogs_.aviso(aviso);
    return aberta;
}

const char* AcordeMidi::avisoDaFalha() {
    if (saida_.falha() != FalhaMidi::SemAudio) return kMensagemMidiIndisponivel;
    // A machine without sound stays so: said on every chord, it would only be in the way.
    if (semAudioAvisado_) return nullptr;
    semAudioAvisado_ = true;
    return kMensagemSemAudio;
}

bool AcordeMidi::TestarSom(const TDigitacao& digitacao) {
    if (!TocarAcorde(digitacao)) return false;
    std::lock_guard trava(guarda_->mutex);
    ligar(teste_, kDuracaoSolta);
    return true;
}

bool AcordeMidi::tocar(std::vector<int> notas) {
    if (!notas_.empty()) parar();
    saida_.MudarInstrumento(programa_);
    if (!saida_.aberta()) return false;
    if (notas.empty()) return true;
    notas_ = std::move(notas);
    const Duracao atraso = destacarBaixo_ ? Duracao(kAtrasoBaixo) : Duracao::zero();
    inicio_ = agenda_.agora() + atraso;
    ++acorde_;
    saida_.NotaLigada(notas_.front(), kVelocidadePrimeira);
    if (atraso == Duracao::zero()) {
        enviarRestantes(acorde_);
    } else {
        agendar(atraso, [this, acorde = acorde_] { enviarRestantes(acorde); });
    }
    ligar(som_, kDuracaoSegurada);
    return true;
}

void AcordeMidi::enviarRestantes(unsigned acorde) {
    if (acorde != acorde_ || notas_.empty()) return;
    for (std::size_t i = 1; i < notas_.size(); ++i) saida_.NotaLigada(notas_[i], kVelocidadeDemais);
}

void AcordeMidi::PararAcorde() {
    std::lock_guard trava(guarda_->mutex);
    parar();
}

void AcordeMidi::parar() {
    desligar(som_);
    desligar(soltura_);
    desligar(teste_);
    ++acorde_;
    // From string 1 down to the bass.
    for (auto nota = notas_.rbegin(); nota != notas_.rend(); ++nota) saida_.NotaDesligada(*nota);
    notas_.clear();
    saida_.FecharSaida();
}

void AcordeMidi::LiberarAcorde() {
    std::lock_guard trava(guarda_->mutex);
    ligar(soltura_, kDuracaoSolta);
}

void AcordeMidi::ligar(Temporizador& temporizador, Duracao limite) {
    temporizador.ativo = true;
    temporizador.limite = limite;
    const unsigned geracao = ++temporizador.geracao;
    agendar(kIntervaloTemporizador,
            [this, &temporizador, geracao] { verificar(temporizador, geracao); });
}

void AcordeMidi::verificar(Temporizador& temporizador, unsigned geracao) {
    if (!temporizador.ativo || temporizador.geracao != geracao) return;
    // A timer has nothing to end once the chord is gone.
    if (notas_.empty()) {
        temporizador.ativo = false;
        return;
    }
    if (agenda_.agora() - inicio_ > temporizador.limite) {
        parar();
        return;
    }
    agendar(kIntervaloTemporizador,
            [this, &temporizador, geracao] { verificar(temporizador, geracao); });
}

void AcordeMidi::desligar(Temporizador& temporizador) {
    temporizador.ativo = false;
    ++temporizador.geracao;
}

bool AcordeMidi::soando() const {
    std::lock_guard trava(guarda_->mutex);
    return !notas_.empty();
}

void AcordeMidi::EscolherDispositivo(int id) {
    std::lock_guard trava(guarda_->mutex);
    saida_.EscolherDispositivo(id);
}

void AcordeMidi::definirPrograma(int programa) {
    std::lock_guard trava(guarda_->mutex);
    programa_ = programa;
}

int AcordeMidi::programa() const {
    std::lock_guard trava(guarda_->mutex);
    return programa_;
}

void AcordeMidi::destacarBaixo(bool destacar) {
    std::lock_guard trava(guarda_->mutex);
    destacarBaixo_ = destacar;
}

bool AcordeMidi::baixoDestacado() const {
    std::lock_guard trava(guarda_->mutex);
    return destacarBaixo_;
}

}  // namespace trovale
