#include "cli/sheet_building.h"

#include "base/file_system.h"
#include "cli/diagram_command.h"
#include "render/appearance_file.h"
#include "settings/paper.h"

namespace trovale::cli {

namespace {

// The physical page height of the no-printer A4 page, in millimetres, for the orientation.
double alturaPaginaMm(int orientacao) {
    const PaginaImpressora pagina = paginaSemImpressora(orientacao);
    return pagina.alturaFisica / pagina.pxPorMmY;
}

}  // namespace

std::unique_ptr<FolhaMontada> montarFolha(const std::string& arquivo, int dpi, int largura,
                                          const Ambiente& ambiente) {
    auto m = std::make_unique<FolhaMontada>();
    m->carga = carregarCatalogo(ambiente.pasta, ambiente.erros);
    if (!m->carga.tiposOk) return nullptr;
    auto cancao = carregarCancao(arquivo, ambiente);
    if (!cancao) return nullptr;
    m->cancao = std::move(*cancao);
    m->aplicacao = aplicacaoParaDesenho();
    DiskFileSystem disco;
    m->aparencia = carregarAparencia(disco, ambiente.pasta);
    const SongDocument& doc = m->cancao.cancao;
    SheetSettings ajustes;
    ajustes.dpi = dpi;
    ajustes.pageHeightMm = alturaPaginaMm(doc.Layout.orientacao);
    ajustes.fretNumbersAbove = m->aparencia.Orientacao == kOrientacaoHorizontal;
    m->medida = std::make_unique<SheetMeasure>(doc.Template, m->carga.catalogo.tipos, dpi);
    ComputeRowHeights(m->folha, doc, *m->medida, ajustes);
    ComputeColumns(m->folha, doc, ajustes, largura);
    LayOut(m->folha, doc, *m->medida, ajustes);
    return m;
}

}  // namespace trovale::cli
