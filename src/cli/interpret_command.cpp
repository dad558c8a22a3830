#include "cli/interpret_command.h"

#include <CLI/CLI.hpp>
#include <memory>

#include "catalogue/frets_notation.h"
#include "cli/catalogue_loading.h"
#include "cli/json_writer.h"
#include "cli/option_checks.h"
#include "cli/terminal_dialogs.h"
#include "cli/text_table.h"
#include "document/text_conversion.h"
#include "document/text_interpretation.h"

namespace trovale::cli {

namespace {

struct Interpretado {
    InterpretacaoTexto resultado;
    AcordesConhecidos conhecidos;
};

const std::string& digitacaoDe(const Interpretado& i, const AcordeEncontrado& acorde) {
    return i.conhecidos.tabela().Fingerings[static_cast<std::size_t>(acorde.acorde.IndiceAcorde)];
}

void escreverJson(const Interpretado& i, std::ostream& saida) {
    const InterpretacaoTexto& r = i.resultado;
    EscritorJson json(saida);
    json.abrirObjeto();
    json.chave("lines");
    json.abrirLista();
    for (std::size_t k = 0; k < r.linhas.size(); ++k) {
        json.abrirObjeto();
        json.campo("kind", r.TipoLinha[k]);
        json.campo("chordLine", static_cast<bool>(r.LinhaDeAcordes[k]));
        json.campo("text", utf8(r.linhas[k]));
        json.fecharObjeto();
    }
    json.fecharLista();
    json.chave("chords");
    json.abrirLista();
    for (const AcordeEncontrado& a : r.AcordesEncontrados) {
        json.abrirObjeto();
        json.campo("symbol", utf8(a.chave));
        json.campo("type", a.acorde.Tipo);
        json.campo("typeWithBass", a.acorde.TipoComBaixo);
        json.campo("fingering", digitacaoDe(i, a));
        json.fecharObjeto();
    }
    json.fecharLista();
    json.fecharObjeto();
    json.terminar();
}

std::string nomeDoTipo(int tipo, bool acordes) {
    if (acordes) return "Cifras";
    switch (tipo) {
        case kTextoTitulo:
            return w1252("Título");
        case kTextoAutor:
            return "Autor";
        case kTextoRefrao:
            return w1252("Refrão");
        case kTextoCoro:
            return "Coro";
        case kTextoObservacao:
            return "Observ.";
        default:
            return "Normal";
    }
}

// The frets of a fingering text ("x 3 2 0 1 0"), "-" when there is none.
std::string trastesDoTexto(const std::string& texto) {
    const auto g = digitacaoDoTexto(texto);
    return g ? escreverTrastes(trastesDe(Decodificar(*g))) : "-";
}

void escreverTexto(const Interpretado& i, std::ostream& saida) {
    const InterpretacaoTexto& r = i.resultado;
    for (std::size_t k = 0; k < r.linhas.size(); ++k) {
        std::string rotulo = nomeDoTipo(r.TipoLinha[k], r.LinhaDeAcordes[k]);
        rotulo.resize(9, ' ');
        rotulo += r.linhas[k];
        saida << utf8(rotulo.substr(0, rotulo.find_last_not_of(' ') + 1)) << '\n';
    }
    if (r.AcordesEncontrados.empty()) return;
    saida << '\n';
    using enum Alinhamento;
    TabelaTexto tabela({Esquerda, Direita, Direita, Esquerda});
    tabela.linha({"Cifra", "Tipo", "Com baixo", w1252("Digitação")});
    for (const AcordeEncontrado& a : r.AcordesEncontrados)
        tabela.linha({a.chave, std::to_string(a.acorde.Tipo), std::to_string(a.acorde.TipoComBaixo),
                      trastesDoTexto(digitacaoDe(i, a))});
    tabela.escrever(saida);
}

}  // namespace

Comando registrarInterpret(CLI::App& app) {
    struct Opcoes {
        bool json = false;
        int casas = kTrastesMostradosPadrao;
        std::string arquivo;
    };
    auto opcoes = std::make_shared<Opcoes>();
    CLI::App* sub = app.add_subcommand(
        "interpret",
        "Interpreta um texto (.txt) como o editor de texto: linhas, cifras, digitações.");
    sub->add_flag("--json", opcoes->json, "Saída em JSON, numa linha");
    sub->add_option("--casas", opcoes->casas, "Casas mostradas nos diagramas (4 ou 5)")
        ->check(inteiroEntre({4, 5}))
        ->type_name("N");
    sub->add_option("FILE", opcoes->arquivo, "Arquivo de texto")->required()->type_name("");
    auto executar = [opcoes](const Ambiente& ambiente) {
        AvisosNoTerminal avisos(ambiente.erros, opcoes->arquivo);
        DiskFileSystem disco;
        auto linhas = lerTextoImportado(disco, opcoes->arquivo, avisos);
        if (!linhas) return kSaidaArgumento;
        const CatalogoCarregado carga = carregarCatalogo(ambiente.pasta, ambiente.erros);
        if (!carga.tiposOk) return kSaidaCatalogo;
        Interpretado i;
        i.resultado =
            PrepararLinhas(std::move(*linhas), {carga.catalogo, opcoes->casas}, i.conhecidos);
        if (opcoes->json)
            escreverJson(i, ambiente.saida);
        else
            escreverTexto(i, ambiente.saida);
        return kSaidaOk;
    };
    return {sub, executar};
}

}  // namespace trovale::cli
