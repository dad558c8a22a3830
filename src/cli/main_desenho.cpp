// trovale-cli-desenho: every command of trovale-cli, the drawing ones too. trovale-cli hands
// it what needs the render layer or the sound libraries, so that the catalogue commands start
// without loading either.

#include <cstdlib>

#include "cli/diagram_command.h"
#include "cli/drawing_handover.h"
#include "cli/layout_command.h"
#include "cli/name_command.h"
#include "cli/pdf_conversion.h"
#include "cli/play_command.h"
#include "cli/program.h"
#include "cli/render_command.h"
#include "cli/songbook_command.h"

namespace {

std::vector<trovale::cli::Comando> comandosDeDesenho(CLI::App& app) {
    using namespace trovale::cli;
    return {registrarDiagram(app), registrarName(app), registrarLayout(app), registrarRender(app),
            registrarSongbook(app), registrarPlay(app)};
}

}  // namespace

int main(int argc, char** argv) {
    trovale::cli::Variante variante{comandosDeDesenho, trovale::cli::converterParaPdf, {}};
    // Started by trovale-cli: the catalogue beside that program counts, not beside this one.
    const char* programa = std::getenv(trovale::cli::kVariavelPrograma);
    if (programa != nullptr && *programa != '\0') variante.programa = programa;
    return trovale::cli::executarPrograma(argc, argv, variante);
}
