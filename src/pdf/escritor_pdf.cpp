#include "pdf/escritor_pdf.h"

#include <algorithm>

#include "pdf/compressao.h"
#include "pdf/numeros_pdf.h"

namespace trovale::pdf {

namespace {

constexpr std::size_t kBlocoEntrega = 64 * 1024;

}  // namespace

EscritorPdf::EscritorPdf(std::size_t reserva, Compressor& compressor, DestinoPdf destino)
    : posicoes_(1, 0), compressor_(compressor), destino_(std::move(destino)) {
    saida_.reserve(destino_ ? std::max(reserva, kBlocoEntrega) + kBlocoEntrega : reserva);
    // The binary comment tells transfer programs the file is not text.
    saida_ += "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
}

void EscritorPdf::abrirObjeto(int numero) {
    const auto indice = static_cast<std::size_t>(numero);
    if (indice >= posicoes_.size()) posicoes_.resize(indice + 1, 0);
    posicoes_[indice] = posicao();
    acrescentarInteiro(saida_, numero);
    saida_ += " 0 obj\n";
}

void EscritorPdf::fecharObjeto() {
    saida_ += "\nendobj\n";
    if (destino_ && saida_.size() >= kBlocoEntrega) entregar();
}

void EscritorPdf::entregar() {
    resumo_.acrescentar(saida_);
    destino_(saida_);
    entregues_ += saida_.size();
    saida_.clear();
}

void EscritorPdf::fluxo(int numero, std::string_view entradas,
                        std::initializer_list<std::string_view> dados) {
    fluxoComprimido(numero, entradas, compressor_.comprimir(dados));
}

void EscritorPdf::fluxoComprimido(int numero, std::string_view entradas,
                                  std::string_view comprimido) {
    abrirObjeto(numero);
    saida_ += "<<";
    saida_ += entradas;
    saida_ += " /Filter /FlateDecode /Length ";
    acrescentarInteiro(saida_, static_cast<long long>(comprimido.size()));
    saida_ += " >>\nstream\n";
    saida_ += comprimido;
    saida_ += "\nendstream";
    fecharObjeto();
}

std::string EscritorPdf::terminar(int catalogo, int informacoes) {
    resumo_.acrescentar(saida_);
    const std::string id = resumo_.hex();
    const std::size_t xref = posicao();
    saida_ += "xref\n0 ";
    acrescentarInteiro(saida_, static_cast<long long>(posicoes_.size()));
    saida_ += "\n0000000000 65535 f \n";
    for (std::size_t i = 1; i < posicoes_.size(); ++i) {
        // Entries are exactly 20 bytes: ten digits, generation, type, space and newline.
        char entrada[21] = "0000000000 00000 n \n";
        for (std::size_t p = posicoes_[i], d = 10; d-- > 0; p /= 10)
            entrada[d] = static_cast<char>('0' + p % 10);
        saida_.append(entrada, 20);
    }
    saida_ += "trailer\n<< /Size ";
    acrescentarInteiro(saida_, static_cast<long long>(posicoes_.size()));
    saida_ += " /Root ";
    acrescentarInteiro(saida_, catalogo);
    saida_ += " 0 R /Info ";
    acrescentarInteiro(saida_, informacoes);
    saida_ += " 0 R /ID [<" + id + "> <" + id + ">] >>\nstartxref\n";
    acrescentarInteiro(saida_, static_cast<long long>(xref));
    saida_ += "\n%%EOF\n";
    if (!destino_) return std::move(saida_);
    entregar();
    return {};
}

}  // namespace trovale::pdf
