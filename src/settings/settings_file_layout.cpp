#include "settings/settings_file_layout.h"

#include <vector>

#include "catalogue/file_system.h"
#include "settings/settings_file.h"

namespace trovale {

namespace fs = std::filesystem;

namespace {

// Longer than any paper; keeps the layout arithmetic far from overflowing.
constexpr int kMaxMedida = 10000;

std::string linhaNumeros(std::initializer_list<std::int32_t> numeros) {
    std::string linha;
    for (std::int32_t n : numeros) {
        if (!linha.empty()) linha += ' ';
        linha += std::to_string(n);
    }
    return linha + "\r\n";
}

bool layoutPossivel(const PageLayout& l) {
    if (l.numColunas < 1 || l.numColunas > kMaxColunas) return false;
    if (l.orientacao != 0 && l.orientacao != 1) return false;
    for (int i = 0; i < kCamposLayout; ++i) {
        const std::int32_t v = campo(l, static_cast<CampoLayout>(i));
        if (v < 0 || v > kMaxMedida) return false;
    }
    return true;
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
    const std::optional<std::string> bytes = fs.readFile(pastaPrograma / kArquivoLayout);
    if (!bytes) return layoutDeFabrica();
    return interpretarLayout(*bytes).value_or(layoutDeFabrica());
}

bool gravarLayout(FileSystem& fs, const fs::path& pastaPrograma, const PageLayout& layout,
                  Dialogs& dialogs) {
    return gravarArquivoConfiguracao(fs, pastaPrograma / kArquivoLayout, formatarLayout(layout),
                                     dialogs) == ResultadoGravacao::Gravado;
}

}  // namespace trovale
