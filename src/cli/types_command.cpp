#include "cli/types_command.h"

#include <CLI/CLI.hpp>
#include <memory>

#include "catalogue/intervals.h"
#include "catalogue/symbol_elements.h"
#include "cli/catalogue_loading.h"
#include "cli/json_writer.h"
#include "cli/text_table.h"

namespace trovale::cli {

namespace {

std::vector<int> codigosIntervalos(const TTipoAcorde& tipo) {
    std::vector<int> codigos;
    for (std::uint8_t codigo : tipo.Intervalos) {
        if (codigo == 0) break;
        codigos.push_back(codigo);
    }
    return codigos;
}

void escreverJson(const CatalogoTipos& tipos, std::ostream& saida) {
    EscritorJson json(saida);
    json.abrirLista();
    for (int numero : tipos.OrdemTipos) {
        if (numero == 0) continue;
        const TTipoAcorde& tipo = tipos.tipo(numero);
        json.abrirObjeto();
        json.campo("number", numero);
        json.campo("name", utf8(tipo.Nome));
        json.chave("intervals");
        json.abrirLista();
        for (int codigo : codigosIntervalos(tipo)) json.valor(codigo);
        json.fecharLista();
        json.campo("standard", utf8(CifraLinearDe(tipo.CifraPadrao)));
        json.campo("optional", utf8(CifraLinearDe(tipo.CifraOpcional)));
        json.campo("canonical", utf8(tipos.CifraLinear[numero]));
        json.campo("basic", numero <= kTiposBasicos);
        json.fecharObjeto();
    }
    json.fecharLista();
    json.terminar();
}

std::string nomesIntervalos(const TTipoAcorde& tipo) {
    std::string nomes;
    for (int codigo : codigosIntervalos(tipo)) {
        if (!nomes.empty()) nomes += ' ';
        nomes += TabelaIntervalos[codigo].nome;
    }
    return nomes;
}

void escreverTabela(const CatalogoTipos& tipos, std::ostream& saida) {
    using enum Alinhamento;
    TabelaTexto tabela({Direita, Esquerda, Esquerda, Esquerda, Esquerda});
    tabela.linha({w1252("Nº"), "Nome", "Intervalos", w1252("Cifra padrão"), "Cifra opcional"});
    for (std::size_t k = 0; k < tipos.OrdemTipos.size(); ++k) {
        const int numero = tipos.OrdemTipos[k];
        if (numero == 0) {
            tabela.linha({"", tipos.Legendas[k]});
            continue;
        }
        const TTipoAcorde& tipo = tipos.tipo(numero);
        tabela.linha({std::to_string(numero), tipo.Nome, nomesIntervalos(tipo),
                      CifraLinearDe(tipo.CifraPadrao), CifraLinearDe(tipo.CifraOpcional)});
    }
    tabela.escrever(saida);
}

}  // namespace

Comando registrarTypes(CLI::App& app) {
    auto json = std::make_shared<bool>(false);
    CLI::App* sub = app.add_subcommand(
        "types", "Lista os tipos de acorde na ordem de apresentação, com os separadores.");
    sub->add_flag("--json", *json, "Saída em JSON, numa linha");
    auto executar = [json](const Ambiente& ambiente) {
        const CatalogoCarregado carga = carregarCatalogo(ambiente.pasta, ambiente.erros);
        if (!carga.tiposOk) return kSaidaCatalogo;
        if (*json)
            escreverJson(carga.catalogo.tipos, ambiente.saida);
        else
            escreverTabela(carga.catalogo.tipos, ambiente.saida);
        return kSaidaOk;
    };
    return {sub, executar};
}

}  // namespace trovale::cli
