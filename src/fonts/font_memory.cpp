#include "fonts/font_memory.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <string_view>
#include <system_error>

#include "base/file_system.h"

namespace trovale::fontes {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCabecalho = "trovale-fontes\t1";
constexpr std::size_t kMaiorArquivo = 1 << 20;

// What fontconfig reads besides its files: where they are, and the language it prefers
// faces for.
constexpr const char* kAmbiente[] = {"FONTCONFIG_FILE",
                                     "FONTCONFIG_PATH",
                                     "FONTCONFIG_SYSROOT",
                                     "HOME",
                                     "XDG_CONFIG_HOME",
                                     "XDG_DATA_HOME",
                                     "XDG_CACHE_HOME",
                                     "FC_LANG",
                                     "LC_ALL",
                                     "LC_CTYPE",
                                     "LANG",
                                     "LANGUAGE"};

bool guardavel(std::string_view texto) {
    return texto.find_first_of("\t\n") == std::string_view::npos;
}

std::vector<std::string_view> campos(std::string_view linha) {
    std::vector<std::string_view> saida;
    for (std::size_t inicio = 0;;) {
        const std::size_t tab = linha.find('\t', inicio);
        saida.push_back(linha.substr(inicio, tab - inicio));
        if (tab == std::string_view::npos) return saida;
        inicio = tab + 1;
    }
}

std::string linhaDoAmbiente(const char* nome) {
    const char* valor = std::getenv(nome);
    return std::string("ambiente\t") + nome + (valor ? std::string("\t1\t") + valor : "\t0");
}

// A file or folder as it is now: its change time, size and identity, or that it is missing.
std::string linhaDoEstado(const fs::path& caminho) {
    struct stat st;
    std::string linha = "estado\t" + caminho.string();
    if (::stat(caminho.c_str(), &st) != 0) return linha + "\tausente";
    for (const long long n :
         {static_cast<long long>(st.st_mtim.tv_sec), static_cast<long long>(st.st_mtim.tv_nsec),
          static_cast<long long>(st.st_size), static_cast<long long>(st.st_ino),
          static_cast<long long>(st.st_dev)})
        linha += "\t" + std::to_string(n);
    return linha;
}

// A remembered face must still be in a regular file: whatever else took its place (a named
// pipe, a device, a folder) is never opened, only looked at.
bool arquivoDeFonte(const fs::path& caminho) {
    struct stat st;
    return caminho.is_absolute() && ::stat(caminho.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The memory's own name is replaced, never what it may point at: the new text is written
// beside it and renamed over it, so a link in its place goes and its target stays as it was.
// DiskFileSystem keeps a link and replaces its target, as a user's own files want, so it is
// not used here. A cache: made again when lost, so it is not flushed to the disk.
bool substituir(const fs::path& arquivo, std::string_view texto) {
    std::string temporario = arquivo.string() + ".~XXXXXX";
    const int fd = ::mkostemp(temporario.data(), O_CLOEXEC);
    if (fd < 0) return false;
    bool escrito = true;
    while (escrito && !texto.empty()) {
        const ssize_t n = ::write(fd, texto.data(), texto.size());
        if (n < 0 && errno == EINTR) continue;
        escrito = n > 0;
        if (escrito) texto.remove_prefix(static_cast<std::size_t>(n));
    }
    escrito = ::close(fd) == 0 && escrito;
    if (escrito && ::rename(temporario.c_str(), arquivo.c_str()) == 0) return true;
    ::unlink(temporario.c_str());
    return false;
}

std::optional<MemoriaFontes::Pedido> pedidoDe(const std::vector<std::string_view>& c) {
    const auto booleano = [](std::string_view s) { return s == "1"; };
    char32_t caractere = 0;
    for (const char d : c[4]) {
        if (d < '0' || d > '9' || caractere > 0x10FFFF) return std::nullopt;
        caractere = caractere * 10 + static_cast<char32_t>(d - '0');
    }
    return MemoriaFontes::Pedido{std::string(c[1]), booleano(c[2]), booleano(c[3]), caractere};
}

}  // namespace

MemoriaFontes MemoriaFontes::ler(const fs::path& arquivo, const std::string& versao) {
    MemoriaFontes memoria;
    const std::optional<std::string> bytes = lerArquivoRegular(arquivo, kMaiorArquivo);
    if (!bytes) return memoria;
    std::string_view resto = *bytes;
    const auto proxima = [&]() -> std::optional<std::string_view> {
        if (resto.empty()) return std::nullopt;
        const std::size_t fim = resto.find('\n');
        const std::string_view linha = resto.substr(0, fim);
        resto.remove_prefix(fim == std::string_view::npos ? resto.size() : fim + 1);
        return linha;
    };
    if (proxima() != kCabecalho || proxima() != "versao\t" + versao) return memoria;
    std::map<Pedido, Resposta> respostas;
    while (const auto linha = proxima()) {
        const std::vector<std::string_view> c = campos(*linha);
        if (c[0] == "ambiente") {
            if (c.size() < 3 || *linha != linhaDoAmbiente(std::string(c[1]).c_str()))
                return memoria;
        } else if (c[0] == "estado") {
            if (c.size() < 3 || *linha != linhaDoEstado(fs::path(std::string(c[1]))))
                return memoria;
        } else if (c[0] == "face" && c.size() == 7) {
            const std::optional<Pedido> pedido = pedidoDe(c);
            if (!pedido) return memoria;
            Resposta resposta;
            int indice = 0;
            const char* fim = c[6].data() + c[6].size();
            const auto lido = std::from_chars(c[6].data(), fim, indice);
            if (lido.ec != std::errc() || lido.ptr != fim || indice < 0) return memoria;
            if (!c[5].empty()) {
                resposta = ArquivoFonte{std::string(c[5]), indice};
                if (!arquivoDeFonte(resposta->caminho)) return memoria;
            }
            respostas[*pedido] = std::move(resposta);
        } else {
            return memoria;  // damaged: fontconfig answers again
        }
    }
    memoria.respostas_ = std::move(respostas);
    return memoria;
}

const MemoriaFontes::Resposta* MemoriaFontes::resposta(const Pedido& pedido) const {
    const auto achada = respostas_.find(pedido);
    return achada == respostas_.end() ? nullptr : &achada->second;
}

void MemoriaFontes::guardar(const Pedido& pedido, Resposta resposta) {
    respostas_[pedido] = std::move(resposta);
    mudou_ = true;
}

bool MemoriaFontes::gravar(const fs::path& arquivo, const OrigensDasRespostas& origens) const {
    std::string texto(kCabecalho);
    texto += "\nversao\t" + origens.versao + "\n";
    for (const char* nome : kAmbiente) {
        const char* valor = std::getenv(nome);
        if (valor && !guardavel(valor)) return false;
        texto += linhaDoAmbiente(nome) + "\n";
    }
    for (const fs::path& caminho : origens.caminhos) {
        if (!guardavel(caminho.native())) return false;
        texto += linhaDoEstado(caminho) + "\n";
    }
    for (const auto& [pedido, resposta] : respostas_) {
        const auto& [familia, negrito, italico, caractere] = pedido;
        const std::string caminho = resposta ? resposta->caminho.string() : "";
        if (!guardavel(familia) || !guardavel(caminho)) continue;
        texto += "face\t" + familia + (negrito ? "\t1" : "\t0") + (italico ? "\t1" : "\t0") + "\t" +
                 std::to_string(caractere) + "\t" + caminho + "\t" +
                 std::to_string(resposta ? resposta->indice : 0) + "\n";
    }
    std::error_code erro;
    fs::create_directories(arquivo.parent_path(), erro);
    return substituir(arquivo, texto);
}

std::optional<fs::path> memoriaDoUsuario() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache && fs::path(cache).is_absolute()) return fs::path(cache) / "trovale" / "fontes";
    const char* casa = std::getenv("HOME");
    if (casa && fs::path(casa).is_absolute())
        return fs::path(casa) / ".cache" / "trovale" / "fontes";
    return std::nullopt;
}

std::unique_ptr<BibliotecaFontes> bibliotecaDoUsuario() {
    const auto memoria = memoriaDoUsuario();
    return memoria ? std::make_unique<BibliotecaFontes>(*memoria)
                   : std::make_unique<BibliotecaFontes>();
}

}  // namespace trovale::fontes
