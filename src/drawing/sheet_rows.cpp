#include "drawing/sheet_rows.h"

#include <algorithm>
#include <string>

#include "base/capitals.h"
#include "base/text_codec.h"
#include "catalogue/chord_interpreter.h"
#include "catalogue/fingering.h"
#include "drawing/chord_name_composition.h"
#include "drawing/diagram_fit.h"

namespace trovale {

namespace {

constexpr Cor kVermelho{255, 0, 0};
constexpr Cor kCinza{128, 128, 128};
constexpr Cor kCinzaClaro{192, 192, 192};

Cor corDe(std::int32_t cor) {
    return {static_cast<std::uint8_t>(cor & 0xFF), static_cast<std::uint8_t>((cor >> 8) & 0xFF),
            static_cast<std::uint8_t>((cor >> 16) & 0xFF)};
}

// " Página n " on a red line across the middle of the row.
void desenharSeparador(Tela& t, const PinturaFolha& f, int column, int page, const Retangulo& r) {
    const int meio = r.y + r.altura / 2;
    t.linha(r.x, meio, r.direita(), meio, kVermelho);
    FonteTela fonte = fonteDoModelo(f.doc.Template.Fonts[5]);
    fonte.pontos = 8;
    t.fonte(fonte);
    const std::string texto = " Página " + std::to_string(page) + " ";
    const int largura = t.largura(texto);
    const int altura = t.metricas().altura;
    const Retangulo caixa{r.x + (f.sheet.ColumnTextWidth[column] - largura) / 2, meio - altura / 2,
                          largura, altura};
    t.preencher(caixa, kCorBranca);
    t.textoNaCaixa(caixa, kAlinharCentro, texto, kVermelho);
}

int tipoDoTexto(const SheetRow& linha) { return linha.Kind < kLineKindCount ? linha.Kind : kLyricLine; }

std::string emUtf8ComoDesenhado(const FonteElemento& elemento, std::string_view texto) {
    return elemento.soMaiusculas() ? maiusculasUtf8(texto) : utf8DeWindows1252(texto);
}

// Sets the row's font and gives its text (Windows-1252) as it is drawn.
std::string textoComoDesenhado(Tela& t, const PinturaFolha& f, const SheetRow& linha,
                               std::string_view texto) {
    const FonteElemento& elemento = f.doc.Template.Fonts[tipoDoTexto(linha)];
    t.fonte(fonteDoModelo(elemento));
    return emUtf8ComoDesenhado(elemento, texto);
}

void desenharTexto(Tela& t, const PinturaFolha& f, const SheetRow& linha,
                   const Retangulo& r, bool& cortado) {
    const int tipo = tipoDoTexto(linha);
    cortado = cortado || linha.Cut;
    const std::string texto = textoComoDesenhado(t, f, linha, shownText(linha));
    t.texto(r.x + 2 + linha.Indent, r.y + 2 + t.metricas().ascendente, texto,
            corDe(f.doc.Template.Fonts[tipo].cor));
}

OpcoesNome opcoesDoNome(const Retangulo& caixa, const FonteTela& fonte, int tamanhoFonte, Cor cor) {
    OpcoesNome opcoes;
    opcoes.caixa = caixa;
    opcoes.tamanhoFonte = tamanhoFonte;
    opcoes.fonte = fonte;
    opcoes.cor = cor;
    return opcoes;
}

// A chord symbol as displayed, at the bottom left of `caixa`: its name when the catalogue
// reads it, else the symbol as text.
void desenharSimbolo(Tela& t, LeiturasDeAcordes& leituras, const std::string& exibido,
                     const Retangulo& caixa, const FonteTela& fonte, int tamanhoFonte, Cor cor) {
    t.fonte(fonte);
    if (!leituras.ler(exibido).ehAcorde) {
        t.textoNaCaixa(caixa, kAlinharEsquerda | kAlinharBase, utf8DeWindows1252(exibido), cor);
        return;
    }
    const OpcoesNome opcoes = opcoesDoNome(caixa, fonte, tamanhoFonte, cor);
    DesenharNomeComposto(t, leituras.nome(t, exibido, opcoes), opcoes);
}

void desenharNome(Tela& t, const PinturaFolha& f, std::string_view simbolo, const Retangulo& caixa,
                  bool arrastado = false) {
    const FonteElemento& fonte = f.doc.Template.Fonts[3];
    Cor cor = corDe(fonte.cor);
    // A dragged chord turns grey, or light grey when the chord font is grey already.
    if (arrastado) cor = cor == kCinza ? kCinzaClaro : kCinza;
    LeiturasDeAcordes avulsas(f.tipos);
    desenharSimbolo(t, f.leituras ? *f.leituras : avulsas, displaySymbol(simbolo), caixa,
                    fonteDoModelo(fonte), fonte.tamanhoAbsoluto(), cor);
}

// A diagram of side D with its name above it; " ? " in red for a chord without a fingering.
void desenharDiagrama(Tela& t, const PinturaFolha& f, int chord, int x, const Retangulo& r,
                      bool arrastado) {
    const DiagramMetrics& d = f.sheet.Diagram;
    const int topoNumeros = d.fretNumbersAbove ? d.fretNumberHeight : 0;
    const int faixaNome = r.altura - d.side - topoNumeros;
    const Retangulo caixa{x, r.y + faixaNome * 5 / 6 + topoNumeros, d.side, d.side};
    const auto gravada = digitacaoDoTexto(f.doc.Chords.Fingerings[chord]);
    if (gravada) {
        const DiagramaInteiro inteiro = diagramaInteiro(f.aparencia, Decodificar(*gravada));
        const TDigitacao& digitacao = inteiro.digitacao;
        MedidasDiagrama medidas;
        DesenharBraco(t, inteiro.aparencia, medidas, caixa.x, caixa.y, d.side, d.side);
        DesenharDigitacao(t, medidas, digitacao);
        FonteTela numeros = fonteDoModelo(f.doc.Template.Fonts[5]);
        numeros.pontos = 0;
        numeros.pixels = std::max(1, d.fretFontHeight);
        t.fonte(numeros);
        DesenharRotuloCasa(t, medidas, digitacao.Casa);
    } else {
        FonteTela interrogacao = fonteDoModelo(f.doc.Template.Fonts[3]);
        interrogacao.negrito = true;
        interrogacao.pontos = 0;
        interrogacao.pixels = std::max(1, d.side * 6 / 10);
        t.fonte(interrogacao);
        t.textoNaCaixa(caixa, kAlinharCentro, " ? ", kVermelho);
    }
    const int acimaNumeros = d.fretNumbersAbove ? d.fretNumberHeight - 2 : 0;
    const Retangulo nome{x, r.y, r.largura, caixa.y - 2 - acimaNumeros - r.y};
    desenharNome(t, f, f.doc.Chords.Symbols[chord], nome, arrastado);
}

// A stretched last column keeps its chords within the width layout gave it, so that a chord
// past the end is cut at the same place in every column.
Retangulo areaAcordes(const Sheet& sheet, int column, const Retangulo& r) {
    const bool gapFollows = column + 1 < sheet.ColumnCount;
    const int largura = sheet.ColumnTextWidth[column] + (gapFollows ? sheet.ColumnGap : 0);
    return {r.x, r.y, std::min(r.largura, std::max(largura, 0)), r.altura};
}

void desenharAcordes(Tela& t, const PinturaFolha& f, int column, const SheetRow& linha,
                     const Retangulo& linhaInteira, bool& cortado) {
    if (f.doc.Template.Presentation == 0) return;
    const Retangulo r = areaAcordes(f.sheet, column, linhaInteira);
    t.recortar(r);
    const std::vector<PlacedChord> acordes = decodeChordLine(linha.Text);
    const ChordTable& tabela = f.doc.Chords;
    for (std::size_t i = 0; i < acordes.size() && i < linha.ChordExtents.size(); ++i) {
        const int n = acordes[i].chord;
        if (n < 0 || n >= tabela.size() || tabela.isFree(n)) continue;
        const ChordExtent& e = linha.ChordExtents[i];
        const bool arrastado = linha.Line >= 0 && linha.Line == f.linhaArrastada &&
                               acordes[i].column + static_cast<int>(linha.Start) ==
                                   f.colunaArrastada;
        if (linha.Kind == kChordLine)
            desenharNome(t, f, tabela.Symbols[n], {r.x + e.x, r.y, e.width, r.altura}, arrastado);
        else
            desenharDiagrama(t, f, n, r.x + e.x, r, arrastado);
    }
    if (!linha.Cut) return;
    cortado = true;
    // Measured in the surface's own pixels, so that paper shows the whole "..." too.
    t.fonte(fonteDoModelo(f.doc.Template.Fonts[3]));
    const int largura = t.largura("...") + 1;
    const Retangulo marca{r.direita() - largura, r.y, largura + 1, r.altura};
    t.preencher(marca, kCorBranca);
    t.textoNaCaixa(marca, kAlinharDireita | kAlinharBase, "...", kCorPreta);
}

}  // namespace

std::string TextoMostrado(const Modelo& modelo, const SheetRow& linha) {
    return emUtf8ComoDesenhado(modelo.Fonts[tipoDoTexto(linha)], shownText(linha));
}

FonteTela fonteDoModelo(const FonteElemento& elemento) {
    FonteTela f;
    f.nome = elemento.nome;
    f.pontos = std::max(1, elemento.tamanhoAbsoluto());
    f.negrito = elemento.negrito;
    f.italico = elemento.italico;
    return f;
}

void DesenharSimboloAcorde(Tela& t, const CatalogoTipos& tipos, std::string_view stored,
                           const Retangulo& caixa, const FonteTela& fonte, int tamanhoFonte,
                           Cor cor) {
    LeiturasDeAcordes leituras(tipos);
    desenharSimbolo(t, leituras, displaySymbol(stored), caixa, fonte, tamanhoFonte, cor);
}

const InterpretacaoAcorde& LeiturasDeAcordes::ler(const std::string& exibido) {
    if (const auto lida = lidas_.find(exibido); lida != lidas_.end()) return lida->second;
    return lidas_.emplace(exibido, InterpretarAcorde(tipos_, exibido)).first->second;
}

const NomeComposto& LeiturasDeAcordes::nome(Tela& tela, const std::string& exibido,
                                            const OpcoesNome& opcoes) {
    if (tela.dpi() != dpiDosNomes_ || !(opcoes.fonte == fonteDosNomes_) ||
        opcoes.tamanhoFonte != tamanhoDosNomes_) {
        nomes_.clear();
        dpiDosNomes_ = tela.dpi();
        fonteDosNomes_ = opcoes.fonte;
        tamanhoDosNomes_ = opcoes.tamanhoFonte;
    }
    if (const auto feito = nomes_.find(exibido); feito != nomes_.end()) return feito->second;
    const TAcordeInterpretado& a = ler(exibido).acorde;
    return nomes_.emplace(exibido, ComporNomeAcorde(tela, a.Elementos, a.Raiz, a.Baixo, opcoes))
        .first->second;
}

bool DesenharLinhaFolha(Tela& t, const PinturaFolha& f, int column, int row,
                        const Retangulo& rect) {
    const SheetRow& linha = f.sheet.Columns[column][static_cast<std::size_t>(row)];
    bool cortado = false;
    t.salvar();
    t.recortar(rect);
    if (linha.Kind == kGeneratedLine)
        desenharSeparador(t, f, column, linha.Page, rect);
    else if (isChordKind(linha.Kind))
        desenharAcordes(t, f, column, linha, rect, cortado);
    else
        desenharTexto(t, f, linha, rect, cortado);
    t.restaurar();
    return cortado;
}

int PosicaoDoCursor(Tela& tela, const PinturaFolha& folha, int column, int row, int x,
                    int cursor) {
    const SheetRow& linha = folha.sheet.Columns[column][static_cast<std::size_t>(row)];
    const auto antes = static_cast<std::size_t>(
        std::clamp(cursor, 0, static_cast<int>(linha.Text.size())));
    const std::string texto =
        textoComoDesenhado(tela, folha, linha, std::string_view(linha.Text).substr(0, antes));
    return x + 2 + linha.Indent + tela.largura(texto);
}

}  // namespace trovale
