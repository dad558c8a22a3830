#pragma once
// Painting a laid-out sheet on any surface: one row at a time, as layout placed it. Painting
// decides no position of its own beyond the inside of a row.

#include <map>
#include <string>

#include "catalogue/chord_interpreter.h"
#include "document/sheet.h"
#include "document/text_measure.h"
#include "drawing/canvas.h"
#include "drawing/chord_name_composition.h"
#include "drawing/diagram.h"

namespace trovale {

// Stored chord symbols as the catalogue reads them and their names as laid out, each made
// once: a long song repeats a few chords hundreds of times.
class LeiturasDeAcordes {
  public:
    explicit LeiturasDeAcordes(const CatalogoTipos& tipos) : tipos_(tipos) {}
    const InterpretacaoAcorde& ler(const std::string& exibido);
    // The name of a symbol the catalogue reads, laid out on `tela` with the font of `opcoes`;
    // names laid out on a surface of another resolution or with another font are made again.
    const NomeComposto& nome(Tela& tela, const std::string& exibido, const OpcoesNome& opcoes);

  private:
    const CatalogoTipos& tipos_;
    std::map<std::string, InterpretacaoAcorde, std::less<>> lidas_;
    std::map<std::string, NomeComposto, std::less<>> nomes_;
    int dpiDosNomes_ = 0;
    FonteTela fonteDosNomes_;
    double tamanhoDosNomes_ = 0;
};

// What painting a sheet reads besides the sheet; all must outlive the painting.
struct PinturaFolha {
    const SongDocument& doc;
    const Sheet& sheet;
    const CatalogoTipos& tipos;
    const Aparencia& aparencia;
    // The chord being dragged, drawn in grey: its song line and lyric column.
    int linhaArrastada = -1;
    int colunaArrastada = 0;
    // Where symbols already read are kept; read again each time when there is none.
    LeiturasDeAcordes* leituras = nullptr;
};

// A text row exactly as it is drawn, in UTF-8: whole or cut with "...", in capitals when its
// font is capitals-only.
std::string TextoMostrado(const Modelo& modelo, const SheetRow& linha);

// A template element's font, in points.
FonteTela fonteDoModelo(const FonteElemento& elemento);

// A stored chord symbol as the sheet draws it, at the bottom left of `caixa`: its name built
// from its elements when the catalogue reads it, else the symbol as text.
void DesenharSimboloAcorde(Tela& tela, const CatalogoTipos& tipos, std::string_view stored,
                           const Retangulo& caixa, const FonteTela& fonte, int tamanhoFonte,
                           Cor cor);

// Draws row `row` of column `column` (from 0) into `rect`, in device pixels. True when the
// row does not fit its column (the document window's truncation warning).
bool DesenharLinhaFolha(Tela& tela, const PinturaFolha& folha, int column, int row,
                        const Retangulo& rect);
// Where the caret stands after `cursor` characters of a text row drawn at `x`: the width of the
// characters before it in the row's own font, as DesenharLinhaFolha draws them.
int PosicaoDoCursor(Tela& tela, const PinturaFolha& folha, int column, int row, int x,
                    int cursor);

}  // namespace trovale
