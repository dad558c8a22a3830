#include "settings/settings_file_layout.h"

#include <vector>

#include "base/file_system.h"
#include "settings/settings_file.h"

namespace trovale {

namespace fs = std::filesystem;

namespace {

std::string linhaNumeros(std::initializer_list<std::int32_t> numeros) {
    std::string linha;
    for (std::int32_t n : numeros) {
        if (!linha.empty()) linha += ' ';
        linha += std::to_string(n);
    }
    return linha + "\r\n";
}

}  // namespace

std::string formatarLayout(const PageLayout& l) {
    return linhaNumeros({l.margemEsquerda, l.margemDireita, l.margemSuperior, l.margemInferior,
                         l.espacoColunas}) +
           linhaNumeros({l.numColunas, l.coluna1, l.coluna2, l.coluna3, l.orientacao});
}

std::optional<PageLayout> interpretarLayout(std::string_view bytes) {
    const std::vector<std::string> linhas = linhasArquivo(bytes);
    if (linhas.size() < 2) return std::nullopt;
    const auto primeira = lerInteiros(linhas[0], 5);
    const auto segunda = lerInteiros(linhas[1], 5);
    if (!primeira || !segunda) return std::nullopt;
    PageLayout layout;
    for (int i = 0; i < kCamposLayout; ++i) {
        const auto& numeros = i < 5 ? *primeira : *segunda;
        campo(layout, static_cast<CampoLayout>(i)) = numeros[i % 5];
    }
    if (!layoutPossivel(layout)) return std::nullopt;
    return layout;
}

PageLayout carregarLayout(FileSystem& fs, const fs::path& pastaPrograma) {
    const std::optional<std::string> bytes =
        fs.readFile(pastaPrograma / kArquivoLayout, kLimiteConfiguracao);
    if (!bytes) return layoutDeFabrica();
    return interpretarLayout(*bytes).value_or(layoutDeFabrica());
}

bool gravarLayout(FileSystem& fs, const fs::path& pastaPrograma, const PageLayout& layout,
                  Dialogs& dialogs) {
    return gravarArquivo(fs, pastaPrograma / kArquivoLayout, formatarLayout(layout), dialogs) ==
           ResultadoGravacao::Gravado;
}

}  // namespace trovale
