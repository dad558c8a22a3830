#include "settings/stage_keys_file.h"

#include "base/blanks.h"
#include "base/file_system.h"
#include "settings/settings_file.h"

namespace trovale {

namespace {

constexpr std::string_view kAvancar = "Avancar=";
constexpr std::string_view kVoltar = "Voltar=";

std::string juntar(const std::vector<std::string>& teclas) {
    std::string texto;
    for (const std::string& tecla : teclas) texto += (texto.empty() ? "" : ";") + tecla;
    return texto;
}

std::vector<std::string> separar(std::string_view texto) {
    std::vector<std::string> teclas;
    while (!texto.empty()) {
        const std::size_t fim = texto.find(';');
        const std::string_view tecla = aparar(texto.substr(0, fim));
        if (!tecla.empty()) teclas.emplace_back(tecla);
        texto.remove_prefix(fim == std::string_view::npos ? texto.size() : fim + 1);
    }
    return teclas;
}

}  // namespace

TeclasDoPalco teclasDoPalcoDeFabrica() {
    return {{"PgDown", "Space", "Right", "Down", "Return", "Enter"},
            {"PgUp", "Left", "Up", "Backspace"}};
}

std::string formatarTeclasDoPalco(const TeclasDoPalco& teclas) {
    return std::string(kAvancar) + juntar(teclas.avancar) + "\r\n" + std::string(kVoltar) +
           juntar(teclas.voltar) + "\r\n";
}

TeclasDoPalco interpretarTeclasDoPalco(std::string_view bytes) {
    TeclasDoPalco teclas = teclasDoPalcoDeFabrica();
    for (const std::string& linha : linhasArquivo(bytes)) {
        const std::string_view l = linha;
        std::vector<std::string>* lado = l.starts_with(kAvancar) ? &teclas.avancar
                                         : l.starts_with(kVoltar) ? &teclas.voltar
                                                                  : nullptr;
        if (!lado) continue;
        std::vector<std::string> lidas = separar(l.substr(l.find('=') + 1));
        if (!lidas.empty()) *lado = std::move(lidas);
    }
    return teclas;
}

TeclasDoPalco lerTeclasDoPalco(FileSystem& fs, const std::filesystem::path& pastaPrograma) {
    const auto bytes = fs.readFile(pastaPrograma / kArquivoPalco, kLimiteConfiguracao);
    return bytes ? interpretarTeclasDoPalco(*bytes) : teclasDoPalcoDeFabrica();
}

bool gravarTeclasDoPalco(FileSystem& fs, const std::filesystem::path& pastaPrograma,
                         const TeclasDoPalco& teclas) {
    return gravarConfiguracao(fs, pastaPrograma / kArquivoPalco, formatarTeclasDoPalco(teclas));
}

}  // namespace trovale
