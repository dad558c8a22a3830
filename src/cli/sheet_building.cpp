#include "cli/sheet_building.h"

#include "base/file_system.h"
#include "cli/diagram_command.h"
#include "drawing/appearance_file.h"
#include "render/song_sheet.h"

namespace trovale::cli {

std::unique_ptr<FolhaMontada> montarFolha(const std::string& arquivo, int dpi, int largura,
                                          const Ambiente& ambiente) {
    auto m = std::make_unique<FolhaMontada>();
    m->carga = carregarCatalogo(ambiente.pasta, ambiente.erros);
    if (!m->carga.tiposOk) return nullptr;
    auto cancao = carregarCancao(arquivo, ambiente, &m->carga.catalogo.tipos);
    if (!cancao) return nullptr;
    m->cancao = std::move(*cancao);
    m->aplicacao = aplicacaoParaDesenho();
    DiskFileSystem disco;
    m->aparencia = carregarAparencia(disco, ambiente.pasta);
    FolhaSemImpressora disposta =
        disporSemImpressora(m->cancao.cancao, m->carga.catalogo.tipos, m->aparencia, dpi, largura);
    m->medida = std::move(disposta.medida);
    m->folha = std::move(disposta.folha);
    return m;
}

}  // namespace trovale::cli
