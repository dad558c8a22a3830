#include "drawing/songbook_pages.h"

#include <algorithm>
#include <cmath>

namespace trovale {

namespace {

// The contents page, in millimetres: A4 with comfortable margins and a row every 7 mm.
constexpr double kMargemLateralMm = 20;
constexpr double kMargemSuperiorMm = 25;
constexpr double kCabecalhoMm = 16;
constexpr double kLinhaMm = 7;
constexpr double kAlturaA4Mm = 297;
constexpr double kFaixaNumeroMinimaMm = 6;
constexpr Cor kCinzaAutor{80, 80, 80};
constexpr const char* kReticencias = "\xE2\x80\xA6";  // …

int linhasNaPagina(int k) {
    const double util =
        kAlturaA4Mm - kMargemSuperiorMm - kMargemInferiorIndiceMm - (k == 0 ? kCabecalhoMm : 0);
    return static_cast<int>(util / kLinhaMm);
}

FonteTela fonte(int pontos, bool negrito = false, bool italico = false) {
    FonteTela f;
    f.nome = "Arial";
    f.pontos = pontos;
    f.negrito = negrito;
    f.italico = italico;
    return f;
}

int px(double valor) {
    return static_cast<int>(std::lround(valor));
}

// Where the UTF-8 character before `fim` starts.
std::size_t inicioDoCaractereAnterior(const std::string& texto, std::size_t fim) {
    std::size_t i = fim - 1;
    while (i > 0 && (static_cast<unsigned char>(texto[i]) & 0xC0) == 0x80) --i;
    return i;
}

void desenharEntrada(Tela& t, const PaginaCaderno& pg, int base, const EntradaIndice& e) {
    const double esquerda = kMargemLateralMm * pg.pxPorMm;
    const double largura = pg.largura - 2 * esquerda;
    const std::string numero = std::to_string(e.pagina);
    t.fonte(fonte(11));
    t.texto(px(esquerda), base, cortadoComReticencias(t, e.titulo, px(largura * 0.52)), kCorPreta);
    t.texto(px(esquerda + largura) - t.largura(numero), base, numero, kCorPreta);
    t.fonte(fonte(10, false, true));
    t.texto(px(esquerda + largura * 0.54), base,
            cortadoComReticencias(t, e.autor, px(largura * 0.36)), kCinzaAutor);
}

}  // namespace

std::string cortadoComReticencias(const Tela& t, const std::string& texto, int largura) {
    if (t.largura(texto) <= largura) return texto;
    std::size_t fim = texto.size();
    while (fim > 0) {
        fim = inicioDoCaractereAnterior(texto, fim);
        const std::string cortado = texto.substr(0, fim) + kReticencias;
        if (t.largura(cortado) <= largura) return cortado;
    }
    return kReticencias;
}

std::vector<std::string> linhasQueCabem(const Tela& t, const std::string& texto, int largura) {
    std::vector<std::string> linhas;
    std::string linha;
    std::size_t inicio = 0;
    while (inicio < texto.size()) {
        std::size_t fim = texto.find(' ', inicio);
        if (fim == std::string::npos) fim = texto.size();
        const std::string palavra = texto.substr(inicio, fim - inicio);
        inicio = fim + 1;
        if (palavra.empty()) continue;
        const std::string junta = linha.empty() ? palavra : linha + ' ' + palavra;
        if (!linha.empty() && t.largura(junta) > largura) {
            linhas.push_back(linha);
            linha = palavra;
        } else {
            linha = junta;
        }
    }
    if (!linha.empty()) linhas.push_back(linha);
    return linhas;
}

int paginasDoIndice(int entradas) {
    int paginas = 1;
    for (int restantes = entradas - linhasNaPagina(0); restantes > 0;
         restantes -= linhasNaPagina(paginas))
        ++paginas;
    return paginas;
}

void desenharCapa(Tela& t, const PaginaCaderno& pg, const std::string& titulo) {
    const int margem = px(kMargemLateralMm * pg.pxPorMm);
    const int largura = pg.largura - 2 * margem;
    t.fonte(fonte(28, true));
    const MetricasTela m = t.metricas();
    int topo = px(pg.altura * 0.3);
    const int fundo = topo + px(pg.altura * 0.3);
    for (const std::string& linha : linhasQueCabem(t, titulo, largura)) {
        if (topo + m.altura > fundo) break;
        t.texto(margem + (largura - t.largura(linha)) / 2, topo + m.ascendente, linha, kCorPreta);
        topo += m.altura;
    }
}

void desenharPaginaIndice(Tela& t, const PaginaCaderno& pg, int k,
                          const std::vector<EntradaIndice>& entradas) {
    std::size_t primeira = 0;
    for (int anterior = 0; anterior < k; ++anterior)
        primeira += static_cast<std::size_t>(linhasNaPagina(anterior));
    double topo = kMargemSuperiorMm * pg.pxPorMm;
    if (k == 0) {
        t.fonte(fonte(18, true));
        t.texto(px(kMargemLateralMm * pg.pxPorMm), px(topo + 8 * pg.pxPorMm), kTituloIndice,
                kCorPreta);
        topo += kCabecalhoMm * pg.pxPorMm;
    }
    const std::size_t fim =
        std::min(entradas.size(), primeira + static_cast<std::size_t>(linhasNaPagina(k)));
    for (std::size_t i = primeira; i < fim; ++i) {
        const double base =
            topo + (static_cast<double>(i - primeira) + 0.75) * kLinhaMm * pg.pxPorMm;
        desenharEntrada(t, pg, px(base), entradas[i]);
    }
}

void desenharNumeroPagina(Tela& t, const PaginaCaderno& pg, double margemInferiorMm,
                          int numero) {
    const int faixa = px(std::max(margemInferiorMm, kFaixaNumeroMinimaMm) * pg.pxPorMm);
    t.salvar();
    t.fonte(fonte(9));
    t.textoNaCaixa({0, pg.altura - faixa, pg.largura, faixa}, kAlinharCentro,
                   std::to_string(numero), kCorPreta);
    t.restaurar();
}

}  // namespace trovale
