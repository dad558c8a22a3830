#pragma once
// A PDF file's objects in order, with the cross-reference table their offsets make.

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "pdf/compressao.h"
#include "pdf/resumo.h"

namespace trovale::pdf {

// Where a file written in pieces goes, in order.
using DestinoPdf = std::function<void(std::string_view)>;

class EscritorPdf {
  public:
    // `reserva` is the expected size of what is held at once. Without a destination the whole
    // file is held and terminar() returns it; with one, it is handed over an object at a time
    // once a block has gathered. The compressor must outlive the writer.
    EscritorPdf(std::size_t reserva, Compressor& compressor, DestinoPdf destino = {});

    // The object's body goes into saida() between these two. Objects may come in any order,
    // but every number from 1 to the highest must be written once.
    void abrirObjeto(int numero);
    void fecharObjeto();
    // A deflated stream: `entradas` are the dictionary's own keys, the data the pieces joined.
    void fluxo(int numero, std::string_view entradas,
               std::initializer_list<std::string_view> dados);
    // The same for data deflated already.
    void fluxoComprimido(int numero, std::string_view entradas, std::string_view comprimido);
    std::string& saida() { return saida_; }

    // The cross-reference table and the trailer naming catalogue and info, with the file's
    // identifier (a digest of everything before it): the whole file without a destination,
    // else nothing, all of it having been handed over.
    std::string terminar(int catalogo, int informacoes);

  private:
    std::size_t posicao() const { return entregues_ + saida_.size(); }
    void entregar();

    std::string saida_;
    std::vector<std::size_t> posicoes_;  // by object number; 0 is the free head
    Compressor& compressor_;
    DestinoPdf destino_;
    std::size_t entregues_ = 0;  // bytes handed to the destination
    Resumo resumo_;
};

}  // namespace trovale::pdf
