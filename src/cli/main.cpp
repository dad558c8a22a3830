// trovale-cli: the chord catalogue from the command line, for scripts and quick answers.
// It links no Qt so that it starts at once; the drawing commands live in trovale-cli-desenho.

#include <iostream>
#include <string_view>
#include <vector>

#include "cli/drawing_handover.h"
#include "cli/program.h"

int main(int argc, char** argv) {
    using namespace trovale::cli;
    const std::vector<std::string_view> argumentos(argv + 1, argv + argc);
    if (cabeAoDesenho(argumentos)) {
        const std::filesystem::path programa = programaEmExecucao();
        const std::filesystem::path desenho = localizarDesenho(programa);
        // Without it (a build without the desktop program) the drawing commands are unknown.
        if (!desenho.empty()) return entregarAoDesenho(desenho, programa, argv, std::cerr);
    }
    return executarPrograma(argc, argv, {});
}
