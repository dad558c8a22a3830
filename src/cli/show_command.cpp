#include "cli/show_command.h"

#include <CLI/CLI.hpp>
#include <memory>

#include "cli/json_writer.h"
#include "cli/song_loading.h"
#include "cli/text_table.h"
#include "document/capo.h"

namespace trovale::cli {

namespace {

void escreverFonte(const FonteElemento& fonte, EscritorJson& json) {
    json.abrirObjeto();
    json.campo("face", utf8(fonte.nome));
    json.campo("size", fonte.tamanhoAbsoluto());
    json.campo("color", fonte.cor);
    json.campo("bold", fonte.negrito);
    json.campo("italic", fonte.italico);
    json.campo("capitals", fonte.soMaiusculas());
    json.fecharObjeto();
}

void escreverLinha(const SongDocument& doc, int i, EscritorJson& json) {
    json.abrirObjeto();
    json.campo("kind", doc.LineKinds[i]);
    if (isChordKind(doc.LineKinds[i])) {
        json.chave("chords");
        json.abrirLista();
        for (const PlacedChord& p : decodeChordLine(doc.Lines[i])) {
            json.abrirObjeto();
            json.campo("column", p.column);
            json.campo("chord", p.chord);
            json.fecharObjeto();
        }
        json.fecharLista();
    } else {
        json.campo("text", utf8(doc.Lines[i]));
    }
    json.fecharObjeto();
}

void escreverTabelaJson(const ChordTable& t, EscritorJson& json) {
    json.abrirLista();
    for (int i = 0; i < t.size(); ++i) {
        json.abrirObjeto();
        json.campo("symbol", utf8(t.Symbols[i]));
        json.campo("typeCode", utf8(t.TypeCodes[i]));
        json.campo("fingering", utf8(t.Fingerings[i]));
        json.fecharObjeto();
    }
    json.fecharLista();
}

void escreverJson(const CancaoCarregada& c, std::ostream& saida) {
    const SongDocument& doc = c.cancao;
    const PageLayout& p = doc.Layout;
    EscritorJson json(saida);
    json.abrirObjeto();
    json.campo("version", c.versao);
    json.campo("presentation", doc.Template.Presentation);
    json.campo("listOrder", doc.Template.DiagramListOrder);
    json.chave("pageLayout");
    json.abrirLista();
    for (int v : {p.margemEsquerda, p.margemDireita, p.margemSuperior, p.margemInferior,
                  p.espacoColunas, p.numColunas, p.coluna1, p.coluna2, p.coluna3, p.orientacao})
        json.valor(v);
    json.fecharLista();
    json.chave("fonts");
    json.abrirLista();
    for (const FonteElemento& fonte : doc.Template.Fonts) escreverFonte(fonte, json);
    json.fecharLista();
    json.chave("lines");
    json.abrirLista();
    for (int i = 0; i < doc.lineCount(); ++i) escreverLinha(doc, i, json);
    json.fecharLista();
    json.chave("chordTable");
    escreverTabelaJson(doc.Chords, json);
    json.campo("capo", capotrasteDaCancao(doc));
    json.fecharObjeto();
    json.terminar();
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
          << p.coluna3 << ", " << (p.orientacao ? "paisagem" : "retrato") << '\n';
    if (const int capo = capotrasteDaCancao(doc); capo > 0) saida << utf8(linhaDoCapotraste(capo)) << '\n';
    saida << '\n';
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
            escreverJson(*carregada, ambiente.saida);
        else
            escreverTexto(*carregada, ambiente.saida);
        return kSaidaOk;
    };
    return {sub, executar};
}

}  // namespace trovale::cli
