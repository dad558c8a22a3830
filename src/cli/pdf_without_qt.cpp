#include "cli/pdf_without_qt.h"

#include <memory>
#include <sstream>

#include "base/file_saving.h"
#include "base/file_system.h"
#include "cli/catalogue_loading.h"
#include "cli/song_loading.h"
#include "cli/terminal_dialogs.h"
#include "document/page_list.h"
#include "drawing/appearance_file.h"
#include "fonts/font_memory.h"
#include "sheet_pdf/song_pdf.h"

namespace trovale::cli {

namespace {

constexpr int kDpiTela = 96;

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
    const auto biblioteca = fontes::bibliotecaDoUsuario();
    fontes::BibliotecaFontes& fontes = *biblioteca;
    const auto disposta = disporParaPdf(cancao->cancao, carga.catalogo.tipos, aparencia, fontes);
    if (!disposta) return kSaidaPedeDesenho;
    const ListaPaginas lista =
        lerListaPaginas(paginas.empty() ? listaTodas(disposta->folha.PageCount) : paginas,
                        disposta->folha.PageCount);
    if (!lista.valida()) {
        erros << lista.erro << '\n';
        return responder(kSaidaArgumento);
    }
    AvisosNoTerminal dialogs(erros, saida);
    const FolhaParaPdf folha{cancao->cancao,   disposta->folha,    carga.catalogo.tipos,
                             aparencia,        disposta->larguraMm, disposta->alturaMm,
                             kDpiTela};
    const auto escrever = [&](const pdf::DestinoPdf& destino) {
        return escreverPdfDaFolha(folha, lista.paginas, fontes, destino);
    };
    switch (gravarArquivoEmPartes(disco, saida, escrever, dialogs)) {
        case ResultadoGravacao::Gravado: return responder(kSaidaOk);
        case ResultadoGravacao::Desistido: return kSaidaPedeDesenho;  // nothing was written
        default: return responder(kSaidaCatalogo);
    }
}

}  // namespace trovale::cli
