#include "sheet_pdf/pdf_canvas.h"

#include <cmath>

#include "pdf/numeros_pdf.h"

namespace trovale {

namespace {

pdf::CorPdf corPdf(Cor c) {
    return {c.r, c.g, c.b};
}

int pixelsDaPagina(double pontos, int dpi) {
    return static_cast<int>(std::lround(pontos * dpi / 72.0));
}

// Qt draws no glyph for controls and the soft hyphen, and gives them no room.
bool invisivel(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0xAD;
}

}  // namespace

TelaPdf::TelaPdf(pdf::PaginaPdf& pagina, FontesDoDocumento& registro,
                 fontes::BibliotecaFontes& fontes, int dpi)
    : TelaDeFontes(
          fontes, dpi,
          {0, 0, pixelsDaPagina(pagina.largura(), dpi), pixelsDaPagina(pagina.altura(), dpi)}),
      pagina_(pagina),
      registro_(registro),
      escala_(72.0 / dpi) {}

void TelaPdf::salvar() {
    TelaDeFontes::salvar();
    pagina_.salvar();
}

void TelaPdf::restaurar() {
    TelaDeFontes::restaurar();
    pagina_.restaurar();
}

void TelaPdf::recortar(const Retangulo& r) {
    TelaDeFontes::recortar(r);
    const Retangulo& c = recorte();
    pagina_.recortar(pt(c.x), pt(c.y), pt(c.largura), pt(c.altura));
}

void TelaPdf::preencher(const Retangulo& r, Cor cor) {
    if (r.vazio()) return;
    pagina_.corPreenchimento(corPdf(cor));
    pagina_.retangulo(pt(r.x), pt(r.y), pt(r.largura), pt(r.altura), true, false);
}

void TelaPdf::linha(int x0, int y0, int x1, int y1, Cor cor) {
    // Upright lines cover whole pixels: fill them, so no reader smears their edges.
    if (x0 == x1 || y0 == y1) {
        preencher(
            {std::min(x0, x1), std::min(y0, y1), std::abs(x1 - x0) + 1, std::abs(y1 - y0) + 1},
            cor);
        return;
    }
    // Through the pixels' centres, each end reaching half a pixel past them as Qt's square
    // cap does, so that both end pixels are covered.
    const double dx = x1 - x0, dy = y1 - y0, comprimento = std::hypot(dx, dy);
    const double ex = dx / comprimento / 2, ey = dy / comprimento / 2;
    pagina_.salvar();
    pagina_.corTraco(corPdf(cor));
    pagina_.espessura(pt(1));
    pagina_.linha(pt(x0 + 0.5 - ex), pt(y0 + 0.5 - ey), pt(x1 + 0.5 + ex), pt(y1 + 0.5 + ey));
    pagina_.restaurar();
}

void TelaPdf::contornoPontilhado(const Retangulo& r, Cor cor) {
    if (r.vazio()) return;
    pagina_.salvar();
    pagina_.corTraco(corPdf(cor));
    pagina_.espessura(pt(1));
    pagina_.tracejado(true);
    pagina_.retangulo(pt(r.x + 0.5), pt(r.y + 0.5), pt(r.largura - 1), pt(r.altura - 1), false,
                      true);
    pagina_.restaurar();
}

void TelaPdf::elipse(const Retangulo& r, Cor cor) {
    if (r.vazio()) return;
    pagina_.corPreenchimento(corPdf(cor));
    pagina_.elipse(pt(r.x), pt(r.y), pt(r.largura), pt(r.altura), true, false);
}

void TelaPdf::retanguloArredondado(const Retangulo& r, double raio, Cor cor) {
    if (r.vazio()) return;
    pagina_.corPreenchimento(corPdf(cor));
    pagina_.retanguloArredondado(pt(r.x), pt(r.y), pt(r.largura), pt(r.altura), pt(raio), true,
                                 false);
}

void TelaPdf::texto(int x, int yBase, std::string_view texto, Cor cor) {
    pdf::decodificarUtf8(texto, decodificado_);
    escrever(x, yBase, decodificado_, cor);
}

void TelaPdf::textoNaCaixa(const Retangulo& r, int alinhamento, std::string_view texto, Cor cor) {
    const std::u32string u = pdf::decodificarUtf8(texto);
    const int w = larguraDe(u).value_or(0);
    const MetricasTela m = metricas();
    double x = r.x;
    if (alinhamento & kAlinharDireita)
        x = r.x + r.largura - w;
    else if (alinhamento & kAlinharCentroH)
        x = r.x + (r.largura - w) / 2.0;
    double y = r.y + m.ascendente;
    if (alinhamento & kAlinharBase)
        y = r.y + r.altura - m.descendente;
    else if (alinhamento & kAlinharCentroV)
        y = r.y + (r.altura - m.altura) / 2.0 + m.ascendente;
    // Qt cuts a text that does not fit to its box.
    const bool cortar = w > r.largura || m.altura > r.altura;
    if (cortar) {
        salvar();
        recortar(r);
    }
    escrever(x, y, u, cor);
    if (cortar) restaurar();
}

void TelaPdf::escrever(double x, double yBase, std::u32string_view texto, Cor cor) {
    if (!face() || texto.empty()) return;
    pagina_.corPreenchimento(corPdf(cor));
    // Runs of characters in one face; a character no face has shows the chosen face's blank.
    long avanco = 0;  // 1/64 pixel from x
    std::u32string& trecho = trecho_;
    trecho.clear();
    const fontes::FaceFonte* faceTrecho = nullptr;
    long inicioTrecho = 0;
    auto fechar = [&] {
        if (!trecho.empty()) this->trecho(*faceTrecho, x + inicioTrecho / 64.0, yBase, trecho);
        trecho.clear();
    };
    const fontes::FaceFonte* principal = face();
    for (const char32_t c : texto) {
        if (invisivel(c)) continue;
        const fontes::FaceFonte* f = principal;
        std::optional<long> a = principal->avanco26d6(pixels(), c);
        if (!a) {
            if (const fontes::FaceFonte* outra = faceDe(c)) f = outra;
            a = f->avanco26d6(pixels(), c);
        }
        if (f != faceTrecho) {
            fechar();
            faceTrecho = f;
            inicioTrecho = avanco;
        }
        trecho.push_back(c);
        avanco += a.value_or(0);
    }
    fechar();
}

void TelaPdf::trecho(const fontes::FaceFonte& face, double x, double yBase,
                     std::u32string_view texto) {
    const std::optional<int> indice = registro_.indice(face);
    if (!indice) {
        marcarInexata();  // not embeddable: Qt draws it
        return;
    }
    pagina_.texto(*indice, pt(pixels()), pt(x), pt(yBase), texto);
}

}  // namespace trovale
