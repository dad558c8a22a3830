#include "cli/render_command.h"

#include <CLI/CLI.hpp>
#include <memory>

#include "cli/diagram_command.h"
#include "cli/option_checks.h"
#include "cli/output_checks.h"
#include "cli/sheet_building.h"
#include "render/sheet_painter.h"

namespace trovale::cli {

namespace {

// QPainter's coordinates stop at 32767 pixels, and a picture past a gigabyte is no answer.
constexpr int kMaiorLado = 32767;
constexpr long long kMaiorImagem = 1LL << 28;  // pixels: 1 GiB of 32-bit colour

bool cabeNumaImagem(const QSize& tamanho) {
    return tamanho.width() <= kMaiorLado && tamanho.height() <= kMaiorLado &&
           static_cast<long long>(tamanho.width()) * tamanho.height() <= kMaiorImagem;
}

}  // namespace

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
        ->check(inteiroEntre(24, 600));
    sub->add_option("--page", opcoes->pagina, "Só esta página (padrão: a folha inteira)")
        ->type_name("P")
        ->check(inteiroEntre(1, 100000));
    sub->add_option("ARQUIVO", opcoes->arquivo, "Arquivo de música .dec")
        ->required()
        ->type_name("");
    sub->add_option("OUT", opcoes->saida, "Arquivo PNG a gravar")->required()->type_name("");
    auto executar = [opcoes](const Ambiente& ambiente) {
        if (!saidaAceita(opcoes->saida, ".png", {opcoes->arquivo}, ambiente.erros))
            return kSaidaArgumento;
        const auto montada = montarFolha(opcoes->arquivo, opcoes->dpi, 0, ambiente);
        if (!montada) return kSaidaCatalogo;
        if (opcoes->pagina > montada->folha.PageCount) {
            ambiente.erros << "Página inexistente: " << opcoes->pagina << " (a música tem "
                           << montada->folha.PageCount << ").\n";
            return kSaidaArgumento;
        }
        const QSize tamanho = sheetImageSize(montada->folha, opcoes->pagina);
        if (!cabeNumaImagem(tamanho)) {
            ambiente.erros << opcoes->saida << ": a folha é grande demais para uma só imagem ("
                           << tamanho.width() << " × " << tamanho.height()
                           << " pixels); use --page para uma página só ou um --dpi menor.\n";
            return kSaidaArgumento;
        }
        const SheetPaint pintura{montada->cancao.cancao, montada->folha, *montada->medida,
                                 montada->aparencia};
        return gravarPng(renderSheet(pintura, opcoes->pagina), opcoes->saida, ambiente.erros);
    };
    return {sub, executar};
}

}  // namespace trovale::cli
