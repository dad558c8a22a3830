#include "settings/settings_file_modelo.h"

#include <string>

#include "base/dialogs.h"
#include "base/file_system.h"
#include "settings/settings_file.h"

namespace trovale {

namespace fs = std::filesystem;

namespace {

constexpr const char* kFimLinha = "\r\n";

bool valorByte(int valor, int maximo) {
    return valor >= 0 && valor <= maximo;
}

// "size colour bold italic name"; nothing when the line is damaged.
std::optional<FonteElemento> lerLinhaFonte(std::string_view linha, int elemento) {
    std::string_view resto;
    const auto numeros = lerInteiros(linha, 4, &resto);
    if (!numeros) return std::nullopt;
    const auto& n = *numeros;
    if (!valorByte(n[2], 1) || !valorByte(n[3], 1)) return std::nullopt;
    if (!resto.empty() && resto.front() == ' ') resto.remove_prefix(1);
    if (resto.empty()) return std::nullopt;
    FonteElemento fonte;
    fonte.tamanho = n[0];
    fonte.cor = n[1];
    fonte.negrito = n[2] == 1;
    fonte.italico = n[3] == 1;
    fonte.nome = std::string(resto);
    if (!tamanhoPossivel(fonte, elemento)) return std::nullopt;
    return fonte;
}

}  // namespace

std::string formatarLinhaFonte(const FonteElemento& fonte) {
    return std::to_string(fonte.tamanho) + ' ' + std::to_string(fonte.cor) + ' ' +
           (fonte.negrito ? "1 " : "0 ") + (fonte.italico ? "1 " : "0 ") + fonte.nome;
}

std::string formatarModelo(const Modelo& modelo) {
    std::string bytes = std::to_string(modelo.Presentation) + ' ' +
                        std::to_string(modelo.DiagramListOrder) + kFimLinha;
    for (const FonteElemento& fonte : modelo.Fonts) bytes += formatarLinhaFonte(fonte) + kFimLinha;
    return bytes;
}

std::optional<Modelo> interpretarModelo(std::string_view bytes) {
    const std::vector<std::string> linhas = linhasArquivo(bytes);
    if (linhas.empty()) return std::nullopt;
    const auto cabecalho = lerInteiros(linhas[0], 2);
    if (!cabecalho || !valorByte((*cabecalho)[0], 2) || !valorByte((*cabecalho)[1], 2)) {
        return std::nullopt;
    }
    // Elements the file does not reach keep their factory values.
    Modelo modelo = modeloDeFabrica();
    modelo.Presentation = (*cabecalho)[0];
    modelo.DiagramListOrder = (*cabecalho)[1];
    for (std::size_t i = 1; i < linhas.size() && i <= kElementosModelo; ++i) {
        const int elemento = static_cast<int>(i) - 1;
        const auto fonte = lerLinhaFonte(linhas[i], elemento);
        if (!fonte) return std::nullopt;
        modelo.Fonts[elemento] = *fonte;
    }
    return modelo;
}

Modelo carregarModelo(FileSystem& fs, const fs::path& pastaPrograma, Dialogs& dialogs) {
    const fs::path caminho = pastaPrograma / kArquivoModelo;
    const std::optional<std::string> bytes = fs.readFile(caminho, kLimiteConfiguracao);
    if (!bytes) return modeloDeFabrica();
    if (std::optional<Modelo> modelo = interpretarModelo(*bytes)) return *modelo;
    dialogs.aviso(mensagemArquivoDefeituoso(caminho));
    return modeloDeFabrica();
}

bool gravarModelo(FileSystem& fs, const fs::path& pastaPrograma, const Modelo& modelo,
                  Dialogs& dialogs) {
    return gravarArquivo(fs, pastaPrograma / kArquivoModelo, formatarModelo(modelo), dialogs) ==
           ResultadoGravacao::Gravado;
}

bool tornarModeloPadrao(FileSystem& fs, const fs::path& pastaPrograma, const Modelo& daJanela,
                        Modelo& padrao, Dialogs& dialogs) {
    padrao.Fonts = daJanela.Fonts;
    const ResultadoGravacao resultado =
        gravarArquivo(fs, pastaPrograma / kArquivoModelo, formatarModelo(daJanela), dialogs);
    if (resultado != ResultadoGravacao::NaoCriado) {
        padrao.Presentation = daJanela.Presentation;
        padrao.DiagramListOrder = daJanela.DiagramListOrder;
    }
    return resultado == ResultadoGravacao::Gravado;
}

}  // namespace trovale
