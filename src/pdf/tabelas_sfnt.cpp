#include "pdf/tabelas_sfnt.h"

#include <algorithm>

namespace trovale::pdf {

void escreverU16(std::string& b, std::size_t pos, std::uint16_t valor) {
    b[pos] = static_cast<char>(valor >> 8);
    b[pos + 1] = static_cast<char>(valor & 0xFF);
}

void escreverU32(std::string& b, std::size_t pos, std::uint32_t valor) {
    escreverU16(b, pos, static_cast<std::uint16_t>(valor >> 16));
    escreverU16(b, pos + 2, static_cast<std::uint16_t>(valor & 0xFFFF));
}

void acrescentarU16(std::string& b, std::uint16_t valor) {
    b.push_back(static_cast<char>(valor >> 8));
    b.push_back(static_cast<char>(valor & 0xFF));
}

void acrescentarU32(std::string& b, std::uint32_t valor) {
    acrescentarU16(b, static_cast<std::uint16_t>(valor >> 16));
    acrescentarU16(b, static_cast<std::uint16_t>(valor & 0xFFFF));
}

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

std::uint32_t somaVerificacao(std::string_view dados) {
    std::uint32_t soma = 0;
    const std::size_t inteiras = dados.size() / 4 * 4;
    for (std::size_t i = 0; i < inteiras; i += 4) soma += lerU32(dados, i);
    if (inteiras < dados.size()) {
        std::uint32_t ultima = 0;
        for (std::size_t i = inteiras; i < inteiras + 4; ++i)
            ultima = ultima << 8 | (i < dados.size() ? static_cast<unsigned char>(dados[i]) : 0u);
        soma += ultima;
    }
    return soma;
}

namespace {

void acrescentarCabecalho(std::string& saida, std::uint32_t versao, std::uint16_t quantas) {
    std::uint16_t potencia = 1, expoente = 0;
    while (potencia * 2 <= quantas) {
        potencia = static_cast<std::uint16_t>(potencia * 2);
        ++expoente;
    }
    acrescentarU32(saida, versao);
    acrescentarU16(saida, quantas);
    acrescentarU16(saida, static_cast<std::uint16_t>(potencia * 16));
    acrescentarU16(saida, expoente);
    acrescentarU16(saida, static_cast<std::uint16_t>(quantas * 16 - potencia * 16));
}

}  // namespace

std::string montarSfnt(std::uint32_t versao, std::vector<TabelaSfnt> tabelas) {
    std::sort(tabelas.begin(), tabelas.end(),
              [](const TabelaSfnt& a, const TabelaSfnt& b) { return a.etiqueta < b.etiqueta; });
    const auto quantas = static_cast<std::uint16_t>(tabelas.size());
    std::size_t total = 12 + 16 * tabelas.size();
    for (const auto& t : tabelas) total += (t.dados.size() + 3) / 4 * 4;
    std::string saida;
    saida.reserve(total);
    acrescentarCabecalho(saida, versao, quantas);
    std::size_t deslocamento = 12 + 16 * tabelas.size();
    std::size_t posicaoHead = 0;
    for (const auto& t : tabelas) {
        acrescentarU32(saida, t.etiqueta);
        acrescentarU32(saida, somaVerificacao(t.dados));
        acrescentarU32(saida, static_cast<std::uint32_t>(deslocamento));
        acrescentarU32(saida, static_cast<std::uint32_t>(t.dados.size()));
        if (t.etiqueta == etiqueta("head")) posicaoHead = deslocamento;
        deslocamento += (t.dados.size() + 3) / 4 * 4;
    }
    for (const auto& t : tabelas) {
        saida.append(t.dados);
        saida.append((4 - t.dados.size() % 4) % 4, '\0');
    }
    // head's own checksum is taken with the adjustment at zero, as the caller left it.
    if (posicaoHead != 0 && posicaoHead + 12 <= saida.size())
        escreverU32(saida, posicaoHead + 8, 0xB1B0AFBAu - somaVerificacao(saida));
    return saida;
}

}  // namespace trovale::pdf
