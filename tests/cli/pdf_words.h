#pragma once
// The words of a PDF page as poppler reads them (pdftotext -bbox), and lines of words found
// among them.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace trovale::testing {

struct Palavra {
    double x0, y0, x1, y1;
    std::string texto;
};

// Every page's words, in poppler's reading order; [0] is page 1.
std::vector<std::vector<Palavra>> palavrasDasPaginas(const std::filesystem::path& pdf);
std::vector<Palavra> palavrasDaPagina(const std::filesystem::path& pdf, int pagina);

// The words of a text, split at spaces.
std::vector<std::string> palavrasDoTexto(const std::string& texto);

// Consecutive words of one line of the page equal to `procuradas`, left to right; with
// `semCaixa`, letters match in either case.
std::optional<std::vector<Palavra>> acharLinha(const std::vector<Palavra>& pagina,
                                               const std::vector<std::string>& procuradas,
                                               bool semCaixa = false);

}  // namespace trovale::testing
