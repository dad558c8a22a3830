#include "cli/layout_command.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <nlohmann/json.hpp>

#include "cli/option_checks.h"
#include "cli/sheet_building.h"
#include "document/capo.h"
#include "drawing/sheet_rows.h"

namespace trovale::cli {

namespace {

struct Opcoes {
    bool json = false;
    int dpi = 96;
    int largura = 0;
    std::string arquivo;
};

// Each chord of a chord row with its displayed symbol and where it was placed.
nlohmann::ordered_json acordesEmJson(const SheetRow& linha, const ChordTable& tabela) {
    nlohmann::ordered_json acordes = nlohmann::ordered_json::array();
    const std::vector<PlacedChord> colocados = decodeChordLine(linha.Text);
    for (std::size_t i = 0; i < colocados.size() && i < linha.ChordExtents.size(); ++i) {
        const int n = colocados[i].chord;
        const bool existe = n >= 0 && n < tabela.size() && !tabela.isFree(n);
        acordes.push_back({{"symbol", existe ? utf8(displaySymbol(tabela.Symbols[n])) : ""},
                           {"x", linha.ChordExtents[i].x},
                           {"width", linha.ChordExtents[i].width}});
    }
    return acordes;
}

nlohmann::ordered_json colunaEmJson(const Sheet& folha, const SongDocument& doc, int c) {
    nlohmann::ordered_json linhas = nlohmann::ordered_json::array();
    for (const SheetRow& linha : folha.Columns[c]) {
        nlohmann::ordered_json objeto;
        objeto["page"] = linha.Page;
        objeto["kind"] = linha.Kind;
        objeto["height"] = linha.Height;
        objeto["text"] = utf8(linha.Text);
        if (isChordKind(linha.Kind))
            objeto["chords"] = acordesEmJson(linha, doc.Chords);
        else if (linha.Kind != kGeneratedLine)
            objeto["shown"] = TextoMostrado(doc.Template, linha);
        linhas.push_back(objeto);
    }
    return {{"left", folha.ColumnLeft[c]},
            {"textWidth", folha.ColumnTextWidth[c]},
            {"songRows", folha.SongRowCount[c]},
            {"rows", linhas}};
}

nlohmann::ordered_json emJson(const Sheet& folha, const SongDocument& doc, int dpi) {
    nlohmann::ordered_json resposta;
    resposta["dpi"] = dpi;
    resposta["usableHeight"] = folha.UsableHeight;
    resposta["pageCount"] = folha.PageCount;
    resposta["rowHeights"] = folha.RowHeight;
    // Indexed from page 1.
    resposta["pageHeights"] =
        std::vector<int>(folha.PageHeight.begin() + 1, folha.PageHeight.end());
    resposta["pageFillers"] =
        std::vector<int>(folha.PageFiller.begin() + 1, folha.PageFiller.end());
    resposta["truncated"] = folha.Truncated;
    nlohmann::ordered_json colunas = nlohmann::ordered_json::array();
    for (int c = 0; c < kMaxColunas; ++c)
        if (folha.ColumnVisible[c]) colunas.push_back(colunaEmJson(folha, doc, c));
    resposta["columns"] = colunas;
    resposta["capo"] = capotrasteDaCancao(doc);
    return resposta;
}

// One line per row: column, page, kind, height, then the text or the placed chords.
void escreverTexto(const Sheet& folha, const SongDocument& doc, std::ostream& saida) {
    if (const int capo = capotrasteDaCancao(doc); capo > 0)
        saida << utf8(linhaDoCapotraste(capo)) << '\n';
    for (int c = 0; c < kMaxColunas; ++c) {
        if (!folha.ColumnVisible[c]) continue;
        for (const SheetRow& linha : folha.Columns[c]) {
            saida << "coluna " << c + 1 << "  página " << linha.Page << "  tipo " << int(linha.Kind)
                  << "  altura " << linha.Height << "  |";
            if (isChordKind(linha.Kind)) {
                for (const auto& acorde : acordesEmJson(linha, doc.Chords))
                    saida << ' ' << acorde["symbol"].get<std::string>() << '@'
                          << acorde["x"].get<int>();
            } else if (!linha.Text.empty()) {
                saida << ' ' << utf8(linha.Text);
            }
            saida << '\n';
        }
    }
}

int executar(const Opcoes& opcoes, const Ambiente& ambiente) {
    const auto montada = montarFolha(opcoes.arquivo, opcoes.dpi, opcoes.largura, ambiente);
    if (!montada) return kSaidaCatalogo;
    const SongDocument& doc = montada->cancao.cancao;
    if (opcoes.json)
        ambiente.saida << emJson(montada->folha, doc, opcoes.dpi).dump() << '\n';
    else
        escreverTexto(montada->folha, doc, ambiente.saida);
    return kSaidaOk;
}

}  // namespace

Comando registrarLayout(CLI::App& app) {
    auto opcoes = std::make_shared<Opcoes>();
    CLI::App* sub = app.add_subcommand(
        "layout", "Diagrama uma música (.dec) em páginas e colunas, como a janela a mostra.");
    sub->add_flag("--json", opcoes->json, "Saída em JSON, numa linha");
    sub->add_option("--dpi", opcoes->dpi, "Pontos por polegada da tela (padrão 96)")
        ->type_name("N")
        ->check(inteiroEntre(24, 600));
    sub->add_option(
           "--width", opcoes->largura,
           "Largura da vista em pixels; a última coluna estica até ela (padrão: não estica)")
        ->type_name("PX")
        ->check(inteiroEntre(0, 100000));
    sub->add_option("ARQUIVO", opcoes->arquivo, "Arquivo de música .dec")
        ->required()
        ->type_name("");
    return {sub, [opcoes](const Ambiente& ambiente) { return executar(*opcoes, ambiente); }};
}

}  // namespace trovale::cli
