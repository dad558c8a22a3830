// libFuzzer target for a song printed without Qt: the first byte chooses one to three columns,
// the paper's and the diagrams' orientation; the other bytes are read as a .txt and built into
// a song as the text editor's confirm does, laid out on the no-printer A4 page and drawn page
// by page into a PDF, as trovale-cli converts it. Nothing may crash, read out of bounds or take
// pathologically long; every row is on a page the sheet has, and the PDF holds every page.
//
// Built and run by fuzz/run.sh.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "document/unprinted_layout.h"
#include "drawing/diagram.h"
#include "drawing/sheet_pages.h"
#include "fonts/font_library.h"
#include "pdf/documento_pdf.h"
#include "settings/paper.h"
#include "sheet_pdf/measure_without_qt.h"
#include "sheet_pdf/pdf_canvas.h"
#include "song_from_text.h"

namespace {

using namespace trovale;

constexpr int kDpiTela = 96;
constexpr int kDpiPdf = 1200;  // as trovale-cli draws its PDFs
constexpr double kMmPorPolegada = 25.4;

// Opened once, since fontconfig reads its whole configuration before the first answer; and
// closed at exit, since a live configuration holds memory the leak checker cannot trace.
std::unique_ptr<fontes::BibliotecaFontes> biblioteca;

struct Escolhas {
    int colunas = 1;
    int orientacao = 0;  // of the paper: 0 portrait, 1 landscape
    bool diagramasHorizontais = false;
};

Escolhas escolhasDoByte(std::uint8_t b) {
    return {1 + b % 3, (b / 3) % 2, (b / 6) % 2 == 1};
}

// The page layout the layout window gives for these choices on the no-printer paper.
void dispor(PageLayout& layout, const Escolhas& e) {
    const Papel papel = papelDaPagina(paginaSemImpressora(e.orientacao));
    if (layout.orientacao != e.orientacao) {
        girarPapel(layout);
        ajustarAoPapel(layout, papel);
    }
    definirNumeroColunas(layout, e.colunas, papel);
}

// The PDF page as trovale-cli sizes it: the paper in whole points, in printer pixels.
struct PaginaDoPdf {
    int larguraPt = 0;
    int alturaPt = 0;
    PageMetrics metricas;
};

PaginaDoPdf paginaDoPdf(int orientacao) {
    const Papel papel = papelDaPagina(paginaSemImpressora(orientacao));
    PaginaDoPdf p;
    p.larguraPt = static_cast<int>(std::lround(papel.largura * 72.0 / kMmPorPolegada));
    p.alturaPt = static_cast<int>(std::lround(papel.altura * 72.0 / kMmPorPolegada));
    PageMetrics& m = p.metricas;
    m.pixelsPorMmX = m.pixelsPorMmY = kDpiPdf / kMmPorPolegada;
    m.larguraFisica = m.larguraImprimivel =
        static_cast<int>(std::lround(p.larguraPt * kDpiPdf / 72.0));
    m.alturaFisica = m.alturaImprimivel =
        static_cast<int>(std::lround(p.alturaPt * kDpiPdf / 72.0));
    return p;
}

void verificarPaginas(const Sheet& folha) {
    if (folha.PageCount < 1 || folha.PageHeight.size() != std::size_t(folha.PageCount) + 1)
        std::abort();
    for (const auto& coluna : folha.Columns) {
        int anterior = 1;
        for (const SheetRow& linha : coluna) {
            if (linha.Page < anterior || linha.Page > folha.PageCount) std::abort();
            anterior = linha.Page;
        }
    }
}

std::size_t ocorrencias(std::string_view texto, std::string_view trecho) {
    std::size_t n = 0;
    for (auto p = texto.find(trecho); p != std::string_view::npos; p = texto.find(trecho, p + 1))
        ++n;
    return n;
}

void verificarPdf(std::string_view pdf, int paginas) {
    if (!pdf.starts_with("%PDF-") || !pdf.ends_with("%%EOF\n")) std::abort();
    if (ocorrencias(pdf, "/Type /Page /Parent") != std::size_t(paginas)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    biblioteca = std::make_unique<fontes::BibliotecaFontes>();
    // Without the template's fonts nothing past the layout's first step would ever run.
    const Modelo modelo = modeloDeFabrica();
    if (!biblioteca->pronta() ||
        !MedidaSemQt::criar(modelo, fuzz::catalogo().tipos, *biblioteca, kDpiTela) ||
        !MedidaSemQt::criar(modelo, fuzz::catalogo().tipos, *biblioteca, kDpiPdf)) {
        std::fputs(
            "The factory template's fonts cannot be measured without Qt here: install "
            "the Liberation fonts.\n",
            stderr);
        std::exit(1);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const Escolhas escolhas = escolhasDoByte(data[0]);
    SongDocument doc = fuzz::cancaoDoTexto(
        linhasDoTexto(std::string(reinterpret_cast<const char*>(data) + 1, size - 1)));
    dispor(doc.Layout, escolhas);

    const CatalogoTipos& tipos = fuzz::catalogo().tipos;
    const auto medidaTela = MedidaSemQt::criar(doc.Template, tipos, *biblioteca, kDpiTela);
    const auto medidaPapel = MedidaSemQt::criar(doc.Template, tipos, *biblioteca, kDpiPdf);
    if (!medidaTela || !medidaPapel) std::abort();  // the same template measured at start
    Aparencia aparencia;
    aparencia.Orientacao =
        escolhas.diagramasHorizontais ? kOrientacaoHorizontal : kOrientacaoVertical;
    Sheet folha =
        disporNaPaginaSemImpressora(doc, *medidaTela, escolhas.diagramasHorizontais, kDpiTela, 0);
    verificarPaginas(folha);
    const int paginas = folha.PageCount;

    const PaginaDoPdf pagina = paginaDoPdf(doc.Layout.orientacao);
    const PinturaFolha tela{doc, folha, tipos, aparencia};
    PaginasDaFolha impressao(tela, std::move(folha), *medidaPapel, pagina.metricas, kDpiTela);
    pdf::DocumentoPdf documento;
    FontesDoDocumento registro(documento);
    // A character no installed face has leaves the page inexact; it is drawn all the same.
    for (int numero = 1; numero <= paginas; ++numero) {
        pdf::PaginaPdf& folhaPdf = documento.novaPagina(pagina.larguraPt, pagina.alturaPt);
        TelaPdf superficie(folhaPdf, registro, *biblioteca, kDpiPdf);
        impressao.desenhar(superficie, numero);
        documento.concluir(folhaPdf);
    }
    verificarPdf(documento.gerar(), paginas);
    return 0;
}
