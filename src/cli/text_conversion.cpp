#include "cli/text_conversion.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "base/file_system.h"
#include "cli/catalogue_loading.h"
#include "cli/song_loading.h"
#include "cli/terminal_dialogs.h"
#include "document/capo.h"
#include "document/chordpro_export.h"
#include "document/chordpro_import.h"
#include "document/site_text.h"
#include "document/song_file.h"
#include "document/text_conversion.h"
#include "document/text_interpretation.h"
#include "settings/settings_file_layout.h"
#include "settings/settings_file_modelo.h"

namespace trovale::cli {

namespace {

bool ehTexto(const std::filesystem::path& arquivo) {
    std::string ext = arquivo.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".txt";
}

// The export: the song's text form without markers, or its ChordPro form.
int exportarTexto(const std::filesystem::path& entrada, const std::filesystem::path& saida,
                  const Ambiente& ambiente) {
    auto carregada = carregarCancao(entrada, ambiente);
    if (!carregada) return kSaidaCatalogo;
    DiskFileSystem disco;
    AvisosNoTerminal avisosDaSaida(ambiente.erros, saida);
    if (ehArquivoChordPro(saida))
        return gravarChordPro(disco, saida, carregada->cancao, avisosDaSaida) ? kSaidaOk
                                                                              : kSaidaCatalogo;
    AvisosNoTerminal avisosDaEntrada(ambiente.erros, entrada);
    if (!SongToText(carregada->cancao, avisosDaEntrada)) return kSaidaCatalogo;
    return gravarTexto(disco, saida, carregada->cancao.Lines, avisosDaSaida) ? kSaidaOk
                                                                             : kSaidaCatalogo;
}

// The editor's lines confirmed as they are: a new song with the default template and page
// layout, the fingerings in `conhecidos` kept and the others chosen from the catalogue.
int gravarConfirmado(std::vector<std::string> linhas, AcordesConhecidos conhecidos,
                     const Catalogo& catalogo, const std::filesystem::path& saida,
                     const Ambiente& ambiente) {
    AvisosNoTerminal avisos(ambiente.erros);
    DiskFileSystem disco;
    const InterpretacaoTexto resultado =
        PrepararLinhas(std::move(linhas), {catalogo, kTrastesMostradosPadrao}, conhecidos);
    SongDocument cancao;
    cancao.Template = carregarModelo(disco, ambiente.pasta, avisos);
    cancao.Layout = carregarLayout(disco, ambiente.pasta);
    BuildFromText(cancao, textoDoEditor(resultado, conhecidos));
    if (ambiente.capotraste) definirCapotraste(cancao, *ambiente.capotraste);
    const bool vazia = cancao.Lines.empty();
    // An empty song is not written (SaveSong says so); a script must not take that for success.
    AvisosNoTerminal avisosDaSaida(ambiente.erros, saida);
    if (SaveSong(cancao, saida, avisosDaSaida) != 0 || vazia) return kSaidaCatalogo;
    return kSaidaOk;
}

// What the import skipped or warned of, one message a line, as the file's messages.
void relatar(const ImportacaoChordPro& importacao, Dialogs& avisos) {
    std::istringstream resumo(importacao.resumo());
    for (std::string linha; std::getline(resumo, linha);) avisos.aviso(linha);
}

// The import: interpreted as the text editor's confirm does.
int importarTexto(const std::filesystem::path& entrada, const std::filesystem::path& saida,
                  const Ambiente& ambiente) {
    DiskFileSystem disco;
    AvisosNoTerminal avisosDaEntrada(ambiente.erros, entrada);
    std::optional<std::string> bytes = disco.readFile(entrada, kLimiteCancao);
    if (!bytes) {
        avisosDaEntrada.aviso(mensagemNaoLido(entrada, kLimiteCancao));
        return kSaidaArgumento;
    }
    const CatalogoCarregado carga = carregarCatalogo(ambiente.pasta, ambiente.erros);
    if (!carga.tiposOk) return kSaidaCatalogo;
    // A file that is no text is refused with its one message, and nothing is written.
    if (!ehChordPro(entrada.filename().string(), *bytes)) {
        std::optional<std::vector<std::string>> linhas =
            linhasDoTexto(std::move(*bytes), avisosDaEntrada);
        if (!linhas) return kSaidaCatalogo;
        return gravarConfirmado(lerCifraDeSite(std::move(*linhas), carga.catalogo.tipos), {},
                                carga.catalogo, saida, ambiente);
    }
    ImportacaoChordPro importacao =
        importarChordPro(std::move(*bytes), {carga.catalogo, kTrastesMostradosPadrao});
    if (importacao.recusa) {
        avisosDaEntrada.aviso(*importacao.recusa);
        return kSaidaCatalogo;
    }
    relatar(importacao, avisosDaEntrada);
    return gravarConfirmado(std::move(importacao.linhas), std::move(importacao.conhecidos),
                            carga.catalogo, saida, ambiente);
}

}  // namespace

bool ehArquivoChordPro(const std::filesystem::path& arquivo) {
    return arquivo.has_extension() && ehChordPro(arquivo.extension().string(), {});
}

int converterTexto(const std::filesystem::path& entrada, const std::filesystem::path& saida,
                   const Ambiente& ambiente) {
    return ehTexto(entrada) || ehArquivoChordPro(entrada) ? importarTexto(entrada, saida, ambiente)
                                                          : exportarTexto(entrada, saida, ambiente);
}

}  // namespace trovale::cli
