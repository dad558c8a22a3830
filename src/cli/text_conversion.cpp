#include "cli/text_conversion.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "base/file_system.h"
#include "cli/catalogue_loading.h"
#include "cli/song_loading.h"
#include "cli/terminal_dialogs.h"
#include "cli/text_song.h"
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

// The import, written as a song file. An empty song is not written (SaveSong says so); a
// script must not take that for success.
int importarTexto(const std::filesystem::path& entrada, const std::filesystem::path& saida,
                  const Ambiente& ambiente) {
    int status = kSaidaOk;
    std::optional<SongDocument> cancao = cancaoDoTexto(entrada, ambiente, status);
    if (!cancao) return status;
    AvisosNoTerminal avisosDaSaida(ambiente.erros, saida);
    if (SaveSong(*cancao, saida, avisosDaSaida) != 0 || cancao->Lines.empty()) return kSaidaCatalogo;
    return kSaidaOk;
}

}  // namespace

bool ehArquivoChordPro(const std::filesystem::path& arquivo) {
    return arquivo.has_extension() && ehChordPro(arquivo.extension().string(), {});
}

int converterTexto(const std::filesystem::path& entrada, const std::filesystem::path& saida,
                   const Ambiente& ambiente) {
    return ehCancaoEmTexto(entrada) ? importarTexto(entrada, saida, ambiente)
                                    : exportarTexto(entrada, saida, ambiente);
}

}  // namespace trovale::cli
