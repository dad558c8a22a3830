// trovale-cli-som: trovale-cli with the sound libraries, to which trovale-cli hands play, so
// that no other command waits for them to load.

#include "cli/drawing_handover.h"
#include "cli/play_sound.h"
#include "cli/program.h"

int main(int argc, char** argv) {
    trovale::cli::Variante variante;
    variante.tocador = trovale::cli::tocarDigitacao;
    variante.programa = trovale::cli::programaQueEntregou();
    return trovale::cli::executarPrograma(argc, argv, variante);
}
