#include "cli/play_command.h"

#include <CLI/CLI.hpp>
#include <chrono>
#include <memory>
#include <optional>
#include <thread>

#include "base/file_saving.h"
#include "base/file_system.h"
#include "catalogue/fingering_from_frets.h"
#include "catalogue/frets_notation.h"
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

struct OpcoesPlay {
    std::string wav;
    bool semAtrasoBaixo = false;
    std::vector<std::string> trastes;  // one argument, or the six tokens unquoted
};

std::string juntar(const std::vector<std::string>& partes) {
    std::string texto;
    for (const std::string& parte : partes) texto += (texto.empty() ? "" : " ") + parte;
    return texto;
}

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

Comando registrarPlay(CLI::App& app) {
    auto opcoes = std::make_shared<OpcoesPlay>();
    CLI::App* sub = app.add_subcommand(
        "play", "Toca uma digitação (trastes da 6ª à 1ª corda) no dispositivo MIDI escolhido.");
    sub->add_option("--wav", opcoes->wav, "Grava o som num arquivo WAV em vez de tocá-lo")
        ->type_name("ARQUIVO");
    sub->add_flag("--no-bass-delay", opcoes->semAtrasoBaixo,
                  "Todas as cordas de uma vez, sem destacar o baixo");
    sub->add_option("FRETS", opcoes->trastes,
                    "Trastes da corda 6 à 1, como \"x 0 2 2 1 0\" ou x02210")
        ->required()
        ->type_name("");
    auto executar = [opcoes](const Ambiente& ambiente) {
        const std::string texto = juntar(opcoes->trastes);
        const auto trastes = lerTrastes(texto);
        if (!trastes) {
            ambiente.erros << "Trastes inválidos: \"" << texto
                           << "\" (seis valores da corda 6 à 1: x, 0 ou a casa).\n";
            return kSaidaArgumento;
        }
        const std::optional<TDigitacao> digitacao = digitacaoDeTrastes(*trastes);
        if (!digitacao) {
            ambiente.erros << "Digitação impossível de montar: \"" << texto << "\".\n";
            return kSaidaArgumento;
        }
        return opcoes->wav.empty() ? tocar(*digitacao, *opcoes, ambiente)
                                   : gravarWav(*digitacao, *opcoes, ambiente);
    };
    return {sub, executar};
}

}  // namespace trovale::cli
