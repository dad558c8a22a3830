#include "render/qt_chord_name.h"

#include <QPainter>

#include "render/qt_canvas.h"

namespace trovale {

QSize DesenharNomeAcorde(QPainter& p, const ElementosCifra& elementos, std::string_view raiz,
                         std::string_view baixo, const OpcoesNomeAcorde& o) {
    OpcoesNome opcoes;
    opcoes.prefixo = o.prefixo.toStdString();
    opcoes.caixa = retanguloDe(o.caixa);
    opcoes.deslocamentoX = o.deslocamentoX;
    opcoes.deslocamentoY = o.deslocamentoY;
    opcoes.alinharNoTopo = o.alinharNoTopo;
    opcoes.centralizar = o.centralizar;
    opcoes.tamanhoFonte = o.tamanhoFonte;
    opcoes.fonte = fonteDe(p.font());
    opcoes.cor = corDe(o.cor);
    opcoes.apenasMedir = o.apenasMedir;
    // The surface changes the painter's font; the caller's comes back.
    p.save();
    TelaQt tela(p);
    const MedidaNome medida = DesenharNomeAcorde(tela, elementos, raiz, baixo, opcoes);
    p.restore();
    return QSize(medida.largura, medida.altura);
}

}  // namespace trovale
