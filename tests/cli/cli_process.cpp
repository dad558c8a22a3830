#include "cli_process.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

namespace trovale::testing {

namespace {

using Arquivo = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

std::string conteudo(std::FILE* arquivo) {
    std::rewind(arquivo);
    std::string texto;
    char bloco[4096];
    std::size_t lidos;
    while ((lidos = std::fread(bloco, 1, sizeof bloco, arquivo)) > 0) texto.append(bloco, lidos);
    return texto;
}

std::vector<char*> ponteiros(std::vector<std::string>& textos) {
    std::vector<char*> lista;
    for (std::string& t : textos) lista.push_back(t.data());
    lista.push_back(nullptr);
    return lista;
}

}  // namespace

ResultadoCli executarCli(const std::vector<std::string>& argumentos, const AmbienteCli& ambiente,
                         const std::filesystem::path& programa) {
    std::vector<std::string> argv{programa.string()};
    argv.insert(argv.end(), argumentos.begin(), argumentos.end());
    std::vector<std::string> envp;
    for (const auto& [nome, valor] : ambiente) envp.push_back(nome + "=" + valor);
    std::vector<char*> argvC = ponteiros(argv), envpC = ponteiros(envp);

    Arquivo saida(std::tmpfile(), &std::fclose), erros(std::tmpfile(), &std::fclose);
    ResultadoCli resultado;
    if (!saida || !erros) return resultado;
    std::fflush(nullptr);
    const pid_t filho = fork();
    if (filho == 0) {
        dup2(fileno(saida.get()), STDOUT_FILENO);
        dup2(fileno(erros.get()), STDERR_FILENO);
        execve(argvC[0], argvC.data(), envpC.data());
        _exit(127);
    }
    int estado = 0;
    if (filho < 0 || waitpid(filho, &estado, 0) != filho) return resultado;
    if (WIFEXITED(estado)) resultado.status = WEXITSTATUS(estado);
    resultado.saida = conteudo(saida.get());
    resultado.erros = conteudo(erros.get());
    return resultado;
}

}  // namespace trovale::testing
