#include "cli/text_conversion.h"

#include <algorithm>
#include <cctype>

#include "base/file_system.h"
#include "cli/catalogue_loading.h"
#include "cli/song_loading.h"
#include "cli/terminal_dialogs.h"
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

// The export: the song's text form, without markers.
int exportarTexto(const std::filesystem::path& entrada, const std::filesystem::path& saida,
                  const Ambiente& ambiente) {
    auto carregada = carregarCancao(entrada, ambiente);
    if (!carregada) return kSaidaCatalogo;
    AvisosNoTerminal avisosDaEntrada(ambiente.erros, entrada);
    if (!SongToText(carregada->cancao, avisosDaEntrada)) return kSaidaCatalogo;
    DiskFileSystem disco;
    AvisosNoTerminal avisosDaSaida(ambiente.erros, saida);
    return gravarTexto(disco, saida, carregada->cancao.Lines, avisosDaSaida) ? kSaidaOk
                                                                             : kSaidaCatalogo;
}

// The import: interpreted as the text editor's confirm does, a new song with the default
// template and page layout, fingerings chosen from the catalogue.
int importarTexto(const std::filesystem::path& entrada, const std::filesystem::path& saida,
                  const Ambiente& ambiente) {
    AvisosNoTerminal avisos(ambiente.erros);
    DiskFileSystem disco;
    AvisosNoTerminal avisosDaEntrada(ambiente.erros, entrada);
    auto linhas = lerTextoImportado(disco, entrada, avisosDaEntrada);
    if (!linhas) return kSaidaArgumento;
    const CatalogoCarregado carga = carregarCatalogo(ambiente.pasta, ambiente.erros);
    if (!carga.tiposOk) return kSaidaCatalogo;
    AcordesConhecidos conhecidos;
    const InterpretacaoTexto resultado =
        PrepararLinhas(std::move(*linhas), {carga.catalogo, kTrastesMostradosPadrao}, conhecidos);
    SongDocument cancao;
    cancao.Template = carregarModelo(disco, ambiente.pasta, avisos);
    cancao.Layout = carregarLayout(disco, ambiente.pasta);
    BuildFromText(cancao, textoDoEditor(resultado, conhecidos));
    const bool vazia = cancao.Lines.empty();
    // An empty song is not written (SaveSong says so); a script must not take that for success.
    AvisosNoTerminal avisosDaSaida(ambiente.erros, saida);
    if (SaveSong(cancao, saida, avisosDaSaida) != 0 || vazia) return kSaidaCatalogo;
    return kSaidaOk;
}

}  // namespace

int converterTexto(const std::filesystem::path& entrada, const std::filesystem::path& saida,
                   const Ambiente& ambiente) {
    return ehTexto(entrada) ? importarTexto(entrada, saida, ambiente)
                            : exportarTexto(entrada, saida, ambiente);
}

}  // namespace trovale::cli
