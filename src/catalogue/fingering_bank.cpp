#include "catalogue/fingering_bank.h"

#include "catalogue/notes.h"

namespace trovale {

void BancoDigitacoes::limpar() {
    Digitacoes.clear();
    for (auto& linha : IndiceDigitacoes) linha.fill(0);
    DigitacoesRejeitadas = 0;
}

int BancoDigitacoes::PrimeiraDigitacao(int nota, int tipo) const {
    if (nota < 1 || nota > kNotasPorOitava || !CatalogoTipos::numeroValido(tipo)) return 0;
    return IndiceDigitacoes[nota][tipo];
}

bool BancoDigitacoes::TemDigitacoes(int tipo) const {
    for (int nota = 1; nota <= kNotasPorOitava; ++nota)
        if (PrimeiraDigitacao(nota, tipo) != 0) return true;
    return false;
}

int BancoDigitacoes::tamanhoDaSequencia(int posicao) const {
    if (posicao < 1 || posicao > NumDigitacoes()) return 0;
    const TDigitacaoGravada& primeira = Digitacoes[posicao - 1];
    int n = 0;
    for (int i = posicao - 1; i < NumDigitacoes(); ++i, ++n) {
        const TDigitacaoGravada& g = Digitacoes[i];
        if (notaGravada(g) != notaGravada(primeira) || tipoGravado(g) != tipoGravado(primeira))
            break;
    }
    return n;
}

void BancoDigitacoes::ExcluirDigitacoesDoTipo(int tipo) {
    if (!CatalogoTipos::numeroValido(tipo)) return;
    for (int nota = 1; nota <= kNotasPorOitava; ++nota) {
        const int s = IndiceDigitacoes[nota][tipo];
        if (s == 0) continue;
        const int n = tamanhoDaSequencia(s);
        Digitacoes.erase(Digitacoes.begin() + (s - 1), Digitacoes.begin() + (s - 1 + n));
        for (auto& linha : IndiceDigitacoes)
            for (auto& entrada : linha)
                if (entrada > s) entrada = static_cast<std::uint16_t>(entrada - n);
        IndiceDigitacoes[nota][tipo] = 0;
    }
}

}  // namespace trovale
