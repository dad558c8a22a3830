#include "cli/song_loading.h"

#include "base/file_system.h"
#include "cli/terminal_dialogs.h"
#include "document/capo.h"
#include "document/chord_type_reading.h"
#include "document/song_file.h"
#include "settings/settings_file_modelo.h"

namespace trovale::cli {

std::optional<CancaoCarregada> carregarCancao(const std::filesystem::path& arquivo,
                                              const Ambiente& ambiente,
                                              const CatalogoTipos* tipos) {
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
