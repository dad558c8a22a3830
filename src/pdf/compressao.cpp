#include "pdf/compressao.h"

#include <zlib.h>

#include <new>

namespace trovale::pdf {

Compressor::Compressor() : z_(std::make_unique<z_stream>()) {
    if (deflateInit(z_.get(), Z_BEST_SPEED) != Z_OK) throw std::bad_alloc();
}

Compressor::~Compressor() {
    deflateEnd(z_.get());
}

std::string_view Compressor::comprimir(std::initializer_list<std::string_view> pedacos) {
    z_stream& z = *z_;
    deflateReset(&z);
    uLong total = 0;
    for (auto p : pedacos) total += static_cast<uLong>(p.size());
    const std::size_t limite = deflateBound(&z, total) + 16 * pedacos.size();
    if (saida_.size() < limite) saida_.resize(limite);
    z.next_out = reinterpret_cast<Bytef*>(saida_.data());
    z.avail_out = static_cast<uInt>(saida_.size());
    std::size_t restantes = pedacos.size();
    for (auto p : pedacos) {
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(p.data()));
        z.avail_in = static_cast<uInt>(p.size());
        deflate(&z, --restantes == 0 ? Z_FINISH : Z_NO_FLUSH);
    }
    if (pedacos.size() == 0) deflate(&z, Z_FINISH);
    return {saida_.data(), static_cast<std::size_t>(z.total_out)};
}

}  // namespace trovale::pdf
