// Painting the rows of a laid-out sheet: what a user sees on each kind of row.
#include "render/sheet_painter.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <memory>

#include "support/type_fixture.h"

namespace trovale {
namespace {

struct Folha {
    SongDocument doc;
    SheetMeasure medida;
    Aparencia aparencia;
    Sheet sheet;

    explicit Folha(SongDocument d, int larguraVista = 0)
        : doc(std::move(d)), medida(doc.Template, testing::catalogoComum(), 96) {
        SheetSettings ajustes;
        ajustes.pageHeightMm = 100;  // a short page, so that pages end
        ComputeRowHeights(sheet, doc, medida, ajustes);
        ComputeColumns(sheet, doc, ajustes, larguraVista);
        LayOut(sheet, doc, medida, ajustes);
    }

    // The row painted alone on white, and whether it was cut.
    std::pair<QImage, bool> pintar(int linha) const {
        const SheetRow& r = sheet.Columns[0][static_cast<std::size_t>(linha)];
        QImage imagem(sheet.ColumnWidth[0], std::max(1, r.Height), QImage::Format_RGB32);
        imagem.fill(Qt::white);
        QPainter p(&imagem);
        const bool cortada = DrawRow(p, {doc, sheet, medida, aparencia}, 0, linha, imagem.rect());
        return {imagem, cortada};
    }

