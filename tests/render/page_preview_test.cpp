// The page preview's columns: at scale 1 exactly the pixels of the sheet's page; at other
// scales the same drawing, larger or smaller.
#include "render/page_preview.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "support/type_fixture.h"

namespace trovale {
namespace {

struct Folha {
    SongDocument doc;
    SheetMeasure medida;
    Aparencia aparencia;
    Sheet sheet;

    explicit Folha(SongDocument d)
        : doc(std::move(d)), medida(doc.Template, testing::catalogoComum(), 96) {
        SheetSettings ajustes;
        ajustes.pageHeightMm = 120;
        ComputeRowHeights(sheet, doc, medida, ajustes);
        ComputeColumns(sheet, doc, ajustes, 0);
        LayOut(sheet, doc, medida, ajustes);
    }
    SheetPaint pintura() const { return {doc, sheet, medida, aparencia}; }

    QImage tela(int pagina, QSize tamanho, double escala, double escalaVertical = 0) const {
        QImage imagem(tamanho, QImage::Format_RGB32);
        imagem.setDotsPerMeterX(medida.superficie().dotsPerMeterX());
        imagem.setDotsPerMeterY(medida.superficie().dotsPerMeterY());
        imagem.fill(Qt::white);
        QPainter p(&imagem);
        for (int c = 0; c < kMaxColunas; ++c)
            DrawPageColumn(p, pintura(), pagina, c, QPointF(sheet.ColumnLeft[c] * escala, 0),
                           escala, escalaVertical);
        return imagem;
    }
};

// Verses with chords over them, long enough for several pages in every layout below.
SongDocument cancao(int apresentacao, PageLayout layout) {
    SongDocument doc;
    doc.Template = modeloDeFabrica();
    doc.Template.Presentation = apresentacao;
    doc.Layout = layout;
    doc.Chords.append("Cf", "1", "763 5118 3001");
    doc.Chords.append("Gf", "1", "0");
    doc.Lines = {"T\xEDtulo da can\xE7\xE3o", "Autor"};
    doc.LineKinds = {kTitleLine, kAuthorLine};
    const std::uint8_t acordes = apresentacao == 2 ? kDiagramChordLine : kChordLine;
    for (int i = 0; i < 90; ++i) {
        doc.Lines.push_back(encodeChordLine({{1, 0}, {6 + i % 5, 1}}));
        doc.LineKinds.push_back(acordes);
        doc.Lines.push_back("Verso n\xFAmero " + std::to_string(i + 1) + " da can\xE7\xE3o");
        doc.LineKinds.push_back(i % 7 == 3 ? kRefrainLine : kLyricLine);
    }
    return doc;
}

// The ink's bounding box.
QRect tinta(const QImage& imagem) {
    QRect caixa;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            if (imagem.pixel(x, y) != qRgb(255, 255, 255)) caixa |= QRect(x, y, 1, 1);
    return caixa;
}

struct Caso {
    const char* nome;
    int apresentacao;
    PageLayout layout;
};

const Caso kCasos[] = {
    {"one column, chord names", 1, {30, 20, 30, 25, 0, 1, 160, 0, 0, 0}},
    {"two columns, chord names", 1, {30, 20, 30, 25, 15, 2, 72, 72, 0, 0}},
    {"three columns, lyrics only", 0, {20, 20, 30, 25, 5, 3, 50, 50, 50, 0}},
    {"two columns, diagrams", 2, {20, 20, 30, 25, 10, 2, 80, 80, 0, 0}},
};

TEST(PagePreview, AtScaleOneAPageIsTheSheetsPage) {
    for (const Caso& caso : kCasos) {
        const Folha f(cancao(caso.apresentacao, caso.layout));
        ASSERT_GE(f.sheet.PageCount, 2) << caso.nome;
        for (int pagina = 1; pagina <= f.sheet.PageCount; ++pagina) {
            const QImage esperada = renderSheet(f.pintura(), pagina);
            const QImage previa = f.tela(pagina, esperada.size(), 1);
            EXPECT_FALSE(tinta(esperada).isEmpty()) << caso.nome << " page " << pagina;
            EXPECT_TRUE(previa == esperada) << caso.nome << " page " << pagina;
        }
    }
}

// Twice the scale: the same drawing twice as wide and tall, at the same place relative to the
// column. Rows spaced less than the text is scaled pull the page's ink up.
TEST(PagePreview, ScalesKeepTheSheetsPositions) {
    const Folha f(cancao(1, kCasos[1].layout));
    const QImage sheet = renderSheet(f.pintura(), 1);
    const QRect um = tinta(f.tela(1, sheet.size(), 1));
    const QRect dois = tinta(f.tela(1, sheet.size() * 2, 2));
    EXPECT_NEAR(dois.left(), 2 * um.left(), 2);
    EXPECT_NEAR(dois.right(), 2 * um.right() + 1, 3);
    EXPECT_NEAR(dois.top(), 2 * um.top(), 2);
    EXPECT_NEAR(dois.bottom(), 2 * um.bottom() + 1, 3);
    const QRect apertada = tinta(f.tela(1, sheet.size(), 1, 0.5));
    EXPECT_EQ(apertada.left(), um.left());
    EXPECT_EQ(apertada.right(), um.right());
    EXPECT_LT(apertada.bottom(), um.bottom() * 6 / 10);
}

// A line of a drawing: where it runs across, and from where to where along.
struct Traco {
    int posicao;
    int de, ate;
};

bool tingido(const QImage& imagem, int x, int y) {
    return imagem.pixel(x, y) != qRgb(255, 255, 255);
}

// The straight lines of `caixa` at least `minimo` pixels long: columns when `vertical`, else
// rows, each run of inked pixels along them.
std::vector<Traco> tracos(const QImage& imagem, const QRect& caixa, bool vertical, int minimo) {
    std::vector<Traco> achados;
    const int n = vertical ? caixa.width() : caixa.height();
    const int comprimento = vertical ? caixa.height() : caixa.width();
    for (int i = 0; i < n; ++i) {
        int inicio = -1;
        for (int k = 0; k <= comprimento; ++k) {
            const int x = vertical ? caixa.left() + i : caixa.left() + k;
            const int y = vertical ? caixa.top() + k : caixa.top() + i;
            const bool tinta = k < comprimento && tingido(imagem, x, y);
            if (tinta && inicio < 0) inicio = k;
            if (!tinta && inicio >= 0) {
                if (k - inicio >= minimo)
                    achados.push_back({(vertical ? caixa.left() : caixa.top()) + i,
                                       (vertical ? caixa.top() : caixa.left()) + inicio,
                                       (vertical ? caixa.top() : caixa.left()) + k});
                inicio = -1;
            }
        }
    }
    return achados;
}

// Inked pixels of a line scaled by `escala`, on the nearest of three lines across.
int tintaDoTraco(const QImage& imagem, const Traco& t, bool vertical, double escala) {
    int melhor = 0;
    const int centro = static_cast<int>(t.posicao * escala);
    for (int p = std::max(0, centro - 1); p <= centro + 1; ++p) {
        int tinta = 0;
        for (int k = static_cast<int>(t.de * escala); k < static_cast<int>(t.ate * escala); ++k) {
            const int x = vertical ? p : k, y = vertical ? k : p;
            if (x < imagem.width() && y < imagem.height() && tingido(imagem, x, y)) ++tinta;
        }
        melhor = std::max(melhor, tinta);
    }
    return melhor;
}

// At the page setup's smallest picture (a fifth of the sheet), every string and fret of a
// diagram is still drawn: each line of the sheet's diagram has ink along most of its length.
TEST(PagePreview, AtItsSmallestEveryStringAndFretIsDrawn) {
    constexpr double kMenor = 0.2;
    const Folha f(cancao(2, kCasos[3].layout));
    const QImage folha = renderSheet(f.pintura(), 1);
    const QImage previa = f.tela(1, folha.size(), kMenor);
    int topo = 0;
    const SheetRow* linha = nullptr;
    for (const SheetRow& r : f.sheet.Columns[0]) {
        if (r.Kind == kDiagramChordLine && !r.ChordExtents.empty()) {
            linha = &r;
            break;
        }
        topo += r.Height;
    }
    ASSERT_NE(linha, nullptr);
    const ChordExtent& diagrama = linha->ChordExtents.front();
    const QRect caixa(f.sheet.ColumnLeft[0] + diagrama.x, topo, diagrama.width, linha->Height);
    const int lado = f.sheet.Diagram.side;
    for (const bool vertical : {true, false}) {
        const std::vector<Traco> linhas = tracos(folha, caixa, vertical, lado / 2);
        ASSERT_GE(linhas.size(), 5u) << (vertical ? "strings" : "frets");
        for (const Traco& t : linhas)
            EXPECT_GE(tintaDoTraco(previa, t, vertical, kMenor), (t.ate - t.de) * kMenor * 0.6)
                << (vertical ? "string at x " : "fret at y ") << t.posicao;
    }
}

}  // namespace
}  // namespace trovale
