#pragma once
// What the usual PDF readers make of a file: poppler's tools, qpdf, a rendered page's pixels.

#include <filesystem>
#include <string>
#include <vector>

namespace trovale::pdf::testing {

inline const std::filesystem::path kPastaLiberation = "/usr/share/fonts/truetype/liberation";
inline const std::filesystem::path kSans = kPastaLiberation / "LiberationSans-Regular.ttf";
inline const std::filesystem::path kSerifNegrito = kPastaLiberation / "LiberationSerif-Bold.ttf";

// The command's standard output (standard error too when asked).
std::string saidaDe(const std::string& comando, bool comErros = false);
bool temFerramenta(const std::string& nome);

// The bytes in a file of the running test's own folder.
std::filesystem::path gravar(const std::string& bytes, const std::string& nome);
// The path quoted for the shell.
std::string aspas(const std::filesystem::path& caminho);

// qpdf --check's verdict: empty when the file passes, its complaints otherwise.
std::string problemasQpdf(const std::filesystem::path& arquivo);

// A page rendered in grey at 72 dpi, one pixel per point.
struct ImagemCinza {
    int largura = 0, altura = 0;
    std::vector<unsigned char> pixels;
    int em(int x, int y) const { return pixels.at(static_cast<std::size_t>(y * largura + x)); }
};
// The page and whatever the renderer complained about.
ImagemCinza renderizar(const std::filesystem::path& arquivo, int pagina, std::string& queixas);

}  // namespace trovale::pdf::testing
