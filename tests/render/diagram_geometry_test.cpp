#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <vector>

#include "render/appearance.h"

namespace trovale {
namespace {

// Draws the grid only; the measures are what the test reads.
MedidasDiagrama grade(const Aparencia& a, int X0, int Y0, int W, int H) {
    QImage imagem(X0 + W + 20, Y0 + H + 20, QImage::Format_RGB32);
    imagem.fill(Qt::white);
    QPainter p(&imagem);
    p.setBrush(Qt::white);
    MedidasDiagrama m;
    DesenharBraco(p, a, m, X0, Y0, W, H);
    return m;
}

std::vector<int> larguras(const MedidasDiagrama& m) {
    std::vector<int> v;
    for (int c = 1; c <= m.Casas; ++c) v.push_back(m.Casa[c].largura());
    return v;
}

// A neck of 100 pixels with Wt = 2 and Wb = 3: spacing 18, remainder 3, so the three casas
// next to the base are one pixel wider, whichever way the neck is drawn.
TEST(DiagramGrid, RemainderWidensTheCasasNextToTheBase) {
    const struct {
        int orientacao, inicio;
    } casos[] = {{kOrientacaoVertical, 1},
                 {kOrientacaoVertical, 2},
                 {kOrientacaoHorizontal, 1},
                 {kOrientacaoHorizontal, 2}};
    for (const auto& c : casos) {
        Aparencia a;
        a.Orientacao = c.orientacao;
        a.Inicio = c.inicio;
        const bool vertical = c.orientacao == kOrientacaoVertical;
        const MedidasDiagrama m = grade(a, 10, 10, vertical ? 100 : 111, vertical ? 111 : 100);
        SCOPED_TRACE(testing::Message() << "orientation " << c.orientacao << " start " << c.inicio);
        ASSERT_EQ(m.Wt, 2);
        ASSERT_EQ(m.Wb, 3);
        EXPECT_EQ(std::abs(m.FimBraco - m.BordaBase), 100);
        EXPECT_EQ(larguras(m), (std::vector<int>{18, 18, 18, 17, 17}));
        // Casa 1 begins right after the base line.
        if (m.FimBraco > m.BordaBase)
            EXPECT_EQ(m.Casa[1].inicio, m.BordaBase + 3);
        else
            EXPECT_EQ(m.Casa[1].fim, m.BordaBase - 3);
    }
}

TEST(DiagramGrid, StringBandsStartAtTheInsetWhicheverSideStringOneIs) {
    for (int primeira : {1, 2}) {
        Aparencia a;
        a.PrimeiraCorda = primeira;
        const MedidasDiagrama m = grade(a, 10, 20, 100, 111);
        // Rp 5, Wc 1: inset 5, gap (90 - 6) / 5 + 1 = 17; the 5 leftover pixels stay right.
        const int esquerda = primeira == 1 ? 1 : 6;
        const int direita = primeira == 1 ? 6 : 1;
        EXPECT_EQ(m.Corda[esquerda].inicio, 15);
        EXPECT_EQ(m.Corda[direita].inicio, 15 + 5 * 17);
        for (int k = 1; k < kCordas; ++k) {
            const int corda = primeira == 1 ? k : kCordas + 1 - k;
            const int vizinha = primeira == 1 ? k + 1 : kCordas - k;
            EXPECT_EQ(m.Corda[vizinha].inicio - m.Corda[corda].fim, 17);
        }
        EXPECT_EQ(m.AncoraRotulo, m.Corda[direita].fim + m.Rp);
    }
}

TEST(DiagramMeasures, RaisedToTheirMinimums) {
    const struct {
        const char* caso;
        double WC, RP;
        int W, H;
        int Rp, Rt, Wc, Wt, Wb, Wp, Wl;
    } casos[] = {
        {"factory, square uses the width", 0.01, 0.05, 200, 200, 10, 8, 2, 4, 6, 3, 3},
        {"wider than tall uses the height", 0.01, 0.05, 300, 100, 5, 4, 1, 2, 3, 2, 2},
        {"thick strings double the dot", 0.06, 0.05, 100, 120, 12, 4, 6, 2, 3, 4, 2},
        {"tiny: every measure at least its floor", 0.01, 0.05, 20, 24, 2, 2, 1, 1, 2, 1, 1},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        Aparencia a;
        a.WC = c.WC;
        a.RP = c.RP;
        MedidasDiagrama m;
        calcularMedidas(a, c.W, c.H, m);
        EXPECT_EQ(m.Rp, c.Rp);
        EXPECT_EQ(m.Rt, c.Rt);
        EXPECT_EQ(m.Wc, c.Wc);
        EXPECT_EQ(m.Wt, c.Wt);
        EXPECT_EQ(m.Wb, c.Wb);
        EXPECT_EQ(m.Wp, c.Wp);
        EXPECT_EQ(m.Wl, c.Wl);
    }
}

TEST(DiagramMeasures, ForcedMeasuresKeepTheirPixels) {
    Aparencia a;
    MedidasDiagrama m;
    m.Rp = 9;
    m.Wt = 5;
    m.Forcado[kForcaRp] = true;
    m.Forcado[kForcaWt] = true;
    calcularMedidas(a, 100, 120, m);
    EXPECT_EQ(m.Rp, 9);
    EXPECT_EQ(m.Wt, 5);
    EXPECT_EQ(m.Wb, 6);  // 3 would not exceed the fret
    EXPECT_EQ(m.Wp, 3);  // from the forced dot: int(0.5 + 9 * 0.5 * 0.6668)
}

// The rim replot leaves every dot mirror-symmetric across its string.
TEST(DiagramMarks, DotsAreSymmetricAcrossTheString) {
    for (int largura : {60, 100, 121, 160}) {
        Aparencia a;
        QImage imagem(largura + 20, largura * 2, QImage::Format_RGB32);
        imagem.fill(Qt::white);
        QPainter p(&imagem);
        p.setBrush(Qt::white);
        MedidasDiagrama m;
        DesenharBraco(p, a, m, 10, 10, largura, largura * 6 / 5, Qt::white);  // invisible grid
        DesenharPonto(p, m, 3, 2, Qt::black);
        p.end();
        const FaixaPixels& faixa = m.Corda[3];
        const int soma = faixa.inicio + faixa.fim;  // mirror: x -> soma - x
        int pretos = 0;
        for (int y = 0; y < imagem.height(); ++y)
            for (int x = 0; x < imagem.width(); ++x) {
                const bool preto = imagem.pixel(x, y) == qRgb(0, 0, 0);
                pretos += preto;
                if (soma - x >= 0 && soma - x < imagem.width()) {
                    EXPECT_EQ(preto, imagem.pixel(soma - x, y) == qRgb(0, 0, 0))
                        << "width " << largura << " at " << x << "," << y;
                }
            }
        EXPECT_GT(pretos, m.Rp * m.Rp * 2);
    }
}

}  // namespace
}  // namespace trovale
