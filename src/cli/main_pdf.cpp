// trovale-cli-pdf: trovale-cli with the fonts and the PDF writer, to which trovale-cli hands
// convert into a PDF. A song it cannot draw exactly as Qt would goes on to trovale-cli-desenho.

#include <iostream>

#include "cli/drawing_handover.h"
#include "cli/pdf_without_qt.h"
#include "cli/program.h"

int main(int argc, char** argv) {
    using namespace trovale::cli;
    Variante variante;
    variante.conversorPdf = converterSemQt;
    variante.programa = programaQueEntregou();
    const int status = executarPrograma(argc, argv, variante);
    if (status != kSaidaPedeDesenho) return status;
    // The catalogue's folder is still the one beside the trovale-cli that started this.
    const std::filesystem::path programa =
        variante.programa.empty() ? programaEmExecucao() : variante.programa;
    const std::filesystem::path desenho = localizarAuxiliar(programaEmExecucao(), kDesenho);
    if (!desenho.empty()) return entregarAoAuxiliar(desenho, kDesenho, programa, argv, std::cerr);
    std::cerr << "trovale-cli: as fontes desta música pedem trovale-cli-desenho, que não foi "
                 "instalado.\n";
    return kSaidaCatalogo;
}
