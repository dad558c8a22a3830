#include "cli/song_loading.h"

#include "base/file_system.h"
#include "cli/terminal_dialogs.h"
#include "cli/text_song.h"
#include "document/capo.h"
#include "document/chord_type_reading.h"
#include "document/song_file.h"
#include "settings/settings_file_modelo.h"

namespace trovale::cli {

std::optional<CancaoCarregada> carregarCancao(const std::filesystem::path& arquivo,
                                              const Ambiente& ambiente,
                                              const CatalogoTipos* tipos,
                                              const Catalogo* catalogo) {
    if (ehCancaoEmTexto(arquivo)) {
        // Built as the text editor would, and said to be of the version it would be saved in.
        int status = kSaidaOk;
        std::optional<SongDocument> cancao = cancaoDoTexto(arquivo, ambiente, status, catalogo);
        if (!cancao) return std::nullopt;
        const std::string versao = needsVersion2(*cancao) ? "02.00" : "01.00";
        return CancaoCarregada{std::move(*cancao), versao};
    }
    AvisosNoTerminal avisos(ambiente.erros);
    DiskFileSystem disco;
    // Version 01.00 songs take the refrain, chorus and notes fonts from MODELO.INI.
    const Modelo padrao = carregarModelo(disco, ambiente.pasta, avisos);
    CancaoCarregada carregada;
    AvisosNoTerminal avisosDaCancao(ambiente.erros, arquivo);
    if (!LoadSong(carregada.cancao, arquivo, padrao, avisosDaCancao, &carregada.versao))
        return std::nullopt;
    if (tipos) lerTiposPelasCifras(carregada.cancao.Chords, *tipos);
    if (ambiente.capotraste) definirCapotraste(carregada.cancao, *ambiente.capotraste);
    return carregada;
}

}  // namespace trovale::cli
