#include "pdf/escritor_pdf.h"

#include "pdf/compressao.h"
#include "pdf/numeros_pdf.h"

namespace trovale::pdf {

EscritorPdf::EscritorPdf(int objetos, std::size_t reserva, Compressor& compressor)
    : posicoes_(static_cast<std::size_t>(objetos) + 1, 0), compressor_(compressor) {
    saida_.reserve(reserva);
    // The binary comment tells transfer programs the file is not text.
    saida_ += "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
}

void EscritorPdf::abrirObjeto(int numero) {
    posicoes_[static_cast<std::size_t>(numero)] = saida_.size();
    acrescentarInteiro(saida_, numero);
    saida_ += " 0 obj\n";
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
    const std::size_t xref = saida_.size();
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
    saida_ += " 0 R >>\nstartxref\n";
    acrescentarInteiro(saida_, static_cast<long long>(xref));
    saida_ += "\n%%EOF\n";
    return std::move(saida_);
}

}  // namespace trovale::pdf
