#include "settings/program_dir.h"

#include <cstdlib>
#include <system_error>

namespace trovale {

namespace {

std::optional<std::string> variavel(const char* nome) {
    const char* valor = std::getenv(nome);
    if (valor == nullptr) return std::nullopt;
    return std::string(valor);
}

bool definida(const std::optional<std::string>& valor) {
    return valor && !valor->empty();
}

std::filesystem::path executavelEmExecucao() {
    std::error_code erro;
    std::filesystem::path caminho = std::filesystem::read_symlink("/proc/self/exe", erro);
    return erro ? std::filesystem::path{} : caminho;
}

// Like the toolkit's home path: HOME, or the root when it is empty.
std::filesystem::path pastaPessoal(const FontesDiretorioPrograma& fontes) {
    return definida(fontes.home) ? std::filesystem::path(*fontes.home) : std::filesystem::path("/");
}

}  // namespace

FontesDiretorioPrograma fontesDoAmbiente() {
    FontesDiretorioPrograma fontes;
    fontes.trovaleDir = variavel("TROVALE_DIR");
    fontes.executavel = executavelEmExecucao();
    fontes.xdgDataHome = variavel("XDG_DATA_HOME");
    fontes.home = variavel("HOME");
    fontes.appData = variavel("APPDATA");
    return fontes;
}

std::filesystem::path diretorioDadosUsuario(const FontesDiretorioPrograma& fontes) {
#if defined(_WIN32)
    std::filesystem::path base = definida(fontes.appData)
                                     ? std::filesystem::path(*fontes.appData)
                                     : pastaPessoal(fontes) / "AppData" / "Roaming";
#elif defined(__APPLE__)
    std::filesystem::path base = pastaPessoal(fontes) / "Library" / "Application Support";
#else
    std::filesystem::path base = definida(fontes.xdgDataHome)
                                     ? std::filesystem::path(*fontes.xdgDataHome)
                                     : pastaPessoal(fontes) / ".local" / "share";
#endif
    return base / kNomeAplicacao;
}

std::filesystem::path resolverDiretorioPrograma(const FontesDiretorioPrograma& fontes) {
    if (definida(fontes.trovaleDir)) return std::filesystem::path(*fontes.trovaleDir);
    if (!fontes.executavel.empty()) {
        const std::filesystem::path pasta = fontes.executavel.parent_path();
        std::error_code erro;
        if (std::filesystem::is_regular_file(pasta / "ACORDES.TIP", erro)) return pasta;
    }
    return diretorioDadosUsuario(fontes);
}

std::filesystem::path resolverCatalogoParaLeitura(const FontesDiretorioPrograma& fontes) {
    const std::filesystem::path pasta = resolverDiretorioPrograma(fontes);
    if (definida(fontes.trovaleDir) || fontes.executavel.empty()) return pasta;
    std::error_code erro;
    if (std::filesystem::is_regular_file(pasta / "ACORDES.TIP", erro)) return pasta;
    const std::filesystem::path instalada =
        (fontes.executavel.parent_path() / ".." / "share" / "trovale").lexically_normal();
    if (std::filesystem::is_regular_file(instalada / "ACORDES.TIP", erro)) return instalada;
    return pasta;
}

}  // namespace trovale
