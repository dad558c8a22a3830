#include "pdf/tabelas_sfnt.h"

namespace trovale::pdf {

std::string_view FaceSfnt::tabela(std::uint32_t procurada) const {
    for (const auto& t : tabelas)
        if (t.etiqueta == procurada) return t.dados;
    return {};
}

std::optional<FaceSfnt> lerFaceSfnt(std::string_view arquivo, int face) {
    if (face < 0 || arquivo.size() < 12) return std::nullopt;
    std::size_t inicio = 0;
    if (lerU32(arquivo, 0) == etiqueta("ttcf")) {
        const std::size_t faces = lerU32(arquivo, 8);
        const std::size_t entrada = 12 + 4 * static_cast<std::size_t>(face);
        if (static_cast<std::size_t>(face) >= faces || entrada + 4 > arquivo.size())
            return std::nullopt;
        inicio = lerU32(arquivo, entrada);
    } else if (face != 0) {
        return std::nullopt;
    }
    if (inicio + 12 > arquivo.size()) return std::nullopt;
    FaceSfnt resultado;
    resultado.versao = lerU32(arquivo, inicio);
    const std::size_t quantas = lerU16(arquivo, inicio + 4);
    if (inicio + 12 + 16 * quantas > arquivo.size()) return std::nullopt;
    resultado.tabelas.reserve(quantas);
    for (std::size_t i = 0; i < quantas; ++i) {
        const std::size_t registro = inicio + 12 + 16 * i;
        const std::size_t deslocamento = lerU32(arquivo, registro + 8);
        const std::size_t tamanho = lerU32(arquivo, registro + 12);
        if (deslocamento > arquivo.size() || tamanho > arquivo.size() - deslocamento)
            return std::nullopt;
        resultado.tabelas.push_back(
            {lerU32(arquivo, registro), arquivo.substr(deslocamento, tamanho)});
    }
    return resultado;
}

}  // namespace trovale::pdf
