#pragma once
// The parser and the run that trovale-cli and its helpers share, so that all answer
// every common command, usage mistake and help text alike.

#include <filesystem>
#include <vector>

#include "cli/command.h"
#include "cli/convert_command.h"
#include "cli/play_command.h"

namespace trovale::cli {

// Registers the commands an executable adds after the catalogue ones.
using RegistroDeComandos = std::vector<Comando> (*)(CLI::App& app);

struct Variante {
    RegistroDeComandos extras = nullptr;
    // Writes a song as PDF; only the executable with the render layer has one.
    ConversorPdf conversorPdf = nullptr;
    // Plays a fingering; only the executable with the sound libraries has one.
    TocadorDigitacao tocador = nullptr;
    // The program whose folder may hold the catalogue; empty: this executable.
    std::filesystem::path programa;
};

// Parses the arguments, runs the chosen command and returns the exit status, having made
// sure that the answer reached standard output.
int executarPrograma(int argc, char** argv, const Variante& variante);

}  // namespace trovale::cli
