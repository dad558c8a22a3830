// trovale-cli: the chord catalogue from the command line, for scripts and quick answers.
// It links neither Qt nor the sound libraries, so that it starts at once; the drawing
// commands live in trovale-cli-desenho and play in trovale-cli-som. PDFs and songbooks are
// drawn here, without Qt, unless a song's fonts need Qt to be measured.

#include <iostream>
#include <optional>
#include <string_view>
#include <vector>

#include "cli/drawing_handover.h"
#include "cli/pdf_without_qt.h"
#include "cli/program.h"
#include "cli/songbook_command.h"

namespace {

std::optional<trovale::cli::Auxiliar> auxiliarPara(
    const std::vector<std::string_view>& argumentos) {
    using namespace trovale::cli;
    if (cabeAoSom(argumentos)) return kSom;
    if (cabeAoDesenho(argumentos)) return kDesenho;
    return std::nullopt;
}

std::vector<trovale::cli::Comando> comandosSemQt(CLI::App& app) {
    using namespace trovale::cli;
    return {registrarSongbook(app, {cadernoSemQt, true})};
}

}  // namespace

int main(int argc, char** argv) {
    using namespace trovale::cli;
    const std::vector<std::string_view> argumentos(argv + 1, argv + argc);
    const std::filesystem::path programa = programaEmExecucao();
    if (const auto auxiliar = auxiliarPara(argumentos)) {
        const std::filesystem::path caminho = localizarAuxiliar(programa, *auxiliar);
        // Without it (a build without the desktop program, or without sound) its commands
        // are unknown, or say that they are not installed.
        if (!caminho.empty())
            return entregarAoAuxiliar(caminho, *auxiliar, programa, argv, std::cerr);
    }
    Variante variante;
    variante.conversorPdf = converterSemQt;
    variante.extras = comandosSemQt;
    const int status = executarPrograma(argc, argv, variante);
    if (status != kSaidaPedeDesenho) return status;
    const std::filesystem::path desenho = localizarAuxiliar(programa, kDesenho);
    if (!desenho.empty()) return entregarAoAuxiliar(desenho, kDesenho, programa, argv, std::cerr);
    std::cerr << "trovale-cli: as fontes desta música pedem trovale-cli-desenho, que não foi "
                 "instalado.\n";
    return kSaidaCatalogo;
}
