#include "cli/songbook_command.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "base/file_saving.h"
#include "base/file_system.h"
#include "cli/catalogue_loading.h"
#include "cli/diagram_command.h"
#include "cli/output_checks.h"
#include "cli/terminal_dialogs.h"
#include "drawing/appearance_file.h"
#include "render/songbook.h"
#include "settings/settings_file_modelo.h"

namespace trovale::cli {

namespace {

struct Opcoes {
    std::string titulo = kTituloCadernoPadrao;
    bool manterOrdem = false;
    std::string saida;
    std::vector<std::string> arquivos;
};

// On a terminal the line is rewritten in place; in a log each step is a line of its own.
class LinhaDeAndamento {
  public:
    LinhaDeAndamento(std::ostream& erros, bool terminal) : erros_(erros), terminal_(terminal) {}

    bool mostrar(int feitas, int total) {
        erros_ << (terminal_ ? "\r" : "") << "Caderno: " << feitas << '/' << total;
        aberta_ = terminal_ && feitas < total;
        if (!aberta_) erros_ << '\n';
        erros_ << std::flush;
        return true;
    }
    // Messages after it start on a line of their own.
    void fechar() {
        if (aberta_) erros_ << '\n';
        aberta_ = false;
    }

  private:
    std::ostream& erros_;
    bool terminal_;
    bool aberta_ = false;
};

int gravarCaderno(const CadernoMontado& caderno, const std::string& saida,
                  const Ambiente& ambiente) {
    for (const MusicaRecusada& r : caderno.recusadas)
        ambiente.erros << r.arquivo.string() << ": " << r.mensagem << '\n';
    AvisosNoTerminal avisos(ambiente.erros, saida);
    switch (caderno.fim) {
        case FimCaderno::Montado:
            break;
        case FimCaderno::NenhumaMusica:
            ambiente.erros << "Nenhuma música pôde ser lida; o caderno não foi gravado.\n";
            return kSaidaCatalogo;
        case FimCaderno::Cancelado:
        case FimCaderno::FalhaPdf:
            avisos.aviso(kMensagemArquivoImproprio);
            return kSaidaCatalogo;
    }
    DiskFileSystem disco;
    if (gravarArquivo(disco, saida, caderno.pdf, avisos) != ResultadoGravacao::Gravado)
        return kSaidaCatalogo;
    return caderno.recusadas.empty() ? kSaidaOk : kSaidaCadernoIncompleto;
}

int executarSongbook(const Opcoes& opcoes, const Ambiente& ambiente) {
    const std::vector<std::filesystem::path> entradas(opcoes.arquivos.begin(),
                                                      opcoes.arquivos.end());
    if (!saidaAceita(opcoes.saida, ".pdf", entradas, ambiente.erros)) return kSaidaArgumento;
    const CatalogoCarregado carga = carregarCatalogo(ambiente.pasta, ambiente.erros);
    if (!carga.tiposOk) return kSaidaCatalogo;
    const auto aplicacao = aplicacaoParaDesenho();
    DiskFileSystem disco;
    AvisosNoTerminal avisos(ambiente.erros);
    const Aparencia aparencia = carregarAparencia(disco, ambiente.pasta);
    const Modelo modelo = carregarModelo(disco, ambiente.pasta, avisos);
    PedidoCaderno pedido{{}, opcoes.titulo, opcoes.manterOrdem};
    for (const std::string& a : opcoes.arquivos) pedido.arquivos.emplace_back(a);
    LinhaDeAndamento linha(ambiente.erros,
                           &ambiente.erros == &std::cerr && ::isatty(STDERR_FILENO) == 1);
    const CadernoMontado caderno =
        montarCaderno(pedido, {carga.catalogo.tipos, aparencia, modelo},
                      [&linha](int feitas, int total) { return linha.mostrar(feitas, total); });
    linha.fechar();
    return gravarCaderno(caderno, opcoes.saida, ambiente);
}

}  // namespace

Comando registrarSongbook(CLI::App& app) {
    auto opcoes = std::make_shared<Opcoes>();
    CLI::App* sub = app.add_subcommand(
        "songbook", "Junta músicas (.dec) num caderno em PDF, com capa, índice e marcadores.");
    sub->footer(
        "Sai com 0 quando o caderno traz todas as músicas, com 3 quando ele foi gravado "
        "sem as que não puderam ser lidas (listadas na saída de erros), com 1 quando "
        "não foi gravado e com 2 quando os argumentos foram recusados.");
    sub->add_option("--title", opcoes->titulo, "Título da capa (padrão \"Caderno de cifras\")")
        ->type_name("TEXTO");
    sub->add_flag("--keep-order", opcoes->manterOrdem,
                  "Mantém a ordem dada (padrão: ordem alfabética dos títulos)");
    sub->add_option("OUT", opcoes->saida, "Arquivo PDF a gravar")->required()->type_name("");
    sub->add_option("ARQUIVOS", opcoes->arquivos, "Arquivos de música .dec")
        ->required()
        ->type_name("");
    return {sub,
            [opcoes](const Ambiente& ambiente) { return executarSongbook(*opcoes, ambiente); }};
}

}  // namespace trovale::cli
