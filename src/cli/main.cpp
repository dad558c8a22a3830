// trovale-cli: the chord catalogue from the command line, for scripts and quick answers.

#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <vector>

#include "base/file_saving.h"
#include "cli/chord_command.h"
#include "cli/convert_command.h"
#include "cli/fingerings_command.h"
#include "cli/identify_command.h"
#include "cli/interpret_command.h"
#include "cli/show_command.h"
#include "cli/types_command.h"
#include "settings/program_dir.h"
#ifdef TROVALE_CLI_DESENHO
#include "cli/diagram_command.h"
#include "cli/layout_command.h"
#include "cli/name_command.h"
#include "cli/render_command.h"
#endif

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
    std::cerr << "trovale-cli: saída padrão: " << trovale::kMensagemDispositivoDefeituoso << '\n';
    return trovale::cli::kSaidaCatalogo;
}

int executar(int argc, char** argv);

}  // namespace

int main(int argc, char** argv) {
    return concluirSaida(executar(argc, argv));
}

namespace {

int executar(int argc, char** argv) {
    using namespace trovale;
    using namespace trovale::cli;

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

    std::vector<Comando> comandos = {registrarTypes(app),      registrarChord(app),
                                     registrarFingerings(app), registrarIdentify(app),
                                     registrarInterpret(app),  registrarShow(app),
                                     registrarConvert(app)};
#ifdef TROVALE_CLI_DESENHO  // drawing needs the render layer of the desktop build
    comandos.insert(comandos.end(), {registrarDiagram(app), registrarName(app),
                                     registrarLayout(app), registrarRender(app)});
#endif
    for (const Comando& comando : comandos) {
        comando.subcomando->group("Subcomandos");
        comando.subcomando->get_help_ptr()->group("Opções");
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& erro) {
        return app.exit(erro) == 0 ? kSaidaOk : kSaidaArgumento;
    }

    const Ambiente ambiente{pasta.empty() ? resolverDiretorioPrograma(fontesDoAmbiente())
                                          : std::filesystem::path(pasta),
                            std::cout, std::cerr};
    for (const Comando& comando : comandos)
        if (comando.subcomando->parsed()) return comando.executar(ambiente);
    return kSaidaArgumento;
}

}  // namespace
