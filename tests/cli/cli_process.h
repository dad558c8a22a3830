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

// Only the given variables are passed, so the developer's own TROVALE_DIR never leaks in.
ResultadoCli executarCli(const std::vector<std::string>& argumentos,
                         const AmbienteCli& ambiente = {},
                         const std::filesystem::path& programa = TROVALE_CLI_PATH);

}  // namespace trovale::testing
