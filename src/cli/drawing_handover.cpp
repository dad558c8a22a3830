#include "cli/drawing_handover.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <system_error>

#include "cli/command.h"

namespace trovale::cli {

namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 10> kComandosProprios = {
    "types",   "chord",     "fingerings", "identify", "show", "interpret",
    "convert", "transpose", "play",       "songbook"};

// What the decision needs of the command line, read as the parser reads it.
struct Chamada {
    std::optional<std::string_view> comando;
    std::vector<std::string_view> posicionais;  // after the command
    // Options before the command, --dir apart.
    bool ajuda = false;
    bool versao = false;
    bool outras = false;
};

void anotarOpcao(std::string_view opcao, Chamada& c) {
    if (opcao == "-h" || opcao == "--help")
        c.ajuda = true;
    else if (opcao == "--version")
        c.versao = true;
    else
        c.outras = true;
}

Chamada analisar(const std::vector<std::string_view>& argumentos) {
    Chamada c;
    bool soPosicionais = false;  // after "--"
    for (std::size_t i = 0; i < argumentos.size(); ++i) {
        const std::string_view a = argumentos[i];
        if (soPosicionais || a.size() < 2 || a[0] != '-') {
            if (!c.comando)
                c.comando = a;
            else
                c.posicionais.push_back(a);
        } else if (a == "--") {
            if (!c.comando) return c;  // the parser takes no command after it
            soPosicionais = true;
        } else if (a == "--dir") {
            ++i;  // its folder is no command, whatever its name
        } else if (!c.comando && !a.starts_with("--dir=")) {
            anotarOpcao(a, c);
        }
    }
    return c;
}

std::string motivo(int erro) {
    switch (erro) {
        case ENOENT:
            return "arquivo não encontrado";
        case EACCES:
            return "permissão negada";
        case ENOEXEC:
            return "não é um programa executável";
        case ENOMEM:
            return "memória insuficiente";
        default:
            return std::strerror(erro);
    }
}

// The environment as it is, with the handing program named for the catalogue's folder.
std::vector<std::string> ambienteDoAuxiliar(const fs::path& programa) {
    const std::string prefixo = std::string(kVariavelPrograma) + "=";
    std::vector<std::string> variaveis;
    for (char** v = environ; *v != nullptr; ++v)
        if (!std::string_view(*v).starts_with(prefixo)) variaveis.emplace_back(*v);
    if (!programa.empty()) variaveis.push_back(prefixo + programa.string());
    return variaveis;
}

}  // namespace

bool cabeAoDesenho(const std::vector<std::string_view>& argumentos) {
    const Chamada c = analisar(argumentos);
    if (c.ajuda) return true;
    // Asked for the version only: the answer must come at once.
    if (!c.comando) return !c.versao || c.outras;
    return std::find(kComandosProprios.begin(), kComandosProprios.end(), *c.comando) ==
           kComandosProprios.end();
}

bool cabeAoSom(const std::vector<std::string_view>& argumentos) {
    const Chamada c = analisar(argumentos);
    return c.comando == "play";
}

fs::path programaEmExecucao() {
    std::error_code erro;
    fs::path caminho = fs::read_symlink("/proc/self/exe", erro);
    return erro ? fs::path{} : caminho;
}

fs::path localizarAuxiliar(const fs::path& programa, const Auxiliar& auxiliar) {
    if (programa.empty()) return {};
    const fs::path pasta = programa.parent_path();
    for (const fs::path& candidato :
         {pasta / auxiliar.nome,
          (pasta / TROVALE_AUXILIARES_INSTALADOS / auxiliar.nome).lexically_normal()}) {
        std::error_code erro;
        if (fs::is_regular_file(candidato, erro)) return candidato;
    }
    return {};
}

int entregarAoAuxiliar(const fs::path& caminho, const Auxiliar& auxiliar, const fs::path& programa,
                       char** argv, std::ostream& erros) {
    std::vector<std::string> variaveis = ambienteDoAuxiliar(programa);
    std::vector<char*> envp;
    for (std::string& v : variaveis) envp.push_back(v.data());
    envp.push_back(nullptr);
    ::execve(caminho.c_str(), argv, envp.data());
    const int erro = errno;  // before the stream may change it
    erros << "trovale-cli: não foi possível executar \"" << caminho.string() << "\", "
          << auxiliar.funcao << ": " << motivo(erro) << ".\n";
    return kSaidaCatalogo;
}

}  // namespace trovale::cli
