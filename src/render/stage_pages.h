#pragma once
// A song's pages as pictures for the stage: laid out as on paper, away from any printer, and
// drawn at the height the screen gives them, dark text on white or light text on dark.

#include <QImage>
#include <map>
#include <utility>

#include "render/appearance.h"
#include "render/song_sheet.h"

namespace trovale {

class PaginasDoPalco {
  public:
    // All must outlive the pages.
    PaginasDoPalco(const SongDocument& doc, const CatalogoTipos& tipos, const Aparencia& aparencia);

    int quantas() const { return disposta_.folha.PageCount; }
    // The width a page `altura` pixels high takes: the paper's proportions.
    int larguraPara(int altura) const;
    // Page `numero` (from 1), `altura` pixels high; made once for each height and shade.
    const QImage& pagina(int numero, int altura, bool escuro);

  private:
    int alturaNaTela() const;
    QImage desenhar(int numero, int altura) const;

    const SongDocument& doc_;
    const CatalogoTipos& tipos_;
    const Aparencia& aparencia_;
    FolhaSemImpressora disposta_;
    std::map<std::tuple<int, int, bool>, QImage> feitas_;
};

// Light on dark with the same hues: every colour's lightness turned over (white to black, black
// to white, the chords' green a lighter green).
void escurecer(QImage& imagem);

}  // namespace trovale
