#include "sound/pcm_sound.h"

#include <cstddef>

namespace trovale {

namespace {

std::uint32_t palavra32(std::string_view bytes, std::size_t posicao) {
    std::uint32_t valor = 0;
    for (int i = 3; i >= 0; --i)
        valor =
            (valor << 8) | static_cast<unsigned char>(bytes[posicao + static_cast<std::size_t>(i)]);
    return valor;
}

std::uint16_t palavra16(std::string_view bytes, std::size_t posicao) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[posicao]) |
                                      (static_cast<unsigned char>(bytes[posicao + 1]) << 8));
}

std::vector<std::int16_t> amostrasDe(std::string_view dados) {
    std::vector<std::int16_t> amostras(dados.size() / 2);
    for (std::size_t i = 0; i < amostras.size(); ++i)
        amostras[i] = static_cast<std::int16_t>(palavra16(dados, 2 * i));
    return amostras;
}

}  // namespace

std::optional<SomPcm> lerWav(std::string_view arquivo) {
    if (arquivo.size() < 12 || arquivo.substr(0, 4) != "RIFF" || arquivo.substr(8, 4) != "WAVE")
        return std::nullopt;
    SomPcm som;
    bool formatoVisto = false;
    std::size_t posicao = 12;
    while (posicao + 8 <= arquivo.size()) {
        const std::string_view id = arquivo.substr(posicao, 4);
        const std::size_t tamanho = palavra32(arquivo, posicao + 4);
        const std::size_t dados = posicao + 8;
        if (tamanho > arquivo.size() - dados) return std::nullopt;
        if (id == "fmt " && tamanho >= 16) {
            if (palavra16(arquivo, dados) != 1 || palavra16(arquivo, dados + 14) != 16)
                return std::nullopt;  // not plain 16-bit PCM
            som.canais = palavra16(arquivo, dados + 2);
            som.taxa = static_cast<int>(palavra32(arquivo, dados + 4));
            formatoVisto = som.canais > 0 && som.taxa > 0;
        } else if (id == "data" && formatoVisto) {
            const std::size_t quadro = 2 * static_cast<std::size_t>(som.canais);
            som.amostras = amostrasDe(arquivo.substr(dados, tamanho - tamanho % quadro));
            return som;
        }
        posicao = dados + tamanho + (tamanho & 1);  // chunks are padded to even sizes
    }
    return std::nullopt;
}

}  // namespace trovale
