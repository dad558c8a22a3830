#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "render/qt_chord_name.h"

namespace trovale {
namespace {

// The default name font is Arial 9 pt: 12 pixels at 96 dpi, so the small font is 11 pixels
// (0.89) and the parenthesis font 13 pixels (1.11).
QFont arial(int pixels) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    return f;
}
int largura(int pixels, const QString& texto) {
    return QFontMetrics(arial(pixels)).horizontalAdvance(texto);
}
int altura(int pixels) {
    return QFontMetrics(arial(pixels)).height();
}

QImage superficie() {
    QImage imagem(400, 100, QImage::Format_RGB32);
    imagem.setDotsPerMeterX(3780);
    imagem.setDotsPerMeterY(3780);
    imagem.fill(Qt::white);
    return imagem;
}

QSize medir(const ElementosCifra& elementos, const char* raiz, const char* baixo) {
    QImage imagem = superficie();
    QPainter p(&imagem);
    OpcoesNomeAcorde o;
    o.apenasMedir = true;
    return DesenharNomeAcorde(p, elementos, raiz, baixo, o);
}

TEST(ChordName, WidthIsTheSumOfItsParts) {
    const int parentese = largura(13, "(") + 1;
    const int h = altura(11) / 2;
    ElementosCifra vazio{};
    ElementosCifra quarta{};
    quarta[3][0] = "9";
    ElementosCifra empilhado{};
    empilhado[0] = {"<9", ">6"};
    ElementosCifra menorSete{};
    menorSete[0][0] = "m";
    menorSete[1][0] = "<7";
    const struct {
        const char* caso;
        ElementosCifra elementos;
        const char* raiz;
        const char* baixo;
        int largura, altura;
    } casos[] = {
        {"root only", vazio, "C", "C", largura(12, "C"), altura(12)},
        {"lone * is variant II", vazio, "G", "G*", largura(12, "G") + largura(12, "(II)"),
         altura(12)},
        {"*a is the first variant: no numeral", vazio, "G", "G*a", largura(12, "G"), altura(12)},
        {"variant 14 is XIV", vazio, "C", "C*n", largura(12, "C") + largura(12, "(XIV)"),
         altura(12)},
        {"bass after a slash", vazio, "C", "E", largura(12, "C") + largura(12, "/E"), altura(12)},
        {"fourth position in parentheses", quarta, "C", "C",
         largura(12, "C") + largura(12, "9") + 2 * parentese, altura(12)},
        {"stacked pair as wide as the wider", empilhado, "C", "C",
         largura(12, "C") + std::max(largura(11, "9"), largura(11, "6")),
         std::max(altura(12), altura(11) + h) + h},
        {"aligned and superscript positions", menorSete, "A", "A",
         largura(12, "A") + largura(12, "m") + largura(11, "7"), altura(12) + h},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        const QSize medida = medir(c.elementos, c.raiz, c.baixo);
        EXPECT_EQ(medida.width(), c.largura);
        EXPECT_EQ(medida.height(), c.altura);
    }
}

TEST(ChordName, VariantMarksAndRomanFigures) {
    const struct {
        const char* baixo;
        int variante;
        const char* semMarca;
    } marcas[] = {
        {"G", 1, "G"}, {"G*", 2, "G"}, {"G*a", 1, "G"}, {"F#*c", 3, "F#"}, {"Bb*n", 14, "Bb"}};
    for (const auto& m : marcas) {
        std::string resto;
        EXPECT_EQ(varianteDoBaixo(m.baixo, &resto), m.variante) << m.baixo;
        EXPECT_EQ(resto, m.semMarca);
    }
    const char* romanos[] = {"",    "I",    "II",  "III",  "IV",    "V",   "VI",
                             "VII", "VIII", "IX",  "X",    "XI",    "XII", "XIII",
                             "XIV", "XV",   "XVI", "XVII", "XVIII", "XIX", "XX"};
    for (int n = 0; n <= 20; ++n) EXPECT_EQ(numeroRomano(n), romanos[n]) << n;
}

// Centred in its box: the ink of the name lies within the measured width around the middle.
TEST(ChordName, CentredNameStaysInsideItsMeasuredWidth) {
    QImage imagem = superficie();
    ElementosCifra elementos{};
    elementos[0][0] = "7M";
    QSize medida;
    {
        QPainter p(&imagem);
        OpcoesNomeAcorde o;
        o.caixa = QRect(0, 0, 400, 100);
        o.centralizar = true;
        o.alinharNoTopo = true;
        medida = DesenharNomeAcorde(p, elementos, "C", "E", o);
    }
    const int x0 = (400 - medida.width()) / 2, y0 = (100 - medida.height()) / 2;
    int tinta = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x) {
            if (imagem.pixel(x, y) == qRgb(255, 255, 255)) continue;
            ++tinta;
            EXPECT_TRUE(x >= x0 && x < x0 + medida.width() && y >= y0 && y < y0 + medida.height())
                << x << "," << y;
        }
    EXPECT_GT(tinta, 20);
}

}  // namespace
}  // namespace trovale
