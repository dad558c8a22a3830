#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "render/appearance.h"

namespace trovale {
namespace {

// A 100 x 111 vertical diagram at (10, 10): bands 17 pixels apart, string 1 on the right,
// casas 18, 18, 18, 17, 17 pixels; barre on strings 1..4 in casa 2, a note on string 5 casa 3.
class DiagramHit : public ::testing::Test {
  protected:
    void SetUp() override {
        QImage imagem(140, 140, QImage::Format_RGB32);
        QPainter p(&imagem);
        p.setBrush(Qt::white);
        DesenharBraco(p, Aparencia{}, m, 10, 10, 100, 111);
        digitacao.Pestanas[0] = {1, 4, 2};
        digitacao.Notas[0] = {5, 3};
    }
    int meioCorda(int corda) const { return (m.Corda[corda].inicio + m.Corda[corda].fim) / 2; }
    int meioCasa(int casa) const { return (m.Casa[casa].inicio + m.Casa[casa].fim) / 2; }
    PontoDiagrama em(int x, int y, bool posicoes = false) const {
        return LocalizarPonto(m, x, y, digitacao, posicoes);
    }
    MedidasDiagrama m;
    TDigitacao digitacao;
};

TEST_F(DiagramHit, FindsWhatThePointTouches) {
    const int entreCordas23 = (m.Corda[2].inicio + m.Corda[3].fim) / 2;
    const int entreCordas56 = (m.Corda[5].inicio + m.Corda[6].fim) / 2;
    const int simbolos = m.Y0 + m.H - 1 - m.Rt;
    const struct {
        const char* caso;
        int x, y;
        bool posicoes;
        int corda, casa, tipo;
    } casos[] = {
        {"on the base line", meioCorda(3), 11, false, 3, 0, kToqueTraste},
        {"just inside casa 1 still counts as the base", meioCorda(3), m.Casa[1].inicio + 1, false,
         3, 0, kToqueTraste},
        {"base line beside the strings", m.X0, 11, false, 0, 0, kToqueNada},
        {"on fret 1", meioCorda(4), m.Casa[1].fim + 1, false, 4, 1, kToqueTraste},
        {"on fret 3, one pixel off the line", meioCorda(6), m.Casa[3].fim + 3, false, 6, 1,
         kToqueTraste},
        {"on a barred dot", meioCorda(2), meioCasa(2), false, 2, 2, kToquePestana},
        {"on the barre between strings", entreCordas23, meioCasa(2), false, 3, 2, kToquePestana},
        {"on a note dot", meioCorda(5), meioCasa(3), false, 5, 3, kToquePonto},
        {"on an empty note place", meioCorda(6), meioCasa(3), false, 6, 3, kToqueCorda},
        {"on an empty place when places are asked", meioCorda(6), meioCasa(3), true, 6, 3,
         kToquePonto},
        {"on a string between dot places", meioCorda(1), m.Casa[4].inicio + 3, false, 1, 4,
         kToqueCorda},
        {"between strings, nearer string 6", entreCordas56, meioCasa(4), false, 6, 4, kToqueNada},
        {"on a string symbol", meioCorda(1), simbolos, false, 1, 6, kToqueCorda},
        {"between string symbols", entreCordas56, simbolos, false, 6, 6, kToqueNada},
        {"outside the rectangle", 7, 60, false, 0, 0, kToqueNada},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        const PontoDiagrama r = em(c.x, c.y, c.posicoes);
        EXPECT_EQ(r.tipo, c.tipo);
        if (c.tipo == kToqueNada && c.corda == 0) continue;
        EXPECT_EQ(r.corda, c.corda);
        EXPECT_EQ(r.casa, c.casa);
    }
}

}  // namespace
}  // namespace trovale
