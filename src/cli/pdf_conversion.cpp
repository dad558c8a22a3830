#include "cli/pdf_conversion.h"

#include "base/file_saving.h"
#include "base/file_system.h"
#include "cli/sheet_building.h"
#include "cli/terminal_dialogs.h"
#include "document/page_list.h"
#include "render/pdf_export.h"
#include "settings/paper.h"

namespace trovale::cli {

namespace {

constexpr int kDpiTela = 96;

}  // namespace

int converterParaPdf(const std::string& entrada, const std::string& saida,
                     const std::string& paginas, const Ambiente& ambiente) {
    const auto montada = montarFolha(entrada, kDpiTela, 0, ambiente);
    if (!montada) return kSaidaCatalogo;
    const Sheet& folha = montada->folha;
    const ListaPaginas lista =
        lerListaPaginas(paginas.empty() ? listaTodas(folha.PageCount) : paginas, folha.PageCount);
    if (!lista.valida()) {
        ambiente.erros << lista.erro << '\n';
        return kSaidaArgumento;
    }
    const SongDocument& doc = montada->cancao.cancao;
    const Papel papel = papelDaPagina(paginaSemImpressora(doc.Layout.orientacao));
    const SheetPaint pintura{doc, folha, *montada->medida, montada->aparencia};
    const auto pdf = pdfDaFolha(pintura, {papel.largura, papel.altura, kDpiTela}, lista.paginas,
                                metadadosDaCancao(doc));
    AvisosNoTerminal dialogs(ambiente.erros, saida);
    if (!pdf) {
        dialogs.aviso(kMensagemArquivoImproprio);
        return kSaidaCatalogo;
    }
    DiskFileSystem disco;
    return gravarArquivo(disco, saida, *pdf, dialogs) == ResultadoGravacao::Gravado
               ? kSaidaOk
               : kSaidaCatalogo;
}

}  // namespace trovale::cli
