#pragma once
// A song laid out for trovale-cli: the song's own template and page layout on the no-printer
// A4 page, so that the answer is the same on every machine.

#include <QGuiApplication>
#include <memory>
#include <optional>

#include "cli/catalogue_loading.h"
#include "cli/command.h"
#include "cli/song_loading.h"
#include "document/sheet.h"
#include "render/appearance.h"
#include "render/sheet_measure.h"

namespace trovale::cli {

struct FolhaMontada {
    std::unique_ptr<QGuiApplication> aplicacao;  // fonts need one
    CatalogoCarregado carga;
    CancaoCarregada cancao;
    Aparencia aparencia;
    std::unique_ptr<SheetMeasure> medida;
    Sheet folha;
};

// Nothing when the catalogue or the song cannot be read; the message is on the error stream.
// `largura` is the view width the last column stretches to (0: none).
std::unique_ptr<FolhaMontada> montarFolha(const std::string& arquivo, int dpi, int largura,
                                          const Ambiente& ambiente);

}  // namespace trovale::cli
