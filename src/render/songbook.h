#pragma once
// A songbook: many songs in one PDF, with a cover, a contents page and bookmarks. Every song
// keeps its own template and page layout and is drawn as its own PDF would draw it.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "render/appearance.h"
#include "settings/template.h"

namespace trovale {

struct CatalogoTipos;

inline constexpr const char* kTituloCadernoPadrao = "Caderno de cifras";

struct SongDocument;

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
    FalhaPdf,  // Qt could not write the PDF
};

struct CadernoMontado {
    FimCaderno fim = FimCaderno::Montado;
    std::string pdf;  // the file's bytes when Montado
    int musicas = 0;
    int paginas = 0;
    std::vector<MusicaRecusada> recusadas;  // in the order asked
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

// Needs a GUI application (fonts). The PDF is only built in memory: the caller writes it.
CadernoMontado montarCaderno(const PedidoCaderno& pedido, const RecursosCaderno& recursos,
                             const AndamentoCaderno& andamento = {});

}  // namespace trovale
