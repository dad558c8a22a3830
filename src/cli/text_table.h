#pragma once
// Plain output in aligned columns. Cells are Windows-1252 text, one byte per character, so
// widths are byte counts; the finished lines are converted to UTF-8.

#include <ostream>
#include <string>
#include <vector>

namespace trovale::cli {

enum class Alinhamento { Esquerda, Direita };

class TabelaTexto {
  public:
    explicit TabelaTexto(std::vector<Alinhamento> colunas) : colunas_(std::move(colunas)) {}

    void linha(std::vector<std::string> celulas);
    // A line outside the columns, such as a separator caption.
    void linhaLivre(std::string texto);
    // Two blanks between columns, no blanks at the end of a line.
    void escrever(std::ostream& saida) const;

  private:
    struct Linha {
        std::vector<std::string> celulas;
        bool livre = false;
    };
    std::vector<Alinhamento> colunas_;
    std::vector<Linha> linhas_;
};

}  // namespace trovale::cli