    int primeira(std::uint8_t tipo) const {
        const auto& linhas = sheet.Columns[0];
        for (std::size_t i = 0; i < linhas.size(); ++i)
            if (linhas[i].Kind == tipo) return static_cast<int>(i);
        return -1;
    }
};

SongDocument cancao(const std::string& letra) {
    SongDocument doc;
    doc.Template = modeloDeFabrica();
    doc.Layout = {30, 20, 30, 25, 0, 1, 40, 0, 0, 0};
    doc.Chords.append("Cf", "1", "763 5118 3001");
    doc.Chords.append("Gf", "1", "0");
    doc.Lines = {"T\xEDtulo"};
    doc.LineKinds = {kTitleLine};
    for (int i = 0; i < 6; ++i) {
        doc.Lines.push_back(encodeChordLine({{1, 0}, {4, 1}}));
        doc.LineKinds.push_back(kChordLine);
        doc.Lines.push_back(letra);
        doc.LineKinds.push_back(kLyricLine);
    }
    return doc;
}

bool branca(const QImage& imagem, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (imagem.pixel(x, y) != qRgb(255, 255, 255)) return false;
    return true;
}

TEST(SheetPainter, ASeparatorIsARedLineAcrossTheMiddle) {
    const Folha f(cancao("Letra curta"));
    const int separador = f.primeira(kGeneratedLine);
    ASSERT_GE(separador, 0);
    const auto [imagem, cortada] = f.pintar(separador);
    EXPECT_FALSE(cortada);
    EXPECT_EQ(imagem.pixel(0, imagem.height() / 2), qRgb(255, 0, 0));
    EXPECT_EQ(imagem.pixel(imagem.width() - 1, imagem.height() / 2), qRgb(255, 0, 0));
    EXPECT_TRUE(branca(imagem, QRect(0, 0, 3, 2)));
}

TEST(SheetPainter, TextThatDoesNotFitIsCutAndSaidSo) {
    for (const auto& [letra, cortar] :
         {std::pair<std::string, bool>{"Letra curta", false}, {std::string(200, 'M'), true}}) {
        const Folha f(cancao(letra));
        const auto [imagem, cortada] = f.pintar(2);
        EXPECT_EQ(cortada, cortar) << letra.size();
        // Text starts 2 pixels in from the row's corner.
        EXPECT_TRUE(branca(imagem, QRect(0, 0, 2, imagem.height())));
        EXPECT_FALSE(branca(imagem, imagem.rect()));
    }
}

TEST(SheetPainter, ChordsStandWithinTheirPlacedExtents) {
    const Folha f(cancao("Letra curta"));
    const SheetRow& linha = f.sheet.Columns[0][1];
    ASSERT_EQ(linha.Kind, kChordLine);
    ASSERT_EQ(linha.ChordExtents.size(), 2u);
    const auto [imagem, cortada] = f.pintar(1);
    EXPECT_FALSE(cortada);
    int fim = 0;
    for (const ChordExtent& e : linha.ChordExtents) {
        EXPECT_FALSE(branca(imagem, QRect(e.x, 0, e.width, imagem.height()))) << e.x;
        fim = std::max(fim, e.x + e.width);
    }
    EXPECT_TRUE(branca(imagem, QRect(fim + 1, 0, imagem.width() - fim - 1, imagem.height())));
    EXPECT_TRUE(branca(imagem, QRect(0, 0, linha.ChordExtents[0].x, imagem.height())));
}

// In a column stretched to a wide view, a chord past the column's width is cut at that width
// with "...", as in any other column, not drawn out in the stretch.
TEST(SheetPainter, ChordsPastAStretchedColumnAreCutAtItsWidth) {
    SongDocument doc = cancao("Letra curta");
    doc.Lines[1] = encodeChordLine({{1, 0}, {200, 1}});
    const Folha f(std::move(doc), 1200);
    const int largura = f.sheet.ColumnTextWidth[0];
    ASSERT_GT(f.sheet.ColumnWidth[0], largura + 300);
    const auto [imagem, cortada] = f.pintar(1);
    EXPECT_TRUE(cortada);
    EXPECT_FALSE(branca(imagem, QRect(largura - 16, 0, 16, imagem.height())));
    EXPECT_TRUE(branca(imagem, QRect(largura, 0, imagem.width() - largura, imagem.height())));
}

// The caret stands where typing goes in: right after the ink of the characters before it,
// in proportional fonts at several sizes, all along the line.
TEST(SheetPainter, TheCaretStandsRightAfterTheCharactersBeforeIt) {
    const std::string letra = "Ladrilhava amor";  // fits the column at every size
    for (const char* familia : {"Liberation Sans", "DejaVu Serif", "Liberation Serif"})
        for (const int tamanho : {9, 11, 13})
            for (const std::size_t antes : {std::size_t{3}, std::size_t{8}, std::size_t{12}, letra.size()}) {
                SCOPED_TRACE(::testing::Message() << familia << " " << tamanho << " " << antes);
                const auto folha = [&](const std::string& texto) {
                    SongDocument doc = cancao(texto);
                    doc.Template.Fonts[kLyricLine].nome = familia;
                    doc.Template.Fonts[kLyricLine].tamanho = tamanho;
                    return std::make_unique<Folha>(std::move(doc), 2000);
                };
                const auto inteira = folha(letra);
                const int linha = inteira->primeira(kLyricLine);
                ASSERT_GE(linha, 0);
                ASSERT_FALSE(inteira->pintar(linha).second);
                QImage imagem(10, 10, QImage::Format_RGB32);
                QPainter p(&imagem);
                const int altura = inteira->sheet.Columns[0][static_cast<std::size_t>(linha)].Height;
                const int x = CaretX(p, {inteira->doc, inteira->sheet, inteira->medida,
                                         inteira->aparencia},
                                     0, linha, QRect(0, 0, inteira->sheet.ColumnWidth[0], altura),
                                     static_cast<int>(antes));
                // The characters before the caret, painted alone: their ink ends at the caret.
                inteira->sheet.Columns[0][static_cast<std::size_t>(linha)].Text =
                    letra.substr(0, antes);
                const QImage pintada = inteira->pintar(linha).first;
                int fimDaTinta = -1;
                for (int px = 0; px < pintada.width(); ++px)
                    for (int py = 0; py < pintada.height(); ++py)
                        if (qGray(pintada.pixel(px, py)) < 160) fimDaTinta = px;
                EXPECT_GE(x, fimDaTinta);
                EXPECT_LE(x, fimDaTinta + 3);
            }
}

}  // namespace
}  // namespace trovale
