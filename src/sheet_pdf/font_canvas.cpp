#include "sheet_pdf/font_canvas.h"

#include <algorithm>

#include "base/text_codec.h"
#include "fonts/template_measure.h"
#include "pdf/numeros_pdf.h"

namespace trovale {

TelaDeFontes::TelaDeFontes(fontes::BibliotecaFontes& fontes, int dpi, Retangulo area)
    : fontes_(&fontes), dpi_(dpi) {
    estado_.recorte = area;
}

void TelaDeFontes::salvar() {
    pilha_.push_back(estado_);
}

void TelaDeFontes::restaurar() {
    if (pilha_.empty()) return;
    estado_ = pilha_.back();
    pilha_.pop_back();
}

void TelaDeFontes::recortar(const Retangulo& r) {
    Retangulo& c = estado_.recorte;
    const int x0 = std::max(c.x, r.x), y0 = std::max(c.y, r.y);
    const int x1 = std::min(c.x + c.largura, r.x + r.largura);
    const int y1 = std::min(c.y + c.altura, r.y + r.altura);
    c = {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

Retangulo TelaDeFontes::areaVisivel() const {
    return estado_.recorte;
}

void TelaDeFontes::fonte(const FonteTela& f) {
    estado_.pixels = std::max(1, f.pontos > 0 ? fontes::pixelsDePontos(f.pontos, dpi_) : f.pixels);
    // Chord names switch between sizes of one font many times a row.
    const bool mesmaFace = estado_.fonteDefinida && f.nome == estado_.nome &&
                           f.negrito == estado_.negrito && f.italico == estado_.italico;
    if (!mesmaFace) {
        estado_.fonteDefinida = true;
        estado_.nome = f.nome;
        estado_.familia = utf8DeWindows1252(f.nome);
        estado_.negrito = f.negrito;
        estado_.italico = f.italico;
        estado_.face = fontes_->face(estado_.familia, f.negrito, f.italico);
    }
    // Kerned text is shaped by Qt; only the program's windows ask for it.
    if (!estado_.face || f.ajustarPares) marcarInexata();
}

MetricasTela TelaDeFontes::metricas() const {
    if (!estado_.face) return {};
    const fontes::MetricasVerticais v = estado_.face->verticais(estado_.pixels);
    return {v.ascendente, v.descendente, v.altura};
}

const fontes::FaceFonte* TelaDeFontes::faceDe(char32_t c) const {
    if (!estado_.face || estado_.face->avanco26d6(estado_.pixels, c)) return estado_.face;
    const ChaveSubstituta chave(estado_.familia, estado_.negrito, estado_.italico, c);
    const auto achada = substitutas_.find(chave);
    if (achada != substitutas_.end()) return achada->second;
    return substitutas_[chave] =
               fontes_->substituta(estado_.familia, estado_.negrito, estado_.italico, c);
}

std::optional<int> TelaDeFontes::larguraDe(std::u32string_view texto) const {
    if (!estado_.face) return std::nullopt;
    const std::optional<int> largura = fontes::larguraSemForma(
        *estado_.face, estado_.pixels, texto, [this](char32_t c) { return faceDe(c); });
    if (!largura) marcarInexata();
    return largura;
}

int TelaDeFontes::largura(std::string_view texto) const {
    pdf::decodificarUtf8(texto, medido_);
    return larguraDe(medido_).value_or(0);
}

}  // namespace trovale
