#include "cli/songbook_command.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

#include "base/file_saving.h"
#include "base/file_system.h"
#include "cli/catalogue_loading.h"
#include "cli/output_checks.h"
#include "cli/terminal_dialogs.h"
#include "cli/song_loading.h"
#include "cli/text_song.h"
#include "cli/usage_errors.h"
#include "document/capo.h"
#include "document/repertoire.h"
#include "document/song_key.h"
#include "document/text_interpretation.h"
#include "drawing/appearance_file.h"
#include "fonts/font_memory.h"
#include "settings/settings_file_modelo.h"

namespace trovale::cli {

namespace {

struct Opcoes {
    std::optional<std::string> titulo;
    bool manterOrdem = false;
    std::string repertorio;
    std::string saida;
    std::vector<std::string> arquivos;
};

// The evening's songs, each as the repertoire plays it: transposed, its capo set. A song that
// cannot be read is left to the book, which reports it.
struct CancoesDoRepertorio {
    std::vector<std::unique_ptr<SongDocument>> cancoes;
    PedidoCaderno pedido;
};

std::optional<CancoesDoRepertorio> cancoesDoRepertorio(const std::filesystem::path& arquivo,
                                                       const Catalogo& catalogo,
                                                       const Ambiente& ambiente) {
    const std::optional<std::string> texto = lerArquivoRegular(arquivo, kLimiteCancao);
    if (!texto) {
        ambiente.erros << mensagemNaoLido(arquivo, kLimiteCancao) << '\n';
        return std::nullopt;
    }
    const RepertorioLido lido = lerRepertorio(*texto, arquivo.parent_path());
    for (const std::string& problema : lido.problemas)
        ambiente.erros << arquivo.string() << ": " << problema << '\n';
    CancoesDoRepertorio r;
    r.pedido.manterOrdem = true;
    std::ostringstream silencio;
    const Ambiente quieto{ambiente.pasta, ambiente.saida, silencio};
    for (const EntradaRepertorio& e : lido.repertorio.entradas) {
        if (!e.valida()) continue;
        auto lida = carregarCancao(e.musica, quieto, &catalogo.tipos, &catalogo);
        if (lida) {
            SongDocument& doc = lida->cancao;
            transporCancao(doc, e.semitons, e.capotraste.value_or(capotrasteDaCancao(doc)), {},
                           catalogo, kTrastesMostradosPadrao);
            r.cancoes.push_back(std::make_unique<SongDocument>(std::move(doc)));
        }
        r.pedido.arquivos.push_back(e.musica);
        r.pedido.abertas.push_back(lida ? r.cancoes.back().get() : nullptr);
    }
    return r;
}

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
        case FimCaderno::FonteSemPdf:
            avisos.aviso(kMensagemArquivoImproprio);
            return kSaidaCatalogo;
    }
    DiskFileSystem disco;
    if (gravarArquivo(disco, saida, caderno.pdf, avisos) != ResultadoGravacao::Gravado)
        return kSaidaCatalogo;
    return caderno.recusadas.empty() ? kSaidaOk : kSaidaCadernoIncompleto;
}

