#include "catalogue/fingering.h"

#include <charconv>

#include <algorithm>
#include <cstdlib>

#include "catalogue/notes.h"

namespace trovale {

int TDigitacao::trasteRelativo(int corda) const {
    int traste = 0;
    for (const NotaDedo& n : Notas)
        if (!n.vazia() && n.Corda == corda) traste = std::max<int>(traste, n.Traste);
    for (const Pestana& p : Pestanas) {
        if (p.vazia()) continue;
        const int de = std::min(p.CordaInicial, p.CordaFinal);
        const int ate = std::max(p.CordaInicial, p.CordaFinal);
        if (corda >= de && corda <= ate) traste = std::max<int>(traste, p.Traste);
    }
    return traste;
}

int TDigitacao::trasteAbsoluto(int corda) const {
    const int relativo = trasteRelativo(corda);
    return relativo == 0 ? 0 : relativo + Casa - 1;
}

int TDigitacao::notaDaCorda(int corda) const {
    return reduzirNota(NotaCordaSolta[corda] + trasteAbsoluto(corda));
}

void TDigitacao::marcarBaixo() {
    for (int corda = kCordas; corda >= 1; --corda) {
        if (Estado[corda - 1] != kCordaMuda) {
            Estado[corda - 1] = kCordaBaixo;
            return;
        }
    }
}

namespace {

int valorNota(const NotaDedo& n) {
    return (n.Traste - 1) * 6 + n.Corda;
}

int valorPestana(const Pestana& p) {
    return std::abs(p.CordaFinal - p.CordaInicial) * 30 + (p.Traste - 1) * 6 + p.CordaInicial;
}

NotaDedo notaDoValor(int d) {
    const int traste = (d - 1) / 6 + 1;
    return {static_cast<std::uint8_t>(d - (traste - 1) * 6), static_cast<std::uint8_t>(traste)};
}

Pestana pestanaDoValor(int d) {
    const int extensao = (d - 1) / 30;
    const int m = d - extensao * 30;
    const int traste = (m - 1) / 6 + 1;
    const int inicial = m - (traste - 1) * 6;
    return {static_cast<std::uint8_t>(inicial), static_cast<std::uint8_t>(inicial + extensao),
            static_cast<std::uint8_t>(traste)};
}

int muda(const TDigitacao& d, int corda, int peso) {
    return d.estado(corda) == kCordaMuda ? peso : 0;
}

}  // namespace

TDigitacaoGravada Codificar(const TDigitacao& d) {
    std::array<int, kMaxElementosDigitacao> valores{};
    std::size_t k = 0;
    for (const Pestana& p : d.Pestanas)
        if (!p.vazia() && k < valores.size()) valores[k++] = valorPestana(p);
    for (const NotaDedo& n : d.Notas)
        if (!n.vazia() && k < valores.size()) valores[k++] = valorNota(n);
    TDigitacaoGravada g;
    g.W[0] = static_cast<std::uint16_t>(d.Tipo * 600 + d.Nota * 40 + d.Casa * 3 + muda(d, 1, 1));
    g.W[1] = static_cast<std::uint16_t>(valores[0] * 300 + valores[2] * 9 + muda(d, 2, 2) +
                                        muda(d, 3, 1));
    g.W[2] = static_cast<std::uint16_t>(valores[1] * 300 + valores[3] * 9 + muda(d, 4, 4) +
                                        muda(d, 5, 2) + muda(d, 6, 1));
    return g;
}

TDigitacao Decodificar(const TDigitacaoGravada& g) {
    TDigitacao d;
    d.Tipo = g.W[0] / 600;
    int r = g.W[0] % 600;
    d.Nota = r / 40;
    r %= 40;
    d.Casa = r / 3;
    const bool muda1 = r % 3 == 1;

    std::array<int, kMaxElementosDigitacao> valores{};
    valores[0] = g.W[1] / 300;
    r = g.W[1] % 300;
    valores[2] = r / 9;
    r %= 9;
    const bool muda2 = r / 2 == 1, muda3 = r % 2 == 1;
    valores[1] = g.W[2] / 300;
    r = g.W[2] % 300;
    valores[3] = r / 9;
    r %= 9;
    const bool muda4 = r / 4 == 1, muda5 = (r % 4) / 2 == 1, muda6 = r % 2 == 1;

    std::size_t pestanas = 0, notas = 0;
    for (int i = 0; i < kMaxElementosDigitacao; ++i) {
        const int v = valores[i];
        if (v == 0) continue;
        if (i < 2 && v > 30)
            d.Pestanas[pestanas++] = pestanaDoValor(v);
        else
            d.Notas[notas++] = notaDoValor(v);
    }
    const std::array<bool, kCordas> mudas = {muda1, muda2, muda3, muda4, muda5, muda6};
    for (int c = 0; c < kCordas; ++c) d.Estado[c] = mudas[c] ? kCordaMuda : kCordaTocada;
    d.marcarBaixo();
    return d;
}

std::array<std::uint8_t, kBytesDigitacaoGravada> paraBytes(const TDigitacaoGravada& g) {
    std::array<std::uint8_t, kBytesDigitacaoGravada> bytes{};
    for (int i = 0; i < 3; ++i) {
        bytes[2 * i] = static_cast<std::uint8_t>(g.W[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<std::uint8_t>(g.W[i] >> 8);
    }
    return bytes;
}

TDigitacaoGravada deBytes(const std::uint8_t* bytes) {
    TDigitacaoGravada g;
    for (int i = 0; i < 3; ++i)
        g.W[i] = static_cast<std::uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return g;
}

std::vector<int> notasSoantes(const TDigitacao& d) {
    std::vector<int> notas;
    notas.reserve(kCordas);  // every fingering of the catalogue passes here at start
    for (int corda = 1; corda <= kCordas; ++corda) {
        if (!d.tocada(corda)) continue;
        const int nota = d.notaDaCorda(corda);
        if (std::find(notas.begin(), notas.end(), nota) == notas.end()) notas.push_back(nota);
    }
    return notas;
}

}  // namespace trovale

namespace trovale {

bool digitacaoBemFormada(const TDigitacao& d) {
    if (d.Casa < 0 || d.Casa > kMaxCasa) return false;
    for (const NotaDedo& n : d.Notas)
        if (!n.vazia() && (n.Corda > kCordas || n.Traste > kMaxTrasteRelativo)) return false;
    for (const Pestana& p : d.Pestanas)
        if (!p.vazia() && (p.CordaFinal > kCordas || p.Traste < 1 || p.Traste > kMaxTrasteRelativo))
            return false;
    return true;
}

std::optional<TDigitacaoGravada> digitacaoDoTexto(std::string_view texto) {
    TDigitacaoGravada g;
    const char* at = texto.data();
    const char* fim = texto.data() + texto.size();
    for (std::uint16_t& w : g.W) {
        while (at < fim && *at == ' ') ++at;
        const auto [ptr, erro] = std::from_chars(at, fim, w);
        if (erro != std::errc()) return std::nullopt;
        at = ptr;
    }
    return g;
}

}  // namespace trovale
