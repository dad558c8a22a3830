#include "ui/chord_choice/symbol_check.h"

#include "base/text_codec.h"
#include "catalogue/chord_symbol.h"
#include "catalogue/fingering_match.h"
#include "catalogue/notes.h"
#include "catalogue/symbol_normalizer.h"
#include "catalogue/type_lookup.h"

namespace trovale {

namespace {

constexpr const char* kNotaValida =
    "Notas devem ser maiúsculas de A até G, opcionalmente seguidas dos símbolos \"#\" ou \"b\".";

// symbol := root elements [bass] [mark], read as the text interpretation reads a chord word.
struct CifraLida {
    std::string erro;
    std::string raiz;
    std::string semBaixo;  // root and elements, the bass part taken off
    int notaRaiz = 0;
    int notaBaixo = 0;
    std::string canonica;
};

CifraLida lerCifra(const std::string& cifra) {
    CifraLida l;
    std::string resto = cifra;
    l.raiz = ExtrairRaiz(resto);
    l.notaRaiz = ValorNota(l.raiz);
    if (l.raiz.empty() || l.raiz[0] < 'A' || l.raiz[0] > 'G' || l.notaRaiz == 0) {
        l.erro = std::string("Erro na cifra dada: Tom inválido. ") + kNotaValida;
        return l;
    }
    const std::string baixo = ExtrairBaixo(resto, l.raiz);
    if (baixo.empty()) {
        l.erro = "Erro na cifra dada: Baixo redundante.";
        return l;
    }
    l.notaBaixo = ValorNota(baixo);
    if (l.notaBaixo == 0) {
        l.erro = std::string("Erro na cifra dada: Baixo inválido. ") + kNotaValida;
        return l;
    }
    l.semBaixo = l.raiz + resto;
    l.canonica = NormalizarCifra(resto);
    if (!resto.empty())
        l.erro = "Elementos inválidos na cifra dada: \"" + utf8DeWindows1252(resto) + "\".";
    return l;
}

int tipoDaCifra(const CatalogoTipos& tipos, const CifraLida& l) {
    int tipo = TipoPorCifra(tipos, l.canonica);
    if (tipo == 0) tipo = TipoPorIntervalos(tipos, l.canonica);
    if (tipo != 0 && l.notaBaixo != l.notaRaiz)
        tipo = TipoIncluindoBaixo(tipos, reduzirNota(l.notaBaixo - l.notaRaiz) % kNotasPorOitava,
                                  tipo);
    return tipo;
}

int notaDoBaixo(const TDigitacao& d) {
    for (int corda = kCordas; corda >= 1; --corda)
        if (d.tocada(corda)) return d.notaDaCorda(corda);
    return 0;
}

}  // namespace

CifraConferida conferirCifra(const CatalogoTipos& tipos, Dialogs& dialogs,
                             const PedidoDeConferencia& pedido) {
    CifraConferida r;
    r.cifra = pedido.cifra;
    CifraLida l = lerCifra(r.cifra);
    if (!l.erro.empty()) {
        dialogs.aviso(l.erro);
        return r;
    }
    if (pedido.digitacao) {
        const int baixo = notaDoBaixo(*pedido.digitacao);
        if (baixo != l.notaBaixo) {
            if (!pedido.oferecerAcerto) {
                dialogs.aviso("Baixo da digitação não corresponde à cifra do acorde.");
                return r;
            }
            if (dialogs.pergunta(4) != Resposta::Sim) return r;
            const std::string grafia = pedido.baixoDaDigitacao.empty()
                                           ? GrafiaNota(baixo, false)
                                           : pedido.baixoDaDigitacao;
            r.cifra = l.semBaixo + (baixo == l.notaRaiz ? std::string() : "/" + grafia);
            l = lerCifra(r.cifra);
        }
    }
    r.tipo = tipoDaCifra(tipos, l);
    if (r.tipo == 0) {
        dialogs.aviso("Tipo de acorde não catalogado.");
        return r;
    }
    if (pedido.digitacao &&
        !TestarDigitacao(l.notaRaiz, tipos.tipo(r.tipo), notasSoantes(*pedido.digitacao)).casou) {
        dialogs.aviso("Cifra escolhida não corresponde à digitação.");
        return r;
    }
    if (pedido.raizETipoFixos &&
        (pedido.raizETipoFixos->first != l.notaRaiz || pedido.raizETipoFixos->second != r.tipo)) {
        dialogs.aviso(
            "Só a digitação pode ser mudada aqui. O tipo de acorde deve permanecer o mesmo.");
        return r;
    }
    r.raiz = l.raiz;
    r.aceita = true;
    return r;
}

}  // namespace trovale
