#include "cli/transpose_command.h"

#include <CLI/CLI.hpp>
#include <memory>

#include "catalogue/frets_notation.h"
#include "cli/catalogue_loading.h"
#include "cli/json_writer.h"
#include "cli/option_checks.h"
#include "cli/output_checks.h"
#include "cli/song_loading.h"
#include "cli/terminal_dialogs.h"
#include "cli/text_table.h"
#include "cli/usage_errors.h"
#include "document/capo.h"
#include "document/song_key.h"
#include "document/song_file.h"
#include "document/text_interpretation.h"

namespace trovale::cli {

namespace {

constexpr int kMaiorDeslocamento = 11;

struct Opcoes {
    std::optional<int> deslocamento;  // of the sound
    std::optional<int> capo;          // where the capo goes; the shapes make up the rest
    bool similar = false;
    bool json = false;
    std::string entrada;
    std::string saida;
};

void escreverJson(const std::vector<LinhaTransposicao>& linhas, std::ostream& saida) {
    EscritorJson json(saida);
    json.abrirLista();
    for (const LinhaTransposicao& l : linhas) {
        json.abrirObjeto();
        json.campo("from", utf8(displaySymbol(l.simbolo)));
        json.campo("to", utf8(l.novoSimbolo));
        json.campo("fingering", l.novaDigitacao);
        json.fecharObjeto();
    }
    json.fecharLista();
    json.terminar();
}

// The frets of a fingering code ("x 5 4 2 3 2"), "-" when there is none.
std::string trastesDoCodigo(const std::string& codigo) {
    const auto g = digitacaoDoTexto(codigo);
    return g ? escreverTrastes(trastesDe(Decodificar(*g))) : "-";
}

void escreverTexto(const std::vector<LinhaTransposicao>& linhas, std::ostream& saida) {
    using enum Alinhamento;
    TabelaTexto tabela({Esquerda, Esquerda, Esquerda});
    tabela.linha({"Cifra", "Nova cifra", w1252("Digitação")});
    for (const LinhaTransposicao& l : linhas)
        tabela.linha({displaySymbol(l.simbolo), l.novoSimbolo, trastesDoCodigo(l.novaDigitacao)});
    tabela.escrever(saida);
}

int transpor(const Opcoes& opcoes, const Ambiente& ambiente) {
    if (!saidaAceita(opcoes.saida, ".dec", {opcoes.entrada}, ambiente.erros))
        return kSaidaArgumento;
    const CatalogoCarregado carga = carregarCatalogo(ambiente.pasta, ambiente.erros);
    if (!carga.tiposOk) return kSaidaCatalogo;
    auto carregada = carregarCancao(opcoes.entrada, ambiente, &carga.catalogo.tipos);
    if (!carregada) return kSaidaCatalogo;

    SongDocument& cancao = carregada->cancao;
    const int capoNovo = opcoes.capo.value_or(capotrasteDaCancao(cancao));
    const std::vector<LinhaTransposicao> linhas =
        transporCancao(cancao, opcoes.deslocamento.value_or(0), capoNovo, {opcoes.similar, false},
                       carga.catalogo, kTrastesMostradosPadrao);

    AvisosNoTerminal avisos(ambiente.erros, opcoes.saida);
    // An empty song is not written (SaveSong says so); a script must not take that for success.
    if (SaveSong(cancao, opcoes.saida, avisos) != 0 || cancao.Lines.empty()) return kSaidaCatalogo;
    if (opcoes.json) {
        escreverJson(linhas, ambiente.saida);
        return kSaidaOk;
    }
    if (opcoes.capo)
        ambiente.saida << utf8(capoNovo ? linhaDoCapotraste(capoNovo) : "Sem capotraste") << '\n';
    escreverTexto(linhas, ambiente.saida);
    return kSaidaOk;
}

}  // namespace

Comando registrarTranspose(CLI::App& app) {
    auto opcoes = std::make_shared<Opcoes>();
    CLI::App* sub = app.add_subcommand(
        "transpose",
        "Transpõe uma música (.dec) como \"Transpor - Mudar tom\": cifras e digitações novas.");
    sub->add_option("--by", opcoes->deslocamento, "Semitons do som, de -11 a 11")
        ->type_name("N")
        ->check(inteiroEntre(-kMaiorDeslocamento, kMaiorDeslocamento));
    sub->add_option("--capo", opcoes->capo,
                    "Capotraste na casa N (0 a 11): as formas mudam só o que falta para o novo tom")
        ->type_name("N")
        ->check(inteiroEntre(0, kMaxCapotraste));
    sub->add_flag("--similar", opcoes->similar,
                  "Digitações novas por similaridade (padrão: simplicidade)");
    sub->add_flag("--json", opcoes->json, "Saída em JSON, numa linha");
    sub->add_option("ENTRADA", opcoes->entrada, "Música lida (.dec)")->required()->type_name("");
    sub->add_option("SAIDA", opcoes->saida, "Música gravada (.dec)")->required()->type_name("");
    auto executar = [opcoes](const Ambiente& ambiente) {
        if (!opcoes->deslocamento && !opcoes->capo) {
            ambiente.erros << "trovale-cli: falta --by ou --capo.\n" << kUseAjuda;
            return kSaidaArgumento;
        }
        return transpor(*opcoes, ambiente);
    };
    return {sub, executar};
}

}  // namespace trovale::cli
