#include "document/song_key.h"

#include "document/capo.h"
#include "document/chord_renaming.h"
#include "document/site_text.h"
#include "document/sounding_chords.h"

namespace trovale {

std::vector<LinhaTransposicao> transporCancao(SongDocument& doc, int semitons, int capotraste,
                                              const OpcoesTransposicao& opcoes,
                                              const Catalogo& catalogo, int casas) {
    std::vector<LinhaTransposicao> linhas = linhasParaTransposicao(doc.Chords);
    const int capoAtual = capotrasteDaCancao(doc);
    transporLinhas(linhas, semitons + capoAtual - capotraste,
                   linhaDoTom(linhas, tomDaCancao(doc), capoAtual), opcoes, catalogo, casas);
    renomearAcordes(doc.Chords, linhas);
    definirCapotraste(doc, capotraste);
    transporLinhaDoTom(doc, semitons);
    doc.Modified = true;
    return linhas;
}

}  // namespace trovale
