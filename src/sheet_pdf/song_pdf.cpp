#include "sheet_pdf/song_pdf.h"

#include "document/song_metadata.h"
#include "document/unprinted_layout.h"
#include "drawing/paper_page.h"
#include "drawing/sheet_pages.h"
#include "pdf/documento_pdf.h"
#include "settings/paper.h"
#include "sheet_pdf/pdf_canvas.h"

namespace trovale {

namespace {

constexpr int kDpiTela = 96;
constexpr int kDpiPdf = 1200;  // as the program's PDFs are drawn

}  // namespace

std::optional<CancaoDisposta> disporParaPdf(const SongDocument& doc, const CatalogoTipos& tipos,
                                            const Aparencia& aparencia,
                                            fontes::BibliotecaFontes& fontes) {
    std::optional<MedidaSemQt> medida = MedidaSemQt::criar(doc.Template, tipos, fontes, kDpiTela);
    if (!medida) return std::nullopt;
    const Papel papel = papelDaPagina(paginaSemImpressora(doc.Layout.orientacao));
    CancaoDisposta d{std::move(*medida), {}, papel.largura, papel.altura};
    d.folha = disporNaPaginaSemImpressora(doc, d.medida,
                                          aparencia.Orientacao == kOrientacaoHorizontal,
                                          kDpiTela, 0);
    if (!d.medida.exata()) return std::nullopt;
    return d;
}

bool escreverPdfDaFolha(const FolhaParaPdf& f, const std::vector<int>& paginas,
                        fontes::BibliotecaFontes& fontes, const pdf::DestinoPdf& destino) {
    const std::optional<MedidaSemQt> medidaPapel =
        MedidaSemQt::criar(f.doc.Template, f.tipos, fontes, kDpiPdf);
    if (!medidaPapel) return false;
    const FolhaDePapel papel = folhaDePapel(f.larguraMm, f.alturaMm, kDpiPdf);
    const PinturaFolha tela{f.doc, f.folha, f.tipos, f.aparencia};
    PaginasDaFolha impressao(tela, *medidaPapel, papel.metricas, f.dpiTela);
    pdf::DocumentoPdf documento(destino);
    FontesDoDocumento registro(documento);
    for (const int numero : paginas) {
        pdf::PaginaPdf& folhaPdf = documento.novaPagina(papel.larguraPt, papel.alturaPt);
        TelaPdf superficie(folhaPdf, registro, fontes, kDpiPdf);
        impressao.desenhar(superficie, numero);
        if (!superficie.exata() || !medidaPapel->exata()) return false;
        documento.concluir(folhaPdf);
    }
    const MetadadosPdf meta = metadadosDaCancao(f.doc);
    documento.definirInformacoes(meta.titulo, meta.autor);
    documento.terminar();
    return true;
}

}  // namespace trovale
