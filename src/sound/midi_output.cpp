#include "sound/midi_output.h"

#include <cstdint>
#include <utility>

namespace trovale {

namespace {

constexpr int kMudancaPrograma = 0xC0;
constexpr int kNotaLigada = 0x90;
constexpr int kNotaDesligada = 0x80;

}  // namespace

std::vector<std::string> textosDasEntradas(const std::string& saidaPadrao,
                                           const std::vector<std::string>& dispositivos) {
    std::vector<std::string> textos{saidaPadrao};
    int semNome = 0;
    for (const std::string& nome : dispositivos)
        textos.push_back(nome.empty() ? "Não identificado # " + std::to_string(++semNome) : nome);
    return textos;
}

SaidaMidi::SaidaMidi(SistemaMidi& sistema) : sistema_(sistema) {
    const std::vector<std::string> nomes = sistema_.dispositivos();
    quantidade_ = static_cast<int>(nomes.size());
    entradas_ = textosDasEntradas(sistema_.nomeSaidaPadrao(), nomes);
}

void SaidaMidi::EscolherDispositivo(int id) {
    if (id == dispositivo_) return;
    FecharSaida();
    dispositivo_ = id;
}

void SaidaMidi::FecharSaida() {
    porta_.reset();
}

void SaidaMidi::AbrirSaida() {
    FecharSaida();
    falha_ = FalhaMidi::Indisponivel;
    if (dispositivo_ >= quantidade_) return;
    AberturaMidi abertura = sistema_.abrir(dispositivo_ < 0 ? kSaidaPadrao : dispositivo_);
    porta_ = std::move(abertura.porta);
    falha_ = abertura.falha;
}

void SaidaMidi::MudarInstrumento(int programa) {
    if (!aberta()) AbrirSaida();
    if (programa >= 0 && programa < kSemInstrumento) enviar(kMudancaPrograma, programa, 0);
}

void SaidaMidi::NotaLigada(int nota, int velocidade) {
    enviar(kNotaLigada, nota, velocidade);
}

void SaidaMidi::NotaDesligada(int nota) {
    enviar(kNotaDesligada, nota, 0);
}

void SaidaMidi::enviar(int status, int dado1, int dado2) {
    if (!porta_) return;
    porta_->enviar(static_cast<std::uint8_t>(status), static_cast<std::uint8_t>(dado1 & 0x7F),
                   static_cast<std::uint8_t>(dado2 & 0x7F));
}

}  // namespace trovale
