#include "drawing/appearance_validation.h"

#include <charconv>
#include <cstdio>

namespace trovale {

namespace {

const char* const kErroDigitacao = "Erro de digitação.";
const char* const kZero = "Apesar de admitir-se percentagens baixas, é proibido zerar este dado";
const char* const kBaixo =
    "Valor estranhamente baixo, porém aceitável, pois o programa impede o desaparecimento de "
    "elementos";
const char* const kDesproporcaoSimbolos =
    "Nova percentagem resultaria em desproporção entre a espessura das linhas e o tamanho dos "
    "símbolos";

// One ratio a proportion keeps with the others, written as `menor` <= `maior`; both sides
// see the new value and the rest.
struct Relacao {
    int numero;
    double (*menor)(double v, const Aparencia& a);
    double (*maior)(double v, const Aparencia& a);
    const char* mensagem;
};

// Tried in this order; the first one broken refuses the value.
const Relacao kRelacoes[] = {
    {kPropWC, [](double v, const Aparencia&) { return v; },
     [](double, const Aparencia& a) { return 0.75 * a.RP; },
     "Nova percentagem violaria relação máxima com a dos indicadores das notas no braço (3:4)"},
    {kPropWT, [](double v, const Aparencia&) { return v; },
     [](double, const Aparencia& a) { return 0.6667 * a.WB; },
     "Nova percentagem violaria relação máxima com a do traste base (2:3)"},
    {kPropWT, [](double, const Aparencia& a) { return 0.3333 * a.WB; },
     [](double v, const Aparencia&) { return v; },
     "Nova percentagem violaria relação mínima com a do traste base (1:3)"},
    {kPropWB, [](double v, const Aparencia&) { return 0.3333 * v; },
     [](double, const Aparencia& a) { return a.WT; },
     "Nova percentagem violaria relação máxima com a dos trastes (3:1)"},
    {kPropWB, [](double, const Aparencia& a) { return a.WT; },
     [](double v, const Aparencia&) { return 0.6667 * v; },
     "Nova percentagem violaria relação mínima com a dos trastes (3:2)"},
    {kPropWP, [](double v, const Aparencia&) { return v; },
     [](double, const Aparencia& a) { return 1.5001 * a.RP; },
     "Nova percentagem violaria relação máxima com a dos indicadores das notas no braço (3:2)"},
    {kPropRP, [](double, const Aparencia& a) { return a.WC; },
     [](double v, const Aparencia&) { return 0.75 * v; },
     "Nova percentagem violaria relação mínima com a das cordas (4:3)"},
    {kPropRP, [](double, const Aparencia& a) { return a.WP; },
     [](double v, const Aparencia&) { return 1.5001 * v; },
     "Nova percentagem violaria relação mínima com a das pestanas (2:3)"},
    {kPropRT, [](double, const Aparencia& a) { return a.WL; },
     [](double v, const Aparencia&) { return 0.6001 * v; }, kDesproporcaoSimbolos},
    {kPropWL, [](double v, const Aparencia&) { return v; },
     [](double, const Aparencia& a) { return 0.6001 * a.RT; }, kDesproporcaoSimbolos},
};

ValidacaoProporcao recusa(double valor, std::string mensagem, int posicao = 0) {
    return {false, valor, std::move(mensagem), posicao};
}

}  // namespace

LimitesProporcao limitesProporcao(int numero) {
    switch (numero) {
        case kPropWB:
        case kPropWP:
            return {0.09, 0.003};
        case kPropRP:
        case kPropRT:
            return {0.065, 0.02};
        default:
            return {0.03, 0.002};
    }
}

std::string formatarPercentual(double fracao) {
    char texto[32];
    std::snprintf(texto, sizeof texto, "%5.3f", fracao * 100.0);
    return texto;
}

ValidacaoProporcao validarProporcao(const Aparencia& emVigor, int numero, double valor,
                                    double folga) {
    const LimitesProporcao limites = limitesProporcao(numero);
    if (!(valor <= limites.maximo * (1 + folga)))
        return recusa(valor, "Novo percentual violaria máximo absoluto (" +
                                 formatarPercentual(limites.maximo) + ")");
    // Pixels taken away by the minus button can reach zero, never below.
    if (valor <= 0) return recusa(valor, kZero);
    for (const Relacao& relacao : kRelacoes) {
        if (relacao.numero != numero) continue;
        if (!(relacao.menor(valor, emVigor) <= relacao.maior(valor, emVigor) * (1 + folga)))
            return recusa(valor, relacao.mensagem);
    }
    if (valor < limites.marcaBaixa) return {true, valor, kBaixo, 0};
    return {true, valor, {}, 0};
}

// The text is read as Delphi's Val reads a real: blanks before it, then digits with at most
// one point; the first character that does not fit is where the error is.
ValidacaoProporcao validarTextoProporcao(const Aparencia& emVigor, int numero,
                                         std::string_view texto) {
    std::string numeroLido;
    std::size_t i = 0;
    while (i < texto.size() && texto[i] == ' ') ++i;
    bool ponto = false;
    bool digito = false;
    for (; i < texto.size(); ++i) {
        char c = texto[i] == ',' ? '.' : texto[i];
        if (c == '.' && !ponto) {
            ponto = true;
        } else if (c >= '0' && c <= '9') {
            digito = true;
        } else {
            return recusa(0, kErroDigitacao, static_cast<int>(i));
        }
        numeroLido += c;
    }
    double percentual = 0;
    if (digito)
        std::from_chars(numeroLido.data(), numeroLido.data() + numeroLido.size(), percentual);
    return validarProporcao(emVigor, numero, percentual / 100.0);
}

bool proporcoesValidas(const Aparencia& aparencia, double folga) {
    for (int numero = kPropWC; numero <= kPropWL; ++numero)
        if (!validarProporcao(aparencia, numero, aparencia.proporcao(numero), folga).aceita)
            return false;
    return true;
}

}  // namespace trovale
