#include "cli/pdf_without_qt.h"

#include <cmath>
#include <memory>
#include <optional>
#include <sstream>

#include "base/file_saving.h"
#include "base/file_system.h"
#include "cli/catalogue_loading.h"
#include "cli/song_loading.h"
#include "cli/terminal_dialogs.h"
#include "document/page_list.h"
#include "document/song_metadata.h"
#include "document/unprinted_layout.h"
#include "drawing/appearance_file.h"
#include "drawing/sheet_pages.h"
#include "fonts/font_memory.h"
#include "settings/paper.h"
#include "sheet_pdf/measure_without_qt.h"
#include "sheet_pdf/pdf_canvas.h"

namespace trovale::cli {

namespace {

constexpr int kDpiTela = 96;
constexpr int kDpiPdf = 1200;  // as the program's PDFs are drawn
constexpr double kMmPorPolegada = 25.4;

// The PDF page: the paper in whole points, in printer pixels of `dpi`, as Qt sizes it.
struct PaginaDoPdf {
    int larguraPt = 0;
    int alturaPt = 0;
    PageMetrics metricas;
};

PaginaDoPdf paginaDoPdf(const Papel& papel, int dpi) {
    PaginaDoPdf p;
    p.larguraPt = static_cast<int>(std::lround(papel.largura * 72.0 / kMmPorPolegada));
    p.alturaPt = static_cast<int>(std::lround(papel.altura * 72.0 / kMmPorPolegada));
    PageMetrics& m = p.metricas;
    m.pixelsPorMmX = m.pixelsPorMmY = dpi / kMmPorPolegada;
    m.larguraFisica = m.larguraImprimivel = static_cast<int>(std::lround(p.larguraPt * dpi / 72.0));
    m.alturaFisica = m.alturaImprimivel = static_cast<int>(std::lround(p.alturaPt * dpi / 72.0));
    return p;
}

// A song laid out for the PDF, with the pages asked for.
struct PdfPlanejado {
    std::optional<MedidaSemQt> medidaTela, medidaPapel;
    Sheet folha;
    ListaPaginas lista;
};

// Nothing when the sheet cannot be measured exactly as Qt would.
std::optional<PdfPlanejado> planejarPdf(const SongDocument& doc, const CatalogoTipos& tipos,
                                        const Aparencia& aparencia, const std::string& paginas,
                                        fontes::BibliotecaFontes& fontes) {
    PdfPlanejado plano;
    plano.medidaTela = MedidaSemQt::criar(doc.Template, tipos, fontes, kDpiTela);
    plano.medidaPapel = MedidaSemQt::criar(doc.Template, tipos, fontes, kDpiPdf);
    if (!plano.medidaTela || !plano.medidaPapel) return std::nullopt;
    plano.folha = disporNaPaginaSemImpressora(doc, *plano.medidaTela,
                                              aparencia.Orientacao == kOrientacaoHorizontal,
                                              kDpiTela, 0);
    plano.lista = lerListaPaginas(paginas.empty() ? listaTodas(plano.folha.PageCount) : paginas,
                                  plano.folha.PageCount);
    return plano;
}

// Draws the pages into `destino` one by one, as they are drawn; false as soon as a page could
// not be drawn exactly as Qt would.
bool desenharPdf(const SongDocument& doc, const CatalogoTipos& tipos, const Aparencia& aparencia,
                 PdfPlanejado& plano, fontes::BibliotecaFontes& fontes,
                 const pdf::DestinoPdf& destino) {
    const PaginaDoPdf pagina =
        paginaDoPdf(papelDaPagina(paginaSemImpressora(doc.Layout.orientacao)), kDpiPdf);
    const PinturaFolha tela{doc, plano.folha, tipos, aparencia};
    PaginasDaFolha impressao(tela, std::move(plano.folha), *plano.medidaPapel, pagina.metricas,
                             kDpiTela);
    pdf::DocumentoPdf documento(destino);
    FontesDoDocumento registro(documento);
    for (const int numero : plano.lista.paginas) {
        pdf::PaginaPdf& folhaPdf = documento.novaPagina(pagina.larguraPt, pagina.alturaPt);
        TelaPdf superficie(folhaPdf, registro, fontes, kDpiPdf);
        impressao.desenhar(superficie, numero);
        if (!superficie.exata() || !plano.medidaPapel->exata()) return false;
        documento.concluir(folhaPdf);
    }
    const MetadadosPdf meta = metadadosDaCancao(doc);
    documento.definirInformacoes(meta.titulo, meta.autor);
    documento.terminar();
    return true;
}

}  // namespace

int converterSemQt(const std::string& entrada, const std::string& saida, const std::string& paginas,
                   const Ambiente& ambiente) {
    // Held back until it is sure that this program answers, not trovale-cli-desenho.
    std::ostringstream erros;
    const Ambiente aqui{ambiente.pasta, ambiente.saida, erros, ambiente.capotraste};
    const auto responder = [&](int status) {
        ambiente.erros << erros.str();
        return status;
    };
    const CatalogoCarregado carga = carregarTiposDoCatalogo(ambiente.pasta, erros);
    if (!carga.tiposOk) return responder(kSaidaCatalogo);
    const auto cancao = carregarCancao(entrada, aqui, &carga.catalogo.tipos);
    if (!cancao) return responder(kSaidaCatalogo);
    DiskFileSystem disco;
    const Aparencia aparencia = carregarAparencia(disco, ambiente.pasta);
    // The fonts fontconfig chose before are remembered in the user's cache folder.
    const auto memoria = fontes::memoriaDoUsuario();
    const auto biblioteca = memoria ? std::make_unique<fontes::BibliotecaFontes>(*memoria)
                                    : std::make_unique<fontes::BibliotecaFontes>();
    fontes::BibliotecaFontes& fontes = *biblioteca;
    auto plano = planejarPdf(cancao->cancao, carga.catalogo.tipos, aparencia, paginas, fontes);
    if (!plano) return kSaidaPedeDesenho;
    if (!plano->lista.valida()) {
        erros << plano->lista.erro << '\n';
        return responder(kSaidaArgumento);
    }
    AvisosNoTerminal dialogs(erros, saida);
    const auto escrever = [&](const pdf::DestinoPdf& destino) {
        return desenharPdf(cancao->cancao, carga.catalogo.tipos, aparencia, *plano,
                           fontes, destino);
    };
    switch (gravarArquivoEmPartes(disco, saida, escrever, dialogs)) {
        case ResultadoGravacao::Gravado: return responder(kSaidaOk);
        case ResultadoGravacao::Desistido: return kSaidaPedeDesenho;  // nothing was written
        default: return responder(kSaidaCatalogo);
    }
}

}  // namespace trovale::cli
