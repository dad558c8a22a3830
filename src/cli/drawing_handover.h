#pragma once
// trovale-cli links no Qt; what needs the render layer runs in trovale-cli-desenho, which
// trovale-cli becomes (execv) with the same arguments.

#include <filesystem>
#include <ostream>
#include <string_view>
#include <vector>

namespace trovale::cli {

// Set for trovale-cli-desenho to the trovale-cli that handed it the invocation.
inline constexpr const char* kVariavelPrograma = "TROVALE_CLI_PROGRAMA";

// The arguments after the program's name. True for the drawing commands, for convert into a
// PDF, for unknown commands and for the help that lists every command: trovale-cli-desenho
// knows them all, so that its answers are those of a single program.
bool cabeAoDesenho(const std::vector<std::string_view>& argumentos);

// The running program's file; empty when unknown.
std::filesystem::path programaEmExecucao();

// trovale-cli-desenho beside the program (the build tree), else where it is installed;
// empty when there is none.
std::filesystem::path localizarDesenho(const std::filesystem::path& programa);

// Replaces this process with trovale-cli-desenho; returns only when that failed, with exit
// status 1 after telling why on `erros`.
int entregarAoDesenho(const std::filesystem::path& desenho, const std::filesystem::path& programa,
                      char** argv, std::ostream& erros);

}  // namespace trovale::cli
