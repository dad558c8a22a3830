#pragma once
// Runs the built trovale-cli in a child process with an environment of our choosing.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace trovale::testing {

struct ResultadoCli {
    std::string saida;  // standard output, bytes as written
    std::string erros;  // standard error
    int status = -1;    // exit status, -1 when the program did not exit normally
};

using AmbienteCli = std::map<std::string, std::string>;

// How the child runs, beyond its arguments and environment.
struct CondicoesCli {
    std::filesystem::path saidaPadrao;  // a file (such as /dev/full) taking standard output
    bool usuarioComum = false;          // as an ordinary user even when the tests run as root
    // Bytes the program may write into a file, as on a full disk; standard error then goes
    // through a pipe, which the limit does not reach.
    long limiteArquivo = -1;
};

// Only the given variables are passed, so the developer's own TROVALE_DIR never leaks in.
ResultadoCli executarCli(const std::vector<std::string>& argumentos,
                         const AmbienteCli& ambiente = {},
                         const std::filesystem::path& programa = TROVALE_CLI_PATH);
ResultadoCli executarCli(const std::vector<std::string>& argumentos, const AmbienteCli& ambiente,
                         const CondicoesCli& condicoes,
                         const std::filesystem::path& programa = TROVALE_CLI_PATH);

// What a shell command line writes on its standard output (tools such as pdftotext).
std::string saidaDoComando(const std::string& linha);

}  // namespace trovale::testing
