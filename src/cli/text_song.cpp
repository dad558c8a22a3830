#include "cli/text_song.h"

#include <sstream>

#include "base/file_system.h"
#include "cli/catalogue_loading.h"
#include "cli/output_checks.h"
#include "cli/terminal_dialogs.h"
#include "cli/text_conversion.h"
#include "document/capo.h"
#include "document/chordpro_import.h"
#include "document/site_text.h"
#include "document/text_conversion.h"
#include "document/text_interpretation.h"
#include "settings/settings_file_layout.h"
#include "settings/settings_file_modelo.h"

namespace trovale::cli {

namespace {

// The editor's lines confirmed as they are.
SongDocument cancaoConfirmada(std::vector<std::string> linhas, AcordesConhecidos conhecidos,
                              const Catalogo& catalogo, const Ambiente& ambiente) {
    AvisosNoTerminal avisos(ambiente.erros);
    DiskFileSystem disco;
    const InterpretacaoTexto resultado =
        PrepararLinhas(std::move(linhas), {catalogo, kTrastesMostradosPadrao}, conhecidos);
    SongDocument cancao;
    cancao.Template = carregarModelo(disco, ambiente.pasta, avisos);
    cancao.Layout = carregarLayout(disco, ambiente.pasta);
    BuildFromText(cancao, textoDoEditor(resultado, conhecidos));
    if (ambiente.capotraste) definirCapotraste(cancao, *ambiente.capotraste);
    return cancao;
}

// What the import skipped or warned of, one message a line, as the file's messages.
void relatar(const ImportacaoChordPro& importacao, Dialogs& avisos) {
    std::istringstream resumo(importacao.resumo());
    for (std::string linha; std::getline(resumo, linha);) avisos.aviso(linha);
}

}  // namespace

bool ehCancaoEmTexto(const std::filesystem::path& arquivo) {
    return extensaoMinuscula(arquivo) == ".txt" || ehArquivoChordPro(arquivo);
}

std::optional<SongDocument> cancaoDoTexto(const std::filesystem::path& entrada,
                                          const Ambiente& ambiente, int& status,
                                          const Catalogo* catalogo) {
    DiskFileSystem disco;
    AvisosNoTerminal avisosDaEntrada(ambiente.erros, entrada);
    std::optional<std::string> bytes = disco.readFile(entrada, kLimiteCancao);
    if (!bytes) {
        avisosDaEntrada.aviso(mensagemNaoLido(entrada, kLimiteCancao));
        status = kSaidaArgumento;
        return std::nullopt;
    }
    status = kSaidaCatalogo;
    std::optional<CatalogoCarregado> carga;
    if (!catalogo) {
        carga = carregarCatalogo(ambiente.pasta, ambiente.erros);
        if (!carga->tiposOk) return std::nullopt;
        catalogo = &carga->catalogo;
    }
    // A file that is no text is refused with its one message.
    if (!ehChordPro(entrada.filename().string(), *bytes)) {
        std::optional<std::vector<std::string>> linhas =
            linhasDoTexto(std::move(*bytes), avisosDaEntrada);
        if (!linhas) return std::nullopt;
        return cancaoConfirmada(lerCifraDeSite(std::move(*linhas), catalogo->tipos), {},
                                *catalogo, ambiente);
    }
    ImportacaoChordPro importacao =
        importarChordPro(std::move(*bytes), {*catalogo, kTrastesMostradosPadrao});
    if (importacao.recusa) {
        avisosDaEntrada.aviso(*importacao.recusa);
        return std::nullopt;
    }
    relatar(importacao, avisosDaEntrada);
    return cancaoConfirmada(std::move(importacao.linhas), std::move(importacao.conhecidos),
                            *catalogo, ambiente);
}

}  // namespace trovale::cli
