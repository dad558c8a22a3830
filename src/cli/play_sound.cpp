#include "cli/play_sound.h"

#include <chrono>
#include <optional>
#include <thread>

#include "base/file_saving.h"
#include "base/file_system.h"
#include "cli/terminal_dialogs.h"
#include "settings/midi_settings_file.h"
#include "sound/builtin_synth.h"
#include "sound/chord_player.h"
#include "sound/midi_choices.h"
#include "sound/midi_output.h"
#include "sound/system_midi.h"
#include "sound/thread_agenda.h"
#include "sound/wav_render.h"

namespace trovale::cli {

namespace {

// Without MIDISOM.INI, or with an instrument it cannot name, the nylon guitar plays.
EscolhaMidi escolhaDoArquivo(const std::filesystem::path& pasta,
                             const std::vector<std::string>& entradas) {
    DiskFileSystem disco;
    const std::optional<ConfiguracaoMidi> salva = lerMidi(disco, pasta);
    return escolhaSalva(salva.value_or(ConfiguracaoMidi{}), entradas,
                        sugestaoDoPrograma(kProgramaViolaoNylon));
}

int gravarWav(const TDigitacao& digitacao, const OpcoesPlay& opcoes, const Ambiente& ambiente) {
    const int programa = escolhaDoArquivo(ambiente.pasta, {}).programa;
    const auto fonte = fonteSonoraGM();
    const std::optional<std::string> wav =
        fonte ? acordeEmWav(digitacao, {programa, !opcoes.semAtrasoBaixo, 2}, *fonte)
              : std::nullopt;
    if (!wav) {
        ambiente.erros << "Nenhuma fonte de sons General MIDI em " << kPastaFontesSonoras << ".\n";
        return kSaidaCatalogo;
    }
    DiskFileSystem disco;
    AvisosNoTerminal avisos(ambiente.erros, opcoes.wav);
    return gravarArquivo(disco, opcoes.wav, *wav, avisos) == ResultadoGravacao::Gravado
               ? kSaidaOk
               : kSaidaCatalogo;
}

int tocar(const TDigitacao& digitacao, const OpcoesPlay& opcoes, const Ambiente& ambiente) {
    SistemaMidiPadrao sistema;
    SaidaMidi saida(sistema);
    const EscolhaMidi escolha = escolhaDoArquivo(ambiente.pasta, saida.entradas());
    AvisosNoTerminal avisos(ambiente.erros);
    AgendaEmThread agenda;
    AcordeMidi acorde(saida, agenda, avisos);
    acorde.EscolherDispositivo(escolha.entrada - 1);
    acorde.definirPrograma(escolha.programa);
    acorde.destacarBaixo(!opcoes.semAtrasoBaixo);
    if (!acorde.TocarAcorde(digitacao)) return kSaidaCatalogo;
    // As if the button were let go at once: the chord's own timer ends it.
    acorde.LiberarAcorde();
    while (acorde.soando()) std::this_thread::sleep_for(kIntervaloTemporizador);
    return kSaidaOk;
}

}  // namespace

int tocarDigitacao(const TDigitacao& digitacao, const OpcoesPlay& opcoes,
                   const Ambiente& ambiente) {
    return opcoes.wav.empty() ? tocar(digitacao, opcoes, ambiente)
                              : gravarWav(digitacao, opcoes, ambiente);
}

}  // namespace trovale::cli
