#include "cli/chord_command.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <vector>

#include "catalogue/chord_interpreter.h"
#include "catalogue/chord_symbol.h"
#include "cli/catalogue_loading.h"
#include "cli/json_writer.h"
#include "cli/text_table.h"

namespace trovale::cli {

namespace {

// One written word and what the program made of it; texts in Windows-1252.
struct Leitura {
    std::string palavra;
    InterpretacaoAcorde resultado;
};

void escreverJson(const std::vector<Leitura>& leituras, std::ostream& saida) {
    EscritorJson json(saida);
    json.abrirLista();
    for (const Leitura& leitura : leituras) {
        const InterpretacaoAcorde& r = leitura.resultado;
        json.abrirObjeto();
        json.campo("input", utf8(leitura.palavra));
        json.campo("isChord", r.ehAcorde);
        json.campo("root", utf8(r.acorde.Raiz));
        json.campo("bass", utf8(semMarcaVariante(r.acorde.Baixo)));
        json.campo("variant", r.variante);
        json.campo("canonical", utf8(r.canonica));
        json.campo("type", r.acorde.Tipo);
        json.campo("typeWithBass", r.acorde.TipoComBaixo);
        json.campo("key", utf8(r.chave));
        json.fecharObjeto();
    }
    json.fecharLista();
    json.terminar();
}

std::string numeroOuTraco(int numero) {
    return numero == 0 ? "-" : std::to_string(numero);
}

void escreverTabela(const std::vector<Leitura>& leituras, const CatalogoTipos& tipos,
                    std::ostream& saida) {
    using enum Alinhamento;
    TabelaTexto tabela(
        {Esquerda, Esquerda, Esquerda, Esquerda, Direita, Direita, Direita, Esquerda, Esquerda});
    tabela.linha({"Cifra", "Acorde", "Raiz", "Baixo", "Variante", "Tipo", "Com baixo",
                  w1252("Canônica"), "Nome do tipo"});
    for (const Leitura& l : leituras) {
        const InterpretacaoAcorde& r = l.resultado;
        const int tipo = r.acorde.Tipo;
        tabela.linha({l.palavra, r.ehAcorde ? "sim" : w1252("não"), r.acorde.Raiz,
                      semMarcaVariante(r.acorde.Baixo), std::to_string(r.variante),
                      numeroOuTraco(tipo), numeroOuTraco(r.acorde.TipoComBaixo), r.canonica,
                      tipos.existe(tipo) ? tipos.tipo(tipo).Nome : std::string()});
    }
    tabela.escrever(saida);
}

}  // namespace

Comando registrarChord(CLI::App& app) {
    struct Opcoes {
        bool json = false;
        std::vector<std::string> simbolos;
    };
    auto opcoes = std::make_shared<Opcoes>();
    CLI::App* sub = app.add_subcommand(
        "chord", "Interpreta cifras escritas (raiz, baixo, tipo de acorde, variante).");
    sub->add_flag("--json", opcoes->json, "Saída em JSON, numa linha");
    sub->add_option("SYMBOL", opcoes->simbolos, "Cifras a interpretar, como C7(9) ou Bb/D")
        ->required()
        ->type_name("");
    auto executar = [opcoes](const Ambiente& ambiente) {
        const CatalogoCarregado carga = carregarCatalogo(ambiente.pasta, ambiente.erros);
        if (!carga.tiposOk) return kSaidaCatalogo;
        std::vector<Leitura> leituras;
        for (const std::string& simbolo : opcoes->simbolos) {
            std::string palavra = w1252(simbolo);
            InterpretacaoAcorde resultado = InterpretarAcorde(carga.catalogo.tipos, palavra);
            leituras.push_back({std::move(palavra), std::move(resultado)});
        }
        if (opcoes->json)
            escreverJson(leituras, ambiente.saida);
        else
            escreverTabela(leituras, carga.catalogo.tipos, ambiente.saida);
        return kSaidaOk;
    };
    return {sub, executar};
}

}  // namespace trovale::cli
