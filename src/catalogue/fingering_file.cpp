#include "catalogue/fingering_file.h"

#include "catalogue/fingering_match.h"
#include "catalogue/notes.h"

namespace trovale {

bool registroConsistente(const TDigitacaoGravada& gravada, const CatalogoTipos& tipos) {
    const TDigitacao d = Decodificar(gravada);
    if (d.Nota < 1 || d.Nota > kNotasPorOitava || !CatalogoTipos::numeroValido(d.Tipo))
        return false;
    if (!digitacaoBemFormada(d)) return false;
    return TestarDigitacao(d.Nota, tipos.tipo(d.Tipo), notasSoantes(d)).casou;
}

bool arquivoDigitacoesIntegro(std::string_view bytes) {
    if (bytes.empty() || bytes.size() % kBytesDigitacaoGravada != 0) return false;
    for (std::size_t i = 0; i < bytes.size(); i += kBytesDigitacaoGravada) {
        const TDigitacao d = Decodificar(deBytes(reinterpret_cast<const std::uint8_t*>(&bytes[i])));
        if (d.Nota < 1 || d.Nota > kNotasPorOitava || !CatalogoTipos::numeroValido(d.Tipo) ||
            !digitacaoBemFormada(d))
            return false;
    }
    return true;
}

void lerDigitacoes(std::string_view bytes, const CatalogoTipos& tipos, BancoDigitacoes& banco) {
    banco.limpar();
    banco.Digitacoes.reserve(kMaxDigitacoes);
    const std::size_t registros = bytes.size() / kBytesDigitacaoGravada;
    int notaAnterior = 0, tipoAnterior = 0;
    for (std::size_t i = 0; i < registros; ++i) {
        const auto* inicio =
            reinterpret_cast<const std::uint8_t*>(bytes.data() + i * kBytesDigitacaoGravada);
        const TDigitacaoGravada g = deBytes(inicio);
        if (banco.NumDigitacoes() >= kMaxDigitacoes || !registroConsistente(g, tipos)) {
            ++banco.DigitacoesRejeitadas;
            continue;
        }
        banco.Digitacoes.push_back(g);
        const int nota = notaGravada(g), tipo = tipoGravado(g);
        if (nota != notaAnterior || tipo != tipoAnterior)
            banco.IndiceDigitacoes[nota][tipo] = static_cast<std::uint16_t>(banco.NumDigitacoes());
        notaAnterior = nota;
        tipoAnterior = tipo;
    }
}

std::string escreverDigitacoes(const BancoDigitacoes& banco) {
    std::string saida;
    saida.reserve(banco.Digitacoes.size() * kBytesDigitacaoGravada);
    for (const TDigitacaoGravada& g : banco.Digitacoes) {
        const auto bytes = paraBytes(g);
        saida.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    return saida;
}

}  // namespace trovale
