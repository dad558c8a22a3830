#include "render/sheet_painter.h"

#include <QPainter>

#include "catalogue/chord_interpreter.h"
#include "catalogue/fingering.h"
#include "document/text_truncation.h"
#include "render/chord_name.h"
#include "render/qt_text.h"

namespace trovale {

namespace {

const QColor kVermelho(255, 0, 0);
constexpr std::string_view kReticencias = "...";

QColor corDe(std::int32_t cor) {
    return QColor(cor & 0xFF, (cor >> 8) & 0xFF, (cor >> 16) & 0xFF);
}

// " Página n " on a red line across the middle of the row.
void desenharSeparador(QPainter& p, const SheetPaint& f, int column, int page, const QRect& r) {
    const int meio = r.top() + r.height() / 2;
    p.setPen(kVermelho);
    p.drawLine(r.left(), meio, r.right(), meio);
    QFont fonte = f.measure.fonte(5);
    fonte.setPointSize(8);
    p.setFont(fonte);
    const QString texto = QStringLiteral(" Página %1 ").arg(page);
    const QFontMetrics m(fonte, p.device());
    const int largura = m.horizontalAdvance(texto);
    const QRect caixa(r.left() + (f.sheet.ColumnTextWidth[column] - largura) / 2,
                      meio - m.height() / 2, largura, m.height());
    p.fillRect(caixa, Qt::white);
    p.drawText(caixa, Qt::AlignCenter, texto);
}

void desenharTexto(QPainter& p, const SheetPaint& f, int column, const SheetRow& linha,
                   const QRect& r, bool& cortado) {
    const int tipo = linha.Kind < kLineKindCount ? linha.Kind : kLyricLine;
    const FittedText cabe = fitText(f.measure, tipo, linha.Text, f.sheet.ColumnTextWidth[column]);
    cortado = cortado || cabe.truncated;
    QString texto = qs(cabe.text);
    if (f.doc.Template.Fonts[tipo].soMaiusculas()) texto = texto.toUpper();
    p.setFont(f.measure.fonte(tipo));
    p.setPen(corDe(f.doc.Template.Fonts[tipo].cor));
    const QFontMetrics m(f.measure.fonte(tipo), p.device());
    p.drawText(r.left() + 2, r.top() + 2 + m.ascent(), texto);
}

void desenharNome(QPainter& p, const SheetPaint& f, std::string_view simbolo, const QRect& caixa,
                  bool arrastado = false) {
    const FonteElemento& fonte = f.doc.Template.Fonts[3];
    QColor cor = corDe(fonte.cor);
    // A dragged chord turns grey, or light grey when the chord font is grey already.
    if (arrastado) cor = cor == QColor(128, 128, 128) ? QColor(192, 192, 192) : QColor(128, 128, 128);
    DrawChordSymbol(p, f.measure.tipos(), simbolo, caixa, f.measure.fonte(3),
                    fonte.tamanhoAbsoluto(), cor);
}

// A diagram of side D with its name above it; " ? " in red for a chord without a fingering.
void desenharDiagrama(QPainter& p, const SheetPaint& f, int chord, int x, const QRect& r,
                      bool arrastado) {
    const DiagramMetrics& d = f.sheet.Diagram;
    const int topoNumeros = d.fretNumbersAbove ? d.fretNumberHeight : 0;
    const int faixaNome = r.height() - d.side - topoNumeros;
    const QRect caixa(x, r.top() + faixaNome * 5 / 6 + topoNumeros, d.side, d.side);
    const auto gravada = digitacaoDoTexto(f.doc.Chords.Fingerings[chord]);
    if (gravada) {
        const TDigitacao digitacao = Decodificar(*gravada);
        p.setBrush(Qt::white);
        MedidasDiagrama medidas;
        DesenharBraco(p, f.aparencia, medidas, caixa.left(), caixa.top(), d.side, d.side);
        DesenharDigitacao(p, medidas, digitacao);
        QFont numeros = f.measure.fonte(5);
        numeros.setPixelSize(std::max(1, d.fretFontHeight));
        p.setFont(numeros);
        DesenharRotuloCasa(p, medidas, digitacao.Casa);
    } else {
        QFont interrogacao = f.measure.fonte(3);
        interrogacao.setBold(true);
        interrogacao.setPixelSize(std::max(1, d.side * 6 / 10));
        p.setFont(interrogacao);
        p.setPen(kVermelho);
        p.drawText(caixa, Qt::AlignCenter, QStringLiteral(" ? "));
    }
    const int acimaNumeros = d.fretNumbersAbove ? d.fretNumberHeight - 2 : 0;
    const QRect nome(x, r.top(), r.width(), caixa.top() - 2 - acimaNumeros - r.top());
    desenharNome(p, f, f.doc.Chords.Symbols[chord], nome, arrastado);
}

// A stretched last column keeps its chords within the width layout gave it, so that a chord
// past the end is cut at the same place in every column.
QRect areaAcordes(const Sheet& sheet, int column, const QRect& r) {
    const bool gapFollows = column + 1 < sheet.ColumnCount;
    const int largura = sheet.ColumnTextWidth[column] + (gapFollows ? sheet.ColumnGap : 0);
    return QRect(r.left(), r.top(), std::min(r.width(), std::max(largura, 0)), r.height());
}

void desenharAcordes(QPainter& p, const SheetPaint& f, int column, const SheetRow& linha,
                     const QRect& linhaInteira, bool& cortado) {
    if (f.doc.Template.Presentation == 0) return;
    const QRect r = areaAcordes(f.sheet, column, linhaInteira);
    p.setClipRect(r);
    const std::vector<PlacedChord> acordes = decodeChordLine(linha.Text);
    const ChordTable& tabela = f.doc.Chords;
    int fim = 0;
    for (std::size_t i = 0; i < acordes.size() && i < linha.ChordExtents.size(); ++i) {
        const int n = acordes[i].chord;
        if (n < 0 || n >= tabela.size() || tabela.isFree(n)) continue;
        const ChordExtent& e = linha.ChordExtents[i];
        fim = std::max(fim, e.x + e.width);
        const bool arrastado =
            linha.Line >= 0 && linha.Line == f.linhaArrastada && acordes[i].column == f.colunaArrastada;
        if (linha.Kind == kChordLine)
            desenharNome(p, f, tabela.Symbols[n],
                         QRect(r.left() + e.x, r.top(), e.width, r.height()), arrastado);
        else
            desenharDiagrama(p, f, n, r.left() + e.x, r, arrastado);
    }
    if (fim <= f.sheet.ColumnTextWidth[column]) return;
    cortado = true;
    p.setFont(f.measure.fonte(3));
    p.setPen(Qt::black);
    p.fillRect(QRect(r.right() - 16, r.top(), 17, r.height()), Qt::white);
    p.drawText(QRect(r.right() - 16, r.top(), 17, r.height()), Qt::AlignRight | Qt::AlignBottom,
               QString::fromLatin1(kReticencias.data(), kReticencias.size()));
}

}  // namespace

void DrawChordSymbol(QPainter& p, const CatalogoTipos& tipos, std::string_view stored,
                     const QRect& caixa, const QFont& fonte, int tamanhoFonte, const QColor& cor) {
    const std::string exibido = displaySymbol(stored);
    const InterpretacaoAcorde leitura = InterpretarAcorde(tipos, exibido);
    p.setFont(fonte);
    if (!leitura.ehAcorde) {
        p.setPen(cor);
        p.drawText(caixa, Qt::AlignLeft | Qt::AlignBottom, qs(exibido));
        return;
    }
    OpcoesNomeAcorde opcoes;
    opcoes.caixa = caixa;
    opcoes.tamanhoFonte = tamanhoFonte;
    opcoes.cor = cor;
    const TAcordeInterpretado& a = leitura.acorde;
    DesenharNomeAcorde(p, a.Elementos, a.Raiz, a.Baixo, opcoes);
}

bool DrawRow(QPainter& p, const SheetPaint& f, int column, int row, const QRect& rect) {
    const SheetRow& linha = f.sheet.Columns[column][static_cast<std::size_t>(row)];
    bool cortado = false;
    p.save();
    p.setClipRect(rect);
    if (linha.Kind == kGeneratedLine)
        desenharSeparador(p, f, column, linha.Page, rect);
    else if (isChordKind(linha.Kind))
        desenharAcordes(p, f, column, linha, rect, cortado);
    else
        desenharTexto(p, f, column, linha, rect, cortado);
    p.restore();
    return cortado;
}

QImage renderSheet(const SheetPaint& f, int page) {
    int largura = 0, altura = 0;
    for (int c = 0; c < kMaxColunas; ++c) {
        if (!f.sheet.ColumnVisible[c]) continue;
        largura = std::max(largura, f.sheet.ColumnLeft[c] + f.sheet.ColumnWidth[c]);
        int h = 1;
        for (const SheetRow& linha : f.sheet.Columns[c])
            if (page == 0 || (linha.Page == page && linha.Kind != kGeneratedLine))
                h += linha.Height;
        altura = std::max(altura, h);
    }
    QImage imagem(std::max(1, largura), std::max(1, altura), QImage::Format_RGB32);
    // Fonts in points come out at the size the layout measured them.
    imagem.setDotsPerMeterX(f.measure.superficie().dotsPerMeterX());
    imagem.setDotsPerMeterY(f.measure.superficie().dotsPerMeterY());
    imagem.fill(Qt::white);
    QPainter p(&imagem);
    for (int c = 0; c < kMaxColunas; ++c) {
        if (!f.sheet.ColumnVisible[c]) continue;
        int y = 0;
        const auto& linhas = f.sheet.Columns[c];
        for (int i = 0; i < static_cast<int>(linhas.size()); ++i) {
            const SheetRow& linha = linhas[static_cast<std::size_t>(i)];
            if (page != 0 && (linha.Page != page || linha.Kind == kGeneratedLine)) continue;
            DrawRow(p, f, c, i,
                    QRect(f.sheet.ColumnLeft[c], y, f.sheet.ColumnWidth[c], linha.Height));
            y += linha.Height;
        }
    }
    return imagem;
}

}  // namespace trovale
