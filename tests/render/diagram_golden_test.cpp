// Diagrams compared pixel for pixel with reference images made once and inspected by eye.
// Set TROVALE_UPDATE_GOLDEN=1 to write the references again (then look at every one).
#include <gtest/gtest.h>

#include <QImage>
#include <optional>
#include <string>

#include "catalogue/fingering_from_frets.h"
#include "catalogue/frets_notation.h"
#include "render/diagram_image.h"

namespace trovale {
namespace {

struct CasoDourado {
    const char* arquivo;
    const char* trastes;
    int largura;
    int orientacao;
    int primeiraCorda;
    int extensao;
};

TDigitacao digitacaoDe(const char* trastes) {
    const std::optional<TrastesAbsolutos> t = lerTrastes(trastes);
    EXPECT_TRUE(t.has_value()) << trastes;
    const std::optional<TDigitacao> d = digitacaoDeTrastes(*t);
    EXPECT_TRUE(d.has_value()) << trastes;
    return d.value_or(TDigitacao{});
}

// Index of the first differing pixel, for a readable failure.
std::string primeiraDiferenca(const QImage& a, const QImage& b) {
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return "none";
}

TEST(DiagramGolden, MatchesReferencePixels) {
    const CasoDourado casos[] = {
        {"open_c.png", "x32010", 120, kOrientacaoVertical, 2, 2},
        {"barre_fret5_label.png", "x 5 7 7 7 5", 120, kOrientacaoVertical, 2, 2},
        {"tiny_c.png", "x32010", 40, kOrientacaoVertical, 2, 2},
        {"horizontal_g.png", "320003", 100, kOrientacaoHorizontal, 2, 2},
        {"string1_left_am.png", "x02210", 120, kOrientacaoVertical, 1, 2},
        {"four_casas_d.png", "xx0232", 100, kOrientacaoVertical, 2, 1},
        {"horizontal_barre_f.png", "133211", 100, kOrientacaoHorizontal, 1, 1},
    };
    const bool atualizar = !qEnvironmentVariableIsEmpty("TROVALE_UPDATE_GOLDEN");
    for (const CasoDourado& c : casos) {
        SCOPED_TRACE(c.arquivo);
        Aparencia aparencia;
        aparencia.Orientacao = c.orientacao;
        aparencia.PrimeiraCorda = c.primeiraCorda;
        aparencia.Extensao = c.extensao;
        const QImage obtida = imagemDiagrama(aparencia, digitacaoDe(c.trastes), c.largura)
                                  .convertToFormat(QImage::Format_RGB32);
        const QString caminho = QStringLiteral(TROVALE_GOLDEN_DIR "/") + c.arquivo;
        if (atualizar) {
            ASSERT_TRUE(obtida.save(caminho, "PNG"));
        }
        const QImage esperada = QImage(caminho).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(esperada.isNull()) << "missing reference " << caminho.toStdString();
        ASSERT_EQ(obtida.size(), esperada.size());
        EXPECT_TRUE(obtida == esperada)
            << "first difference at " << primeiraDiferenca(obtida, esperada);
    }
}

}  // namespace
}  // namespace trovale
