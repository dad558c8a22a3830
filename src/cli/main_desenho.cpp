// trovale-cli-desenho: every command of trovale-cli, the drawing ones too. trovale-cli hands
// it what needs the render layer, so that the catalogue commands start without Qt.

#include "cli/diagram_command.h"
#include "cli/drawing_handover.h"
#include "cli/layout_command.h"
#include "cli/name_command.h"
#include "cli/pdf_conversion.h"
#include "cli/program.h"
#include "cli/render_command.h"
#include "cli/songbook_command.h"

#include "render/songbook.h"

namespace {

// The book by the PDF writer, or by Qt when a song's fonts need it.
trovale::CadernoMontado cadernoComQt(const trovale::PedidoCaderno& pedido,
                                     const trovale::RecursosCaderno& recursos,
                                     const trovale::AndamentoCaderno& andamento) {
    const auto aplicacao = trovale::cli::aplicacaoParaDesenho();
    return trovale::montarCaderno(pedido, recursos, andamento);
}

std::vector<trovale::cli::Comando> comandosDeDesenho(CLI::App& app) {
    using namespace trovale::cli;
    return {registrarDiagram(app), registrarName(app), registrarLayout(app), registrarRender(app),
            registrarSongbook(app, {cadernoComQt, false})};
}

}  // namespace

int main(int argc, char** argv) {
    trovale::cli::Variante variante;
    variante.extras = comandosDeDesenho;
    variante.conversorPdf = trovale::cli::converterParaPdf;
    variante.programa = trovale::cli::programaQueEntregou();
    return trovale::cli::executarPrograma(argc, argv, variante);
}
