#include "cli/chord_command.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <nlohmann/json.hpp>
#include <vector>

#include "catalogue/chord_interpreter.h"
#include "catalogue/chord_symbol.h"
#include "cli/catalogue_loading.h"
#include "cli/text_table.h"

namespace trovale::cli {

namespace {

// One written word and what the program made of it; texts in Windows-1252.
struct Leitura {
    std::string palavra;
    InterpretacaoAcorde resultado;
};

nlohmann::ordered_json emJson(const Leitura& leitura) {
    const InterpretacaoAcorde& r = leitura.resultado;
    nlohmann::ordered_json item;
    item["input"] = utf8(leitura.palavra);
    item["isChord"] = r.ehAcorde;
    item["root"] = utf8(r.acorde.Raiz);
    item["bass"] = utf8(semMarcaVariante(r.acorde.Baixo));
    item["variant"] = r.variante;
    item["canonical"] = utf8(r.canonica);
    item["type"] = r.acorde.Tipo;
    item["typeWithBass"] = r.acorde.TipoComBaixo;
    item["key"] = utf8(r.chave);
    return item;
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
        if (opcoes->json) {
            nlohmann::ordered_json lista = nlohmann::ordered_json::array();
            for (const Leitura& l : leituras) lista.push_back(emJson(l));
            ambiente.saida << lista.dump() << '\n';
        } else {
            escreverTabela(leituras, carga.catalogo.tipos, ambiente.saida);
        }
        return kSaidaOk;
    };
    return {sub, executar};
}

}  // namespace trovale::cli
