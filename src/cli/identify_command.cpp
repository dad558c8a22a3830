#include "cli/identify_command.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <vector>

#include "catalogue/fingering_from_frets.h"
#include "catalogue/frets_notation.h"
#include "catalogue/notes.h"
#include "catalogue/symbol_elements.h"
#include "cli/catalogue_loading.h"
#include "cli/json_writer.h"
#include "cli/text_table.h"
#include "fingering/fingering_validation.h"
#include "fingering/identification.h"

namespace trovale::cli {

namespace {

const char* const kNaoMontavel =
    "Digitação impossível de montar: exige mais de quatro dedos ou pestanas, ou mais de "
    "cinco casas de abertura.";

// One fingering as given, and what identification made of it.
struct Identificada {
    TrastesAbsolutos trastes{};
    FingeringCheck validacao;
    Identification resultado;
};

Identificada identificar(const TrastesAbsolutos& trastes, const Catalogo& catalogo) {
    Identificada item{trastes, {}, {}};
    const std::optional<TDigitacao> digitacao = digitacaoDeTrastes(trastes);
    if (!digitacao) {
        item.validacao = {false, kNaoMontavel};
        return item;
    }
    item.validacao = validateFingering(*digitacao);
    if (item.validacao.valid) item.resultado = identifyChords(*digitacao, {}, catalogo);
    return item;
}

// Root, standard symbol, and "/" with the bass when it is not the root.
std::string cifraEmLinha(const ChordCandidate& c, const CatalogoTipos& tipos) {
    std::string cifra = c.rootSpelling + CifraLinearDe(tipos.tipo(c.type).CifraPadrao);
    if (!c.bassSpelling.empty() && c.bassSpelling != c.rootSpelling) cifra += "/" + c.bassSpelling;
    return cifra;
}

void escreverCandidato(const ChordCandidate& c, const CatalogoTipos& tipos, EscritorJson& json) {
    json.abrirObjeto();
    json.campo("root", utf8(c.rootSpelling));
    json.campo("rootPc", notaDaGrafia(c.rootSpelling));
    json.campo("type", c.type);
    json.campo("typeName", utf8(tipos.tipo(c.type).Nome));
    json.campo("symbol", utf8(cifraEmLinha(c, tipos)));
    json.campo("omission", c.omission);
    json.campo("catalogued", c.catalogued);
    json.fecharObjeto();
}

void escreverItem(const Identificada& item, const CatalogoTipos& tipos, EscritorJson& json) {
    json.abrirObjeto();
    json.campo("frets", escreverTrastes(item.trastes));
    json.campo("valid", item.validacao.valid);
    json.campo("message", item.validacao.message);
    json.campo("count", item.resultado.count);
    json.chave("candidates");
    json.abrirLista();
    for (const ChordCandidate& c : item.resultado.candidates) escreverCandidato(c, tipos, json);
    json.fecharLista();
    json.fecharObjeto();
}

// One fingering is answered with its object, several with a list of them.
void escreverJson(const std::vector<Identificada>& itens, const CatalogoTipos& tipos,
                  std::ostream& saida) {
    EscritorJson json(saida);
    const bool lista = itens.size() != 1;
    if (lista) json.abrirLista();
    for (const Identificada& item : itens) escreverItem(item, tipos, json);
    if (lista) json.fecharLista();
    json.terminar();
}

std::string observacao(const ChordCandidate& c) {
    std::string texto = c.omission == kSemQuinta        ? "Sem 5\xAA"
                        : c.omission == kSemFundamental ? "Sem 1\xAA"
                                                        : "";
    if (c.catalogued) texto += texto.empty() ? "catalogada" : ", catalogada";
    return texto;
}

void escreverTexto(const Identificada& item, const CatalogoTipos& tipos, std::ostream& saida) {
    saida << escreverTrastes(item.trastes) << '\n';
    if (!item.validacao.valid) {
        saida << "  " << item.validacao.message << "\n\n";
        return;
    }
    if (!item.resultado.message.empty()) saida << "  " << item.resultado.message << '\n';
    using enum Alinhamento;
    TabelaTexto tabela({Esquerda, Direita, Esquerda, Esquerda});
    tabela.linha({"Cifra", "Tipo", "Nome do tipo", w1252("Observação")});
    for (const ChordCandidate& c : item.resultado.candidates)
        tabela.linha({cifraEmLinha(c, tipos), std::to_string(c.type), tipos.tipo(c.type).Nome,
                      observacao(c)});
    if (!item.resultado.candidates.empty()) tabela.escrever(saida);
    saida << '\n';
}

}  // namespace

Comando registrarIdentify(CLI::App& app) {
    struct Opcoes {
        bool json = false;
        std::vector<std::string> trastes;
    };
    auto opcoes = std::make_shared<Opcoes>();
    CLI::App* sub = app.add_subcommand(
        "identify", "Nomeia os acordes que uma digitação toca (trastes da 6ª à 1ª corda).");
    sub->add_flag("--json", opcoes->json, "Saída em JSON, numa linha");
    sub->add_option("FRETS", opcoes->trastes,
                    "Trastes da corda 6 à 1, como \"x 3 2 0 1 0\" ou x32010")
        ->required()
        ->type_name("");
    auto executar = [opcoes](const Ambiente& ambiente) {
        std::vector<TrastesAbsolutos> lidos;
        for (const std::string& texto : opcoes->trastes) {
            const auto trastes = lerTrastes(texto);
            if (!trastes) {
                ambiente.erros << "Trastes inválidos: \"" << texto
                               << "\" (seis valores da corda 6 à 1: x, 0 ou a casa).\n";
                return kSaidaArgumento;
            }
            lidos.push_back(*trastes);
        }
        const CatalogoCarregado carga = carregarCatalogo(ambiente.pasta, ambiente.erros);
        if (!carga.tiposOk) return kSaidaCatalogo;
        std::vector<Identificada> itens;
        for (const TrastesAbsolutos& trastes : lidos)
            itens.push_back(identificar(trastes, carga.catalogo));
        if (opcoes->json) {
            escreverJson(itens, carga.catalogo.tipos, ambiente.saida);
        } else {
            for (const Identificada& item : itens)
                escreverTexto(item, carga.catalogo.tipos, ambiente.saida);
        }
        return kSaidaOk;
    };
    return {sub, executar};
}

}  // namespace trovale::cli
