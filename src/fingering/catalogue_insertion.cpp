#include "fingering/catalogue_insertion.h"

#include <cstdio>
#include <string>

#include "catalogue/notes.h"
#include "fingering/same_sound.h"
#include "fingering/verification.h"

namespace trovale {

namespace {

std::string comDoisDigitos(int n) {
    char texto[16];
    std::snprintf(texto, sizeof texto, "%02d", n);
    return texto;
}

int somaDosIntervalos(const TTipoAcorde& tipo) {
    int soma = 0;
    for (int codigo : tipo.Intervalos) soma += codigo;
    return soma;
}

// Compares the new fingering with the chord's catalogued ones in order; false when the
// insertion must stop.
bool conferirCatalogadas(const BancoDigitacoes& banco, const TDigitacao& nova, int primeira,
                         int quantas, const std::string& emRaiz, Dialogs& dialogs) {
    for (int k = 0; k < quantas; ++k) {
        const TDigitacao catalogada = Decodificar(banco.Digitacoes[primeira - 1 + k]);
        const std::string n = std::to_string(k + 1);
        if (soundsTheSame(nova, catalogada)) {
            if (Codificar(nova) == Codificar(normalizedForComparison(nova, catalogada))) {
                dialogs.aviso("Digitação" + emRaiz +
                              " previamente catalogada para este tipo de acorde.");
                return false;
            }
            if (dialogs.pergunta(8, comDoisDigitos(k + 1)) != Resposta::Sim) return false;
        } else if (strikesSubsetOf(nova, catalogada)) {
            dialogs.aviso("Digitação" + emRaiz + " é um subconjunto da " + n +
                          "ª digitação catalogada deste acorde.");
        } else if (strikesSubsetOf(catalogada, nova)) {
            dialogs.aviso("A " + n + "ª digitação catalogada" + emRaiz +
                          " é um subconjunto desta.");
        }
    }
    return true;
}

void inserirNaPosicao(BancoDigitacoes& banco, const TDigitacaoGravada& gravada, int primeira,
                      int quantas) {
    banco.Digitacoes.insert(banco.Digitacoes.begin() + (primeira - 1 + quantas), gravada);
    for (auto& linha : banco.IndiceDigitacoes)
        for (auto& entrada : linha)
            if (entrada > primeira) ++entrada;
}

}  // namespace

TDigitacao normalizedForComparison(const TDigitacao& nova, const TDigitacao& catalogada) {
    TDigitacao copia = catalogada;
    copia.Notas.fill(NotaDedo{});
    if (!nova.Pestanas[1].vazia() && !catalogada.Pestanas[1].vazia() &&
        nova.Pestanas[1] != catalogada.Pestanas[1])
        std::swap(copia.Pestanas[0], copia.Pestanas[1]);

    std::array<bool, kMaxNotasDedo> usada{};
    for (int i = 0; i < kMaxNotasDedo; ++i) {
        if (nova.Notas[i].vazia()) continue;
        for (int j = 0; j < kMaxNotasDedo; ++j) {
            if (!usada[j] && catalogada.Notas[j] == nova.Notas[i]) {
                copia.Notas[i] = catalogada.Notas[j];
                usada[j] = true;
                break;
            }
        }
    }
    int livre = 0;
    for (int j = 0; j < kMaxNotasDedo; ++j) {
        if (usada[j] || catalogada.Notas[j].vazia()) continue;
        while (livre < kMaxNotasDedo && !copia.Notas[livre].vazia()) ++livre;
        if (livre == kMaxNotasDedo) break;
        copia.Notas[livre] = catalogada.Notas[j];
    }
    return copia;
}

bool insertFingering(Catalogo& catalogo, const TDigitacao& nova, int root, int tipo,
                     Dialogs& dialogs) {
    if (root < 1 || root > kNotasPorOitava || !catalogo.tipos.existe(tipo)) return false;
    BancoDigitacoes& banco = catalogo.digitacoes;
    const int resolvido = catalogo.TipoComDigitacoes(root, tipo);
    if (banco.NumDigitacoes() >= kMaxDigitacoes) {
        dialogs.aviso("Programa já atingiu o número máximo de posições.");
        return false;
    }

    TDigitacao alvo = nova;
    alvo.Nota = root;
    alvo.Tipo = resolvido;
    const std::string emRaiz = nova.NomeNota.empty() ? std::string() : " em " + nova.NomeNota;
    const int primeira = banco.PrimeiraDigitacao(root, resolvido);
    const int quantas = primeira == 0 ? 0 : banco.tamanhoDaSequencia(primeira);
    if (!conferirCatalogadas(banco, alvo, primeira, quantas, emRaiz, dialogs)) return false;

    if (primeira != 0) {
        inserirNaPosicao(banco, Codificar(alvo), primeira, quantas);
    } else {
        banco.Digitacoes.push_back(Codificar(alvo));
        banco.IndiceDigitacoes[root][resolvido] = static_cast<std::uint16_t>(banco.NumDigitacoes());
    }
    catalogo.DigitacoesAlteradas = true;
    // A type edited since the last save must reach the disk together with its fingerings.
    if (somaDosIntervalos(catalogo.tipos.tipo(resolvido)) !=
        catalogo.tipos.SomaIntervalos[resolvido])
        catalogo.GravarJuntos = true;
    return true;
}

bool catalogueFingering(FingeringEditorState& estado, Catalogo& catalogo, Dialogs& dialogs) {
    const Verification v = verifyAgainstLink(estado, catalogo.tipos);
    if (!v.matches) {
        if (!v.message.empty()) dialogs.aviso(v.message);
        return false;
    }
    estado.digitacao.Nota = estado.linkedRoot;
    estado.digitacao.NomeNota.clear();
    return insertFingering(catalogo, estado.digitacao, estado.linkedRoot, estado.linkedType,
                           dialogs);
}

}  // namespace trovale
