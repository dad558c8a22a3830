#include "cli/render_command.h"

#include <CLI/CLI.hpp>
#include <memory>

#include "cli/diagram_command.h"
#include "cli/sheet_building.h"
#include "render/sheet_painter.h"

namespace trovale::cli {

Comando registrarRender(CLI::App& app) {
    struct Opcoes {
        int dpi = 96;
        int pagina = 0;
        std::string arquivo;
        std::string saida;
    };
    auto opcoes = std::make_shared<Opcoes>();
    CLI::App* sub =
        app.add_subcommand("render", "Desenha uma música (.dec) como a janela a mostra, num PNG.");
    sub->add_option("--dpi", opcoes->dpi, "Pontos por polegada da tela (padrão 96)")
        ->type_name("N")
        ->check(CLI::Range(24, 600));
    sub->add_option("--page", opcoes->pagina, "Só esta página (padrão: a folha inteira)")
        ->type_name("P")
        ->check(CLI::Range(1, 100000));
    sub->add_option("ARQUIVO", opcoes->arquivo, "Arquivo de música .dec")
        ->required()
        ->type_name("");
    sub->add_option("OUT", opcoes->saida, "Arquivo PNG a gravar")->required()->type_name("");
    auto executar = [opcoes](const Ambiente& ambiente) {
        const auto montada = montarFolha(opcoes->arquivo, opcoes->dpi, 0, ambiente);
        if (!montada) return kSaidaCatalogo;
        if (opcoes->pagina > montada->folha.PageCount) {
            ambiente.erros << "Página inexistente: " << opcoes->pagina << " (a música tem "
                           << montada->folha.PageCount << ").\n";
            return kSaidaArgumento;
        }
        const SheetPaint pintura{montada->cancao.cancao, montada->folha, *montada->medida,
                                 montada->aparencia};
        return gravarPng(renderSheet(pintura, opcoes->pagina), opcoes->saida, ambiente.erros);
    };
    return {sub, executar};
}

}  // namespace trovale::cli
