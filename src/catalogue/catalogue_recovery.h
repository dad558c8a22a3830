#pragma once
// Completing or discarding, at start-up, a save that a crash or power failure interrupted.

#include <stdexcept>

#include "catalogue/catalogue_files.h"

namespace trovale {

// A new file vouched for by its marker that is not a file of its kind (a folder, unreadable,
// cut short, garbage). Neither it nor the old file is touched: the user decides.
class NovoArquivoDefeituoso : public std::runtime_error {
  public:
    explicit NovoArquivoDefeituoso(std::filesystem::path caminho)
        : std::runtime_error(caminho.string()), caminho_(std::move(caminho)) {}
    const std::filesystem::path& caminho() const { return caminho_; }

  private:
    std::filesystem::path caminho_;
};

// Whether the pair's new file is a regular file that loads as its kind.
bool novoArquivoIntegro(const ArquivosCatalogo& arquivos, const ParArquivos& par);

// A combined save that got as far as CASADA.END wrote both new files completely: both are
// marked so that the two steps below commit them together. When either is no file of its
// kind, nothing is touched (NovoArquivoDefeituoso), and the two steps below leave the pair
// alone while CASADA.END stands.
void RecuperarGravacaoConjunta(const ArquivosCatalogo& arquivos);

// Before reading ACORDES.TIP: ACORDES.NEW replaces it when TERMINOU.NEW vouches for it, and
// is deleted as incomplete otherwise. Throws NovoArquivoDefeituoso when the vouched-for file
// is no type file, and FileSystemError when a step fails.
void RecuperarTipos(const ArquivosCatalogo& arquivos);

// Before reading POSICOES.DIG: the same with POSICOES.NEW and ACABOU.NEW.
void RecuperarDigitacoes(const ArquivosCatalogo& arquivos);

}  // namespace trovale
