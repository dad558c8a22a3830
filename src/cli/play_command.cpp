#include "cli/play_command.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <vector>

#include "catalogue/fingering_from_frets.h"
#include "catalogue/frets_notation.h"
#include "cli/output_checks.h"

namespace trovale::cli {

namespace {

// The frets, as one argument or the six tokens unquoted.
std::string juntar(const std::vector<std::string>& partes) {
    std::string texto;
    for (const std::string& parte : partes) texto += (texto.empty() ? "" : " ") + parte;
    return texto;
}

}  // namespace

Comando registrarPlay(CLI::App& app, TocadorDigitacao tocador) {
    auto opcoes = std::make_shared<OpcoesPlay>();
    auto trastes = std::make_shared<std::vector<std::string>>();
    CLI::App* sub = app.add_subcommand(
        "play", "Toca uma digitação (trastes da 6ª à 1ª corda) no dispositivo MIDI escolhido.");
    sub->add_option("--wav", opcoes->wav, "Grava o som num arquivo WAV em vez de tocá-lo")
        ->type_name("ARQUIVO");
    sub->add_flag("--no-bass-delay", opcoes->semAtrasoBaixo,
                  "Todas as cordas de uma vez, sem destacar o baixo");
    sub->add_option("FRETS", *trastes, "Trastes da corda 6 à 1, como \"x 0 2 2 1 0\" ou x02210")
        ->required()
        ->type_name("");
    auto executar = [opcoes, trastes, tocador](const Ambiente& ambiente) {
        if (!opcoes->wav.empty() && !saidaAceita(opcoes->wav, ".wav", {}, ambiente.erros))
            return kSaidaArgumento;
        const std::string texto = juntar(*trastes);
        const auto lidos = lerTrastes(texto);
        if (!lidos) {
            ambiente.erros << "Trastes inválidos: \"" << texto
                           << "\" (seis valores da corda 6 à 1: x, 0 ou a casa).\n";
            return kSaidaArgumento;
        }
        const std::optional<TDigitacao> digitacao = digitacaoDeTrastes(*lidos);
        if (!digitacao) {
            ambiente.erros << "Digitação impossível de montar: \"" << texto << "\".\n";
            return kSaidaArgumento;
        }
        if (!tocador) {
            ambiente.erros << "trovale-cli: o som não foi instalado com este programa.\n";
            return kSaidaCatalogo;
        }
        return tocador(*digitacao, *opcoes, ambiente);
    };
    return {sub, executar};
}

}  // namespace trovale::cli
