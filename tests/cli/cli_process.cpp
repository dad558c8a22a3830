#include "cli_process.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
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

constexpr unsigned kUsuarioComum = 65534;  // nobody

// In the child, before it becomes the program; false when a condition cannot be met.
bool aplicar(const CondicoesCli& c) {
    if (!c.saidaPadrao.empty()) {
        const int fd = ::open(c.saidaPadrao.c_str(), O_WRONLY);
        if (fd < 0 || ::dup2(fd, STDOUT_FILENO) < 0) return false;
        ::close(fd);
    }
    if (c.limiteArquivo >= 0) {
        std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead, as on a full disk
        const rlimit limite{static_cast<rlim_t>(c.limiteArquivo),
                            static_cast<rlim_t>(c.limiteArquivo)};
        if (::setrlimit(RLIMIT_FSIZE, &limite) != 0) return false;
    }
    if (c.usuarioComum && ::geteuid() == 0)
        return ::setgroups(0, nullptr) == 0 && ::setgid(kUsuarioComum) == 0 &&
               ::setuid(kUsuarioComum) == 0;
    return true;
}

}  // namespace

ResultadoCli executarCli(const std::vector<std::string>& argumentos, const AmbienteCli& ambiente,
                         const std::filesystem::path& programa) {
    return executarCli(argumentos, ambiente, CondicoesCli{}, programa);
}

ResultadoCli executarCli(const std::vector<std::string>& argumentos, const AmbienteCli& ambiente,
                         const CondicoesCli& condicoes, const std::filesystem::path& programa) {
    std::vector<std::string> argv{programa.string()};
    argv.insert(argv.end(), argumentos.begin(), argumentos.end());
    std::vector<std::string> envp;
    for (const auto& [nome, valor] : ambiente) envp.push_back(nome + "=" + valor);
    std::vector<char*> argvC = ponteiros(argv), envpC = ponteiros(envp);

    Arquivo saida(std::tmpfile(), &std::fclose), erros(std::tmpfile(), &std::fclose);
    ResultadoCli resultado;
    int cano[2] = {-1, -1};
    const bool comCano = condicoes.limiteArquivo >= 0;
    if (!saida || !erros || (comCano && ::pipe(cano) != 0)) return resultado;
    std::fflush(nullptr);
    const pid_t filho = fork();
    if (filho == 0) {
        dup2(fileno(saida.get()), STDOUT_FILENO);
        dup2(comCano ? cano[1] : fileno(erros.get()), STDERR_FILENO);
        if (comCano) ::close(cano[0]);
        if (!aplicar(condicoes)) _exit(126);
        execve(argvC[0], argvC.data(), envpC.data());
        _exit(127);
    }
    if (comCano) {
        ::close(cano[1]);
        char bloco[4096];
        ssize_t lidos;
        while ((lidos = ::read(cano[0], bloco, sizeof bloco)) > 0)
            resultado.erros.append(bloco, static_cast<std::size_t>(lidos));
        ::close(cano[0]);
    }
    int estado = 0;
    if (filho < 0 || waitpid(filho, &estado, 0) != filho) return resultado;
    if (WIFEXITED(estado)) resultado.status = WEXITSTATUS(estado);
    resultado.saida = conteudo(saida.get());
    if (!comCano) resultado.erros = conteudo(erros.get());
    return resultado;
}

std::string saidaDoComando(const std::string& linha) {
    std::string saida;
    if (FILE* processo = popen(linha.c_str(), "r")) {
        char bloco[4096];
        while (std::size_t n = fread(bloco, 1, sizeof bloco, processo)) saida.append(bloco, n);
        pclose(processo);
    }
    return saida;
}

}  // namespace trovale::testing
