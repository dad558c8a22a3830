#include "cli/program.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>

#include "base/file_saving.h"
#include "cli/chord_command.h"
#include "cli/convert_command.h"
#include "cli/fingerings_command.h"
#include "cli/identify_command.h"
#include "cli/interpret_command.h"
#include "cli/show_command.h"
#include "cli/transpose_command.h"
#include "cli/types_command.h"
#include "cli/usage_errors.h"
#include "settings/program_dir.h"

namespace trovale::cli {

namespace {

void traduzirAjuda(CLI::App& app) {
    auto formato = app.get_formatter();
    formato->label("Usage", "Uso");
    formato->label("OPTIONS", "OPÇÕES");
    formato->label("SUBCOMMAND", "SUBCOMANDO");
    formato->label("SUBCOMMANDS", "SUBCOMANDOS");
    formato->label("Positionals", "Argumentos");
    // Positionals are all required; the mark would only misalign the columns.
    formato->label("REQUIRED", "");
    app.option_defaults()->group("Opções");
}

// A script must not take a full disk or a closed pipe for an answer.
int concluirSaida(int status) {
    std::cout.flush();
    if (std::cout && std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
    std::cerr << "trovale-cli: saída padrão: " << kMensagemDispositivoDefeituoso << '\n';
    return kSaidaCatalogo;
}

// Resolved only once a command runs: --version and usage mistakes answer without it.
std::filesystem::path pastaDoPrograma(const std::string& opcao, const Variante& variante) {
    if (!opcao.empty()) return opcao;
    FontesDiretorioPrograma fontes = fontesDoAmbiente();
    if (!variante.programa.empty()) fontes.executavel = variante.programa;
    return resolverCatalogoParaLeitura(fontes);
}

// The catalogue commands first, then the executable's own, as the help lists them.
std::vector<Comando> registrarComandos(CLI::App& app, const Variante& variante) {
    std::vector<Comando> comandos = {registrarTypes(app),
                                     registrarChord(app),
                                     registrarFingerings(app),
                                     registrarIdentify(app),
                                     registrarInterpret(app),
                                     registrarShow(app),
                                     registrarConvert(app, variante.conversorPdf),
                                     registrarTranspose(app),
                                     registrarPlay(app, variante.tocador)};
    if (variante.extras) {
        const std::vector<Comando> mais = variante.extras(app);
        comandos.insert(comandos.end(), mais.begin(), mais.end());
    }
    for (const Comando& comando : comandos) {
        comando.subcomando->group("Subcomandos");
        comando.subcomando->get_help_ptr()->group("Opções");
    }
    return comandos;
}

int executar(int argc, char** argv, const Variante& variante) {
    CLI::App app("Consulta o catálogo de acordes do Trovale.", "trovale-cli");
    traduzirAjuda(app);
    app.set_help_flag("-h,--help", "Mostra esta ajuda e sai");
    app.set_version_flag("--version", "trovale-cli " TROVALE_VERSION, "Mostra a versão e sai");
    std::string pasta;
    app.add_option("--dir", pasta,
                   "Pasta do catálogo (ACORDES.TIP e POSICOES.DIG); vale mais que TROVALE_DIR")
        ->type_name("PASTA");
    app.require_subcommand(1);
    app.fallthrough();

    const std::vector<Comando> comandos = registrarComandos(app, variante);
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& pedido) {
        app.exit(pedido);  // help or version
        return kSaidaOk;
    } catch (const CLI::ParseError& erro) {
        std::cerr << "trovale-cli: " << mensagemDeUso(erro) << '\n' << kUseAjuda;
        return kSaidaArgumento;
    }

    const Ambiente ambiente{pastaDoPrograma(pasta, variante), std::cout, std::cerr};
    for (const Comando& comando : comandos)
        if (comando.subcomando->parsed()) return comando.executar(ambiente);
    return kSaidaArgumento;
}

}  // namespace

int executarPrograma(int argc, char** argv, const Variante& variante) {
    return concluirSaida(executar(argc, argv, variante));
}

}  // namespace trovale::cli
