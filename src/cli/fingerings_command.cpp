#include "cli/fingerings_command.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <vector>

#include "catalogue/frets_notation.h"
#include "catalogue/notes.h"
#include "cli/catalogue_loading.h"
#include "cli/json_writer.h"
#include "cli/text_table.h"

namespace trovale::cli {

namespace {

struct Opcoes {
    bool json = false;
    std::string raiz;
    std::string tipo;
};

struct Linha {
    int posicao = 0;
    int ordinal = 0;
    std::string trastes;
    int casa = 0;
};

std::optional<int> lerNumeroTipo(const std::string& texto) {
    if (texto.empty() || texto.size() > 3) return std::nullopt;
    int numero = 0;
    for (char c : texto) {
        if (c < '0' || c > '9') return std::nullopt;
        numero = numero * 10 + (c - '0');
    }
    if (!CatalogoTipos::numeroValido(numero)) return std::nullopt;
    return numero;
}

// The run of fingerings filed under (nota, tipo), in catalogue order.
std::vector<Linha> digitacoesDe(const BancoDigitacoes& banco, int nota, int tipo) {
    std::vector<Linha> linhas;
    const int primeira = banco.PrimeiraDigitacao(nota, tipo);
    const int quantas = banco.tamanhoDaSequencia(primeira);
    for (int i = 0; i < quantas; ++i) {
        const TDigitacao d = Decodificar(banco.Digitacoes[primeira - 1 + i]);
        linhas.push_back({primeira + i, i + 1, escreverTrastes(trastesDe(d)), d.Casa});
    }
    return linhas;
}

void escreverJson(const std::vector<Linha>& linhas, std::ostream& saida) {
    EscritorJson json(saida);
    json.abrirLista();
    for (const Linha& l : linhas) {
        json.abrirObjeto();
        json.campo("position", l.posicao);
        json.campo("ordinal", l.ordinal);
        json.campo("frets", l.trastes);
        json.campo("casa", l.casa);
        json.fecharObjeto();
    }
    json.fecharLista();
    json.terminar();
}

std::string descricaoTipo(const CatalogoTipos& tipos, int numero) {
    return tipos.tipo(numero).Nome + " (tipo " + std::to_string(numero) + ")";
}

void escreverTabela(const std::vector<Linha>& linhas, const CatalogoTipos& tipos,
                    const std::string& raiz, int tipo, int arquivado, std::ostream& saida) {
    saida << utf8(raiz + " " + descricaoTipo(tipos, tipo)) << '\n';
    if (arquivado != tipo)
        saida << utf8(w1252("Digitações do tipo equivalente ") + descricaoTipo(tipos, arquivado))
              << '\n';
    if (linhas.empty()) {
        saida << utf8(w1252("Nenhuma digitação catalogada.")) << '\n';
        return;
    }
    using enum Alinhamento;
    TabelaTexto tabela({Direita, Direita, Direita, Esquerda});
    tabela.linha({w1252("Posição"), w1252("Nº"), "Casa", "Trastes"});
    for (const Linha& l : linhas)
        tabela.linha({std::to_string(l.posicao), std::to_string(l.ordinal), std::to_string(l.casa),
                      l.trastes});
    tabela.escrever(saida);
}

int executar(const Opcoes& opcoes, const Ambiente& ambiente) {
    const std::string raiz = w1252(opcoes.raiz);
    const int nota = notaDaGrafia(raiz);
    if (nota == 0) {
        ambiente.erros << "Nota inválida: \"" << utf8(raiz)
                       << "\". Escreva a raiz como A, A#, Bb, B, C, C#, Db, D, D#, Eb, E, F, F#, "
                          "Gb, G, G# ou Ab.\n";
        return kSaidaArgumento;
    }
    const std::optional<int> tipo = lerNumeroTipo(opcoes.tipo);
    if (!tipo) {
        ambiente.erros << "Tipo de acorde inválido: \"" << utf8(w1252(opcoes.tipo))
                       << "\". Indique o número do tipo, de 1 a 100.\n";
        return kSaidaArgumento;
    }
    const CatalogoCarregado carga = carregarCatalogo(ambiente.pasta, ambiente.erros);
    if (!carga.tiposOk) return kSaidaCatalogo;
    const Catalogo& catalogo = carga.catalogo;
    if (!catalogo.tipos.existe(*tipo)) {
        ambiente.erros << "Tipo de acorde " << *tipo << " não existe no catálogo.\n";
        return kSaidaArgumento;
    }
    if (!carga.digitacoesOk) return kSaidaCatalogo;
    const int arquivado = catalogo.TipoComDigitacoes(nota, *tipo);
    const std::vector<Linha> linhas = digitacoesDe(catalogo.digitacoes, nota, arquivado);
    if (opcoes.json)
        escreverJson(linhas, ambiente.saida);
    else
        escreverTabela(linhas, catalogo.tipos, raiz, *tipo, arquivado, ambiente.saida);
    return kSaidaOk;
}

}  // namespace

Comando registrarFingerings(CLI::App& app) {
    auto opcoes = std::make_shared<Opcoes>();
    CLI::App* sub = app.add_subcommand(
        "fingerings", "Lista as digitações catalogadas de uma raiz e um tipo de acorde.");
    sub->add_flag("--json", opcoes->json, "Saída em JSON, numa linha");
    sub->add_option("ROOT", opcoes->raiz, "Raiz do acorde: C, F#, Bb ...")
        ->required()
        ->type_name("");
    sub->add_option("TYPE", opcoes->tipo, "Número do tipo de acorde (veja o comando types)")
        ->required()
        ->type_name("");
    return {sub, [opcoes](const Ambiente& ambiente) { return executar(*opcoes, ambiente); }};
}

}  // namespace trovale::cli