int executarSongbook(const Opcoes& opcoes, MontadorCaderno montador, const Ambiente& ambiente) {
    std::vector<std::filesystem::path> entradas(opcoes.arquivos.begin(), opcoes.arquivos.end());
    if (!opcoes.repertorio.empty()) entradas.emplace_back(opcoes.repertorio);
    if (!saidaAceita(opcoes.saida, ".pdf", entradas, ambiente.erros)) return kSaidaArgumento;
    if (opcoes.repertorio.empty() == opcoes.arquivos.empty()) {
        ambiente.erros << (opcoes.arquivos.empty()
                               ? "trovale-cli: falta ARQUIVOS.\n"
                               : "trovale-cli: ARQUIVOS e --repertoire n\xC3\xA3o v\xC3\xA3o juntos.\n")
                       << kUseAjuda;
        return kSaidaArgumento;
    }
    const CatalogoCarregado carga = carregarCatalogo(ambiente.pasta, ambiente.erros);
    if (!carga.tiposOk) return kSaidaCatalogo;
    DiskFileSystem disco;
    AvisosNoTerminal avisos(ambiente.erros);
    const Aparencia aparencia = carregarAparencia(disco, ambiente.pasta);
    const Modelo modelo = carregarModelo(disco, ambiente.pasta, avisos);
    std::optional<CancoesDoRepertorio> doRepertorio;
    PedidoCaderno pedido{{}, kTituloCadernoPadrao, opcoes.manterOrdem};
    if (!opcoes.repertorio.empty()) {
        doRepertorio = cancoesDoRepertorio(opcoes.repertorio, carga.catalogo, ambiente);
        if (!doRepertorio) return kSaidaCatalogo;
        pedido = doRepertorio->pedido;
        const std::u8string nome = std::filesystem::path(opcoes.repertorio).stem().u8string();
        pedido.titulo = std::string(nome.begin(), nome.end());
    }
    if (opcoes.titulo) pedido.titulo = *opcoes.titulo;
    // Songs in text or ChordPro are read here, as the text editor would; the book reads the
    // song files itself.
    std::vector<std::unique_ptr<SongDocument>> deTexto;
    for (const std::string& a : opcoes.arquivos) {
        pedido.arquivos.emplace_back(a);
        std::optional<CancaoCarregada> lida;
        if (ehCancaoEmTexto(a))
            lida = carregarCancao(a, ambiente, &carga.catalogo.tipos, &carga.catalogo);
        if (lida) deTexto.push_back(std::make_unique<SongDocument>(std::move(lida->cancao)));
        pedido.abertas.push_back(lida ? deTexto.back().get() : nullptr);
    }
    LinhaDeAndamento linha(ambiente.erros,
                           &ambiente.erros == &std::cerr && ::isatty(STDERR_FILENO) == 1);
    const CadernoMontado caderno =
        montador.montar(pedido, {carga.catalogo.tipos, aparencia, modelo},
                      [&linha](int feitas, int total) { return linha.mostrar(feitas, total); });
    linha.fechar();
    if (caderno.fim == FimCaderno::FonteSemPdf && montador.entregaAoDesenho)
        return kSaidaPedeDesenho;
    return gravarCaderno(caderno, opcoes.saida, ambiente);
}

// Messages held back until it is sure that this executable answers, not the drawing helper.
int executarOuEntregar(const Opcoes& opcoes, MontadorCaderno montador, const Ambiente& ambiente) {
    if (!montador.entregaAoDesenho) return executarSongbook(opcoes, montador, ambiente);
    std::ostringstream erros;
    const Ambiente aqui{ambiente.pasta, ambiente.saida, erros, ambiente.capotraste};
    const int status = executarSongbook(opcoes, montador, aqui);
    if (status != kSaidaPedeDesenho) ambiente.erros << erros.str();
    return status;
}

}  // namespace

CadernoMontado cadernoSemQt(const PedidoCaderno& pedido, const RecursosCaderno& recursos,
                            const AndamentoCaderno& andamento) {
    const auto biblioteca = fontes::bibliotecaDoUsuario();
    return cadernoPeloEscritor(pedido, recursos, *biblioteca, andamento);
}

Comando registrarSongbook(CLI::App& app, MontadorCaderno montador) {
    auto opcoes = std::make_shared<Opcoes>();
    CLI::App* sub = app.add_subcommand(
        "songbook",
        "Junta músicas (.dec, .txt ou ChordPro) num caderno em PDF, com capa, índice e marcadores.");
    sub->footer(
        "Sai com 0 quando o caderno traz todas as músicas, com 3 quando ele foi gravado "
        "sem as que não puderam ser lidas (listadas na saída de erros), com 1 quando "
        "não foi gravado e com 2 quando os argumentos foram recusados.");
    sub->add_option("--title", opcoes->titulo,
                    "Título da capa (padrão \"Caderno de cifras\", ou o nome do repertório)")
        ->type_name("TEXTO");
    sub->add_option("--repertoire", opcoes->repertorio,
                    "Repertório (.rep): as músicas na sua ordem, cada uma no tom e com o "
                    "capotraste que ele pede")
        ->type_name("ARQUIVO.rep");
    sub->add_flag("--keep-order", opcoes->manterOrdem,
                  "Mantém a ordem dada (padrão: ordem alfabética dos títulos)");
    sub->add_option("OUT", opcoes->saida, "Arquivo PDF a gravar")->required()->type_name("");
    sub->add_option("ARQUIVOS", opcoes->arquivos, "Arquivos de música (.dec, .txt ou ChordPro)")
        ->type_name("");
    return {sub,
            [opcoes, montador](const Ambiente& ambiente) {
                return executarOuEntregar(*opcoes, montador, ambiente);
            }};
}

}  // namespace trovale::cli
