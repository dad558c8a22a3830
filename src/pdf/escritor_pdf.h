#pragma once
// A PDF file's objects in order, with the cross-reference table their offsets make.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "pdf/compressao.h"

namespace trovale::pdf {

class EscritorPdf {
  public:
    // Objects are numbered 1..`objetos`; `reserva` is the expected size of the file. The
    // compressor must outlive the writer.
    EscritorPdf(int objetos, std::size_t reserva, Compressor& compressor);

    // The object's body goes into saida() between these two.
    void abrirObjeto(int numero);
    void fecharObjeto() { saida_ += "\nendobj\n"; }
    // A deflated stream: `entradas` are the dictionary's own keys, the data the pieces joined.
    void fluxo(int numero, std::string_view entradas,
               std::initializer_list<std::string_view> dados);
    // The same for data deflated already.
    void fluxoComprimido(int numero, std::string_view entradas, std::string_view comprimido);
    std::string& saida() { return saida_; }

    // The file, with the cross-reference table and the trailer naming catalogue and info.
    std::string terminar(int catalogo, int informacoes);

  private:
    std::string saida_;
    std::vector<std::size_t> posicoes_;  // by object number; 0 is the free head
    Compressor& compressor_;
};

}  // namespace trovale::pdf
