#pragma once
// A songbook: many songs in one document, with a cover, a contents page and a bookmark per
// song. Every song keeps its own template and page layout and is drawn as its own PDF draws
// it. The book is drawn here once for any output: the PDF writer's pages or Qt's.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/text_measure.h"
#include "drawing/canvas.h"
#include "drawing/diagram.h"
#include "drawing/songbook_pages.h"
#include "settings/template.h"

namespace trovale {

struct CatalogoTipos;
struct SongDocument;

inline constexpr const char* kTituloCadernoPadrao = "Caderno de cifras";
// The resolution the book's pages are drawn at.
inline constexpr int kDpiCaderno = 1200;

struct PedidoCaderno {
    std::vector<std::filesystem::path> arquivos;
    std::string titulo = kTituloCadernoPadrao;  // UTF-8
    bool manterOrdem = false;                   // false: sorted by title, as the file window sorts
    // Beside each file, the song as its open window holds it (unsaved edits, template and
    // layout included), or null: the book takes that one instead of reading the file.
    std::vector<const SongDocument*> abertas;
};

struct MusicaRecusada {
    std::filesystem::path arquivo;
    std::string mensagem;  // the loader's message, UTF-8
};

enum class FimCaderno {
    Montado,
    NenhumaMusica,  // no song could be read: there is no book
    Cancelado,
    FalhaPdf,     // the PDF could not be written
    FonteSemPdf,  // a font the PDF writer cannot embed: Qt must draw the book
};

// What drawing the songs needs from the program; all must outlive the call.
struct RecursosCaderno {
    const CatalogoTipos& tipos;
    const Aparencia& aparencia;
    const Modelo& modeloPadrao;  // version 01.00 songs take some fonts from it
};

// Called once before any song and after each song put in the book (`feitas` of `total`
// songs asked); returning false cancels.
using AndamentoCaderno = std::function<bool(int feitas, int total)>;

// The output a book is drawn into, with the measures that go with it.
class MeiosDoCaderno {
  public:
    virtual ~MeiosDoCaderno() = default;
    // The texts of `modelo` measured at `dpi`; null when this output cannot measure them as
    // it draws them. The template must outlive the measure, which songs of an equal template
    // may share.
    virtual std::shared_ptr<const TextMeasure> medida(const Modelo& modelo, int dpi) = 0;
    // The book's next page, of paper `larguraMm` by `alturaMm` (turned as the paper is), at
    // kDpiCaderno; the surface lasts until the page is done.
    virtual Tela& novaPagina(int larguraMm, int alturaMm) = 0;
    // False when the page could not be drawn as it should (a font this output cannot embed).
    virtual bool concluirPagina() = 0;
};

struct LivroDesenhado {
    FimCaderno fim = FimCaderno::Montado;
    int musicas = 0;
    int paginas = 0;
    std::vector<EntradaIndice> entradas;    // the contents, in the book's order
    std::vector<MusicaRecusada> recusadas;  // in the order asked
};

// Reads, orders and lays out the songs, then draws the cover, the contents and the songs,
// every page but the cover numbered at its foot.
LivroDesenhado desenharCaderno(const PedidoCaderno& pedido, const RecursosCaderno& recursos,
                               MeiosDoCaderno& meios, const AndamentoCaderno& andamento = {});

}  // namespace trovale
