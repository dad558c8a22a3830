#pragma once
// The document window's scroll bars run from 0 to 10000 whatever the sheet's size: the
// sheet offset maps onto that range linearly, and the steps follow the view's share.

namespace trovale {

inline constexpr int kFimBarra = 10000;

struct PassosRolagem {
    int excesso = 0;     // d: how much longer the sheet is than the view, in pixels
    int pequeno = 0;     // s: the bar's small change
    int grande = 0;      // 5 s
    int linhaPx = 0;     // one line step in pixels
    int paginaPx = 0;    // five line steps
    bool habilitada() const { return excesso > 0; }
};

PassosRolagem passosRolagem(int conteudo, int vista);
// Bar position of a sheet offset, and the offset a bar position stands for.
int posicaoDaBarra(int deslocamento, int excesso);
int deslocamentoDaPosicao(int posicao, int excesso);

}  // namespace trovale
