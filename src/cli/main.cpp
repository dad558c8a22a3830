// trovale-cli: the chord catalogue from the command line, for scripts and quick answers.
// It links neither Qt, nor the sound libraries, nor the fonts, so that it starts at once; the
// drawing commands live in trovale-cli-desenho, play in trovale-cli-som, PDFs in
// trovale-cli-pdf.

#include <iostream>
#include <optional>
#include <string_view>
#include <vector>

#include "cli/drawing_handover.h"
#include "cli/program.h"

namespace {

std::optional<trovale::cli::Auxiliar> auxiliarPara(
    const std::vector<std::string_view>& argumentos) {
    using namespace trovale::cli;
    if (cabeAoSom(argumentos)) return kSom;
    if (cabeAoPdf(argumentos)) return kPdf;
    if (cabeAoDesenho(argumentos)) return kDesenho;
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace trovale::cli;
    const std::vector<std::string_view> argumentos(argv + 1, argv + argc);
    if (const auto auxiliar = auxiliarPara(argumentos)) {
        const std::filesystem::path programa = programaEmExecucao();
        const std::filesystem::path caminho = localizarAuxiliar(programa, *auxiliar);
        // Without it (a build without the desktop program, or without sound) its commands
        // are unknown, or say that they are not installed.
        if (!caminho.empty())
            return entregarAoAuxiliar(caminho, *auxiliar, programa, argv, std::cerr);
    }
    return executarPrograma(argc, argv, {});
}
