#include "pdf/compressao.h"

#include <libdeflate.h>

#include <new>

namespace trovale::pdf {

Compressor::Compressor() : compressor_(libdeflate_alloc_compressor(1)) {
    if (!compressor_) throw std::bad_alloc();
}

Compressor::~Compressor() {
    libdeflate_free_compressor(compressor_);
}

std::string_view Compressor::comprimir(std::initializer_list<std::string_view> pedacos) {
    // Whole buffers deflate faster than a stream fed piece by piece; most streams are one.
    std::string_view dados;
    std::size_t naoVazios = 0;
    for (const std::string_view p : pedacos)
        if (!p.empty()) {
            dados = p;
            ++naoVazios;
        }
    if (naoVazios > 1) {
        juntos_.clear();
        for (const std::string_view p : pedacos) juntos_ += p;
        dados = juntos_;
    }
    const std::size_t limite = libdeflate_zlib_compress_bound(compressor_, dados.size());
    if (saida_.size() < limite) saida_.resize(limite);
    const std::size_t feitos = libdeflate_zlib_compress(compressor_, dados.data(), dados.size(),
                                                        saida_.data(), saida_.size());
    // The bound is what the library promises to fit in.
    if (feitos == 0) throw std::bad_alloc();
    return {saida_.data(), feitos};
}

}  // namespace trovale::pdf
