#pragma once
// trovale-cli links neither Qt nor the sound libraries. What needs the render layer runs in
// trovale-cli-desenho, play in trovale-cli-som: trovale-cli becomes (execv) that helper with
// the same arguments.

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string_view>
#include <vector>

namespace trovale::cli {

// Set for a helper to the trovale-cli that handed it the invocation.
inline constexpr const char* kVariavelPrograma = "TROVALE_CLI_PROGRAMA";

// In a helper: the trovale-cli that started it, whose folder may hold the catalogue; empty
// when started on its own.
inline std::filesystem::path programaQueEntregou() {
    const char* programa = std::getenv(kVariavelPrograma);
    return programa != nullptr ? std::filesystem::path(programa) : std::filesystem::path{};
}

struct Auxiliar {
    const char* nome;    // the executable's file name
    const char* funcao;  // what it does, for the message when it cannot be started
};
inline constexpr Auxiliar kDesenho{"trovale-cli-desenho", "que faz os desenhos"};
inline constexpr Auxiliar kSom{"trovale-cli-som", "que toca os acordes"};

// The arguments after the program's name. True for the drawing commands, for unknown
// commands and for the help that lists every command: trovale-cli-desenho
// knows them all, so that its answers are those of a single program.
bool cabeAoDesenho(const std::vector<std::string_view>& argumentos);
// True for play, help on it included.
bool cabeAoSom(const std::vector<std::string_view>& argumentos);

// The running program's file; empty when unknown.
std::filesystem::path programaEmExecucao();

// The helper beside the program (the build tree), else where it is installed; empty when
// there is none.
std::filesystem::path localizarAuxiliar(const std::filesystem::path& programa,
                                        const Auxiliar& auxiliar);

// Replaces this process with the helper at `caminho`; returns only when that failed, with
// exit status 1 after telling why on `erros`.
int entregarAoAuxiliar(const std::filesystem::path& caminho, const Auxiliar& auxiliar,
                       const std::filesystem::path& programa, char** argv, std::ostream& erros);

}  // namespace trovale::cli
