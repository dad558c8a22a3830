#include "fonts/font_memory.h"

#include <sys/stat.h>

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
            if (std::from_chars(c[6].data(), c[6].data() + c[6].size(), indice).ec != std::errc())
                return memoria;
            if (!c[5].empty()) resposta = ArquivoFonte{std::string(c[5]), indice};
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
    try {
        std::error_code erro;
        fs::create_directories(arquivo.parent_path(), erro);
        // A cache: made again when lost, so it is not flushed to the disk.
        DiskFileSystem(false).writeFile(arquivo, texto);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

std::optional<fs::path> memoriaDoUsuario() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache && fs::path(cache).is_absolute()) return fs::path(cache) / "trovale" / "fontes";
    const char* casa = std::getenv("HOME");
    if (casa && fs::path(casa).is_absolute())
        return fs::path(casa) / ".cache" / "trovale" / "fontes";
    return std::nullopt;
}

}  // namespace trovale::fontes
