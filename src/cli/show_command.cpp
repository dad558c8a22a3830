#include "cli/show_command.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <nlohmann/json.hpp>

#include "cli/song_loading.h"
#include "cli/text_table.h"

namespace trovale::cli {

namespace {

nlohmann::ordered_json fonteEmJson(const FonteElemento& fonte) {
    nlohmann::ordered_json objeto;
    objeto["face"] = utf8(fonte.nome);
    objeto["size"] = fonte.tamanhoAbsoluto();
    objeto["color"] = fonte.cor;
    objeto["bold"] = fonte.negrito;
    objeto["italic"] = fonte.italico;
    objeto["capitals"] = fonte.soMaiusculas();
    return objeto;
}

nlohmann::ordered_json linhaEmJson(const SongDocument& doc, int i) {
    nlohmann::ordered_json linha;
    linha["kind"] = doc.LineKinds[i];
    if (!isChordKind(doc.LineKinds[i])) {
        linha["text"] = utf8(doc.Lines[i]);
        return linha;
    }
    nlohmann::ordered_json acordes = nlohmann::ordered_json::array();
    for (const PlacedChord& p : decodeChordLine(doc.Lines[i]))
        acordes.push_back({{"column", p.column}, {"chord", p.chord}});
    linha["chords"] = acordes;
    return linha;
}

nlohmann::ordered_json emJson(const CancaoCarregada& c) {
    const SongDocument& doc = c.cancao;
    const PageLayout& p = doc.Layout;
    nlohmann::ordered_json resposta;
    resposta["version"] = c.versao;
    resposta["presentation"] = doc.Template.Presentation;
    resposta["listOrder"] = doc.Template.DiagramListOrder;
    resposta["pageLayout"] = {p.margemEsquerda, p.margemDireita, p.margemSuperior, p.margemInferior,
                              p.espacoColunas,  p.numColunas,    p.coluna1,        p.coluna2,
                              p.coluna3,        p.orientacao};
    nlohmann::ordered_json fontes = nlohmann::ordered_json::array();
    for (const FonteElemento& fonte : doc.Template.Fonts) fontes.push_back(fonteEmJson(fonte));
    resposta["fonts"] = fontes;
    nlohmann::ordered_json linhas = nlohmann::ordered_json::array();
    for (int i = 0; i < doc.lineCount(); ++i) linhas.push_back(linhaEmJson(doc, i));
    resposta["lines"] = linhas;
    nlohmann::ordered_json tabela = nlohmann::ordered_json::array();
    const ChordTable& t = doc.Chords;
    for (int i = 0; i < t.size(); ++i)
        tabela.push_back({{"symbol", utf8(t.Symbols[i])},
                          {"typeCode", utf8(t.TypeCodes[i])},
                          {"fingering", utf8(t.Fingerings[i])}});
    resposta["chordTable"] = tabela;
    return resposta;
}

// Windows-1252 names of the line kinds, as the text markers name them.
std::string nomeDoTipo(int tipo) {
    static const char* const kNomes[] = {"T\xEDtulo",
                                         "Autor",
                                         "Letra",
                                         "Cifras",
                                         "Diagramas",
                                         "",
                                         "Refr\xE3o",
                                         "Coro",
                                         "Observa\xE7\xF5"
                                         "es"};
    return tipo >= 0 && tipo < kLineKindCount ? kNomes[tipo] : "?";
}

// The chord symbols of a chord line over their lyric columns, at least a blank apart.
std::string cifrasNasColunas(const SongDocument& doc, std::string_view linha) {
    std::string texto;
    for (const PlacedChord& p : decodeChordLine(linha)) {
        const bool existe = p.chord >= 0 && p.chord < doc.Chords.size();
        const std::string cifra = existe ? displaySymbol(doc.Chords.Symbols[p.chord]) : "?";
        std::size_t inicio = static_cast<std::size_t>(p.column - 1);
        if (!texto.empty()) inicio = std::max(inicio, texto.size() + 1);
        texto.resize(inicio, ' ');
        texto += cifra;
    }
    return texto;
}

void escreverFontes(const SongDocument& doc, std::ostream& saida) {
    using enum Alinhamento;
    TabelaTexto tabela({Direita, Esquerda, Direita, Direita, Esquerda});
    tabela.linha({"Tipo", "Fonte", w1252("Tamanho"), "Cor", "Estilo"});
    for (int i = 0; i < kElementosModelo; ++i) {
        const FonteElemento& f = doc.Template.Fonts[i];
        std::string estilo;
        for (auto [ligado, nome] : {std::pair{f.negrito, "negrito"},
                                    {f.italico, "it\xE1lico"},
                                    {f.soMaiusculas(), "mai\xFAsculas"}})
            if (ligado) estilo += (estilo.empty() ? "" : ", ") + std::string(nome);
        tabela.linha({std::to_string(i), f.nome, std::to_string(f.tamanhoAbsoluto()),
                      std::to_string(f.cor), estilo});
    }
    tabela.escrever(saida);
}

void escreverTexto(const CancaoCarregada& c, std::ostream& saida) {
    const SongDocument& doc = c.cancao;
    const PageLayout& p = doc.Layout;
    saida << "Versão " << c.versao << ", apresentação " << doc.Template.Presentation
          << ", ordem da lista " << doc.Template.DiagramListOrder << '\n';
    saida << "Página (mm): margens " << p.margemEsquerda << ' ' << p.margemDireita << ' '
          << p.margemSuperior << ' ' << p.margemInferior << ", entre colunas " << p.espacoColunas
          << ", " << p.numColunas << " coluna(s) " << p.coluna1 << ' ' << p.coluna2 << ' '
          << p.coluna3 << ", " << (p.orientacao ? "paisagem" : "retrato") << "\n\n";
    escreverFontes(doc, saida);
    saida << '\n';
    for (int i = 0; i < doc.lineCount(); ++i) {
        const bool cifras = isChordKind(doc.LineKinds[i]);
        std::string tipo = nomeDoTipo(doc.LineKinds[i]);
        tipo.resize(12, ' ');
        saida << utf8(tipo + "| " + (cifras ? cifrasNasColunas(doc, doc.Lines[i]) : doc.Lines[i]))
              << '\n';
    }
    saida << '\n';
    using enum Alinhamento;
    TabelaTexto tabela({Direita, Esquerda, Direita, Esquerda});
    tabela.linha({"Acorde", "Cifra", "Tipo", w1252("Digitação")});
    for (int i = 0; i < doc.Chords.size(); ++i)
        tabela.linha({std::to_string(i),
                      doc.Chords.isFree(i) ? "(livre)" : displaySymbol(doc.Chords.Symbols[i]),
                      doc.Chords.TypeCodes[i], doc.Chords.Fingerings[i]});
    tabela.escrever(saida);
}

}  // namespace

Comando registrarShow(CLI::App& app) {
    struct Opcoes {
        bool json = false;
        std::string arquivo;
    };
    auto opcoes = std::make_shared<Opcoes>();
    CLI::App* sub = app.add_subcommand("show", "Mostra o que um arquivo de música (.dec) contém.");
    sub->add_flag("--json", opcoes->json, "Saída em JSON, numa linha");
    sub->add_option("ARQUIVO", opcoes->arquivo, "Arquivo de música .dec")
        ->required()
        ->type_name("");
    auto executar = [opcoes](const Ambiente& ambiente) {
        const auto carregada = carregarCancao(opcoes->arquivo, ambiente);
        if (!carregada) return kSaidaCatalogo;
        if (opcoes->json)
            ambiente.saida << emJson(*carregada).dump() << '\n';
        else
            escreverTexto(*carregada, ambiente.saida);
        return kSaidaOk;
    };
    return {sub, executar};
}

}  // namespace trovale::cli
