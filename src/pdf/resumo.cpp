#include "pdf/resumo.h"

#include <cstring>

namespace trovale::pdf {

void Resumo::misturar(std::uint64_t palavra) {
    a_ = (a_ ^ palavra) * 0xFF51AFD7ED558CCDu;
    a_ ^= a_ >> 29;
    b_ = (b_ ^ (palavra + ++palavras_)) * 0xC4CEB9FE1A85EC53u;
    b_ ^= b_ >> 32;
}

void Resumo::acrescentar(std::string_view bytes) {
    total_ += bytes.size();
    std::size_t i = 0;
    while (nPendentes_ > 0 && i < bytes.size()) {
        pendente_ |= std::uint64_t(static_cast<unsigned char>(bytes[i++])) << (8 * nPendentes_);
        if (++nPendentes_ == 8) {
            misturar(pendente_);
            pendente_ = 0;
            nPendentes_ = 0;
        }
    }
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t palavra;
        std::memcpy(&palavra, bytes.data() + i, 8);
        misturar(palavra);
    }
    for (; i < bytes.size(); ++i) {
        if (nPendentes_ == 0) pendente_ = 0;
        pendente_ |= std::uint64_t(static_cast<unsigned char>(bytes[i])) << (8 * nPendentes_++);
    }
}

std::string Resumo::hex() const {
    Resumo fim = *this;
    fim.misturar(fim.pendente_ ^ (std::uint64_t(fim.nPendentes_) << 56));
    fim.misturar(fim.total_);
    static constexpr char kDigitos[] = "0123456789ABCDEF";
    std::string texto;
    for (const std::uint64_t lane : {fim.a_, fim.b_})
        for (int d = 60; d >= 0; d -= 4) texto.push_back(kDigitos[(lane >> d) & 0xF]);
    return texto;
}

}  // namespace trovale::pdf
