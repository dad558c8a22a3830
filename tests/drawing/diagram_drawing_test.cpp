#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "drawing/diagram.h"
#include "drawing/diagram_fit.h"
#include "fingering/fingering_builders.h"

namespace trovale {
namespace {

using testing::dedilhado;

struct Forma {
    Retangulo r;
    Cor cor;
};

// Keeps what was drawn; text is 7 pixels a character and 13 high.
class TelaGravada : public Tela {
  public:
    std::vector<Forma> preenchidos, elipses;
    std::vector<std::pair<int, int>> meiosDeLinha;
    std::vector<std::string> textos;

    int dpi() const override { return 96; }
    void salvar() override {}
    void restaurar() override {}
    void recortar(const Retangulo&) override {}
    Retangulo areaVisivel() const override { return {0, 0, 1000, 1000}; }
    void preencher(const Retangulo& r, Cor cor) override { preenchidos.push_back({r, cor}); }
    void linha(int x0, int y0, int x1, int y1, Cor) override {
        meiosDeLinha.emplace_back((x0 + x1) / 2, (y0 + y1) / 2);
    }
    void contornoPontilhado(const Retangulo&, Cor) override {}
    void elipse(const Retangulo& r, Cor cor) override { elipses.push_back({r, cor}); }
    void retanguloArredondado(const Retangulo&, double, Cor) override {}
    void fonte(const FonteTela&) override {}
    MetricasTela metricas() const override { return {10, 3, 13}; }
    int largura(std::string_view texto) const override {
        return 7 * static_cast<int>(texto.size());
    }
    void texto(int, int, std::string_view texto, Cor) override { textos.emplace_back(texto); }
    void textoNaCaixa(const Retangulo&, int, std::string_view texto, Cor) override {
        textos.emplace_back(texto);
    }
};

constexpr Cor kCinza{128, 128, 128};

TEST(DiagramDrawing, GridHasSixStringsAndAFretPerCasaPlusTheBase) {
    const struct {
        int orientacao, extensao, W, H, barrasAtravessadas;
    } casos[] = {{kOrientacaoVertical, 2, 100, 120, 6},
                 {kOrientacaoVertical, 1, 100, 100, 5},
                 {kOrientacaoHorizontal, 2, 120, 100, 6}};
    for (const auto& c : casos) {
        Aparencia a;
        a.Orientacao = c.orientacao;
        a.Extensao = c.extensao;
        TelaGravada tela;
        MedidasDiagrama m;
        DesenharBraco(tela, a, m, 10, 10, c.W, c.H);
        int cordas = 0, atravessadas = 0;
        for (const Forma& f : tela.preenchidos) {
            ASSERT_EQ(f.cor, kCorPreta);
            const bool aoComprido = c.orientacao == kOrientacaoVertical ? f.r.altura > f.r.largura
                                                                        : f.r.largura > f.r.altura;
            ++(aoComprido ? cordas : atravessadas);
        }
        EXPECT_EQ(cordas, 6) << c.orientacao << c.extensao;
        EXPECT_EQ(atravessadas, c.barrasAtravessadas) << c.orientacao << c.extensao;
    }
}

// A barre reaching past the neck draws nothing (it once read beyond the strings).
TEST(DiagramDrawing, ABarreOffTheNeckIsNotDrawn) {
    const struct {
        int casa, primeira, ultima;
        bool desenhada;
    } casos[] = {{1, 1, 6, true},  {1, 7, 6, false}, {1, 0, 6, false},
                 {1, 1, 7, false}, {6, 1, 6, false}, {0, 1, 6, false}};
    for (const auto& c : casos) {
        TelaGravada grade;
        MedidasDiagrama m;
        DesenharBraco(grade, Aparencia{}, m, 0, 0, 100, 120);
        TelaGravada tela;
        DesenharPestana(tela, m, c.casa, c.primeira, c.ultima, kCinza, 2);
        EXPECT_EQ(!tela.preenchidos.empty(), c.desenhada) << c.casa << c.primeira << c.ultima;
    }
}

// The string and casa under a point of the grid, as a player reads it off the picture.
std::pair<int, int> lugar(const MedidasDiagrama& m, int x, int y) {
    int corda = 0, casa = 0;
    for (int k = 1; k <= kCordas; ++k)
        if (std::abs(x - m.Corda[k].inicio) <= m.Rp) corda = k;
    for (int k = 1; k <= m.Casas; ++k)
        if (y >= m.Casa[k].inicio && y <= m.Casa[k].fim) casa = k;
    return {corda, casa};
}

TEST(DiagramDrawing, FingeringShowsDotsBarresMutedStringsAndStartFret) {
    using Lugares = std::vector<std::pair<int, int>>;
    const struct {
        const char* trastes;
        int casa;
        Pestana pestana;  // none when empty
        Lugares pontos;   // (string, casa), sorted
        int pestanasCinza;
        std::vector<int> cordasMudas;
        std::vector<std::string> rotulo;
    } casos[] = {
        {"x 3 2 0 1 0", 1, {}, {{2, 1}, {4, 2}, {5, 3}}, 0, {6}, {}},
        {"1 3 3 2 1 1",
         1,
         {1, 6, 1},
         {{1, 1}, {2, 1}, {3, 1}, {3, 2}, {4, 1}, {4, 3}, {5, 1}, {5, 3}, {6, 1}},
         1,
         {},
         {}},
        {"x 5 7 7 7 5",
         5,
         {1, 5, 1},
         {{1, 1}, {2, 1}, {2, 3}, {3, 1}, {3, 3}, {4, 1}, {4, 3}, {5, 1}},
         1,
         {6},
         {"5"}},
    };
    for (const auto& c : casos) {
        const TDigitacao d = c.pestana.vazia() ? dedilhado(c.trastes, c.casa)
                                               : dedilhado(c.trastes, c.casa, {c.pestana});
        TelaGravada tela;
        MedidasDiagrama m;
        DesenharBraco(tela, Aparencia{}, m, 10, 10, 100, 120);
        tela.preenchidos.clear();
        DesenharDigitacao(tela, m, d);
        DesenharRotuloCasa(tela, m, d.Casa);

        Lugares pontos;
        for (const Forma& e : tela.elipses)
            if (e.cor == kCorPreta)
                pontos.push_back(lugar(m, e.r.x + e.r.largura / 2, e.r.y + e.r.altura / 2));
        std::sort(pontos.begin(), pontos.end());
        EXPECT_EQ(pontos, c.pontos) << c.trastes;
        EXPECT_EQ(std::count_if(tela.preenchidos.begin(), tela.preenchidos.end(),
                                [](const Forma& f) { return f.cor == kCinza; }),
                  c.pestanasCinza)
            << c.trastes;
        std::vector<int> mudas;
        for (const auto& [x, y] : tela.meiosDeLinha) mudas.push_back(lugar(m, x, y).first);
        std::sort(mudas.begin(), mudas.end());
        mudas.erase(std::unique(mudas.begin(), mudas.end()), mudas.end());
        EXPECT_EQ(mudas, c.cordasMudas) << c.trastes;
        EXPECT_EQ(tela.textos, c.rotulo) << c.trastes;
    }
}

// Every note and barre of a fingering lands on the grid, whatever rows, orientation or side
// the diagrams take: with 4 rows a shape reaching row 5 moves up a fret, one spanning all 5
// rows gets a grid of 5.
TEST(DiagramDrawing, EveryNoteOfAFingeringLandsOnTheGrid) {
    using Lugares = std::vector<std::pair<int, int>>;
    const Pestana inteira{1, 6, 3};
    const struct {
        const char* nome;
        TDigitacao digitacao;
        int extensao;
        Lugares pontos;  // (string, row), sorted
        int linhas;
        std::vector<std::string> rotulo;
    } casos[] = {
        // Gm7 3 5 3 3 3 3, written from the first fret.
        {"Gm7/5", dedilhado("3 5 3 3 3 3", 1, {inteira}), 2,
         {{1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3}, {5, 5}, {6, 3}}, 5, {}},
        {"Gm7/4", dedilhado("3 5 3 3 3 3", 1, {inteira}), 1,
         {{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {5, 4}, {6, 2}}, 4, {"2"}},
        {"span/4", dedilhado("x 1 3 3 5 x"), 1, {{2, 5}, {3, 3}, {4, 3}, {5, 1}}, 5, {}},
        {"C/4", dedilhado("x 3 2 0 1 0"), 1, {{2, 1}, {4, 2}, {5, 3}}, 4, {}},
    };
    for (const auto& c : casos)
        for (const int orientacao : {kOrientacaoVertical, kOrientacaoHorizontal})
            for (const int inicio : {1, 2})
                for (const int primeira : {1, 2}) {
                    SCOPED_TRACE(::testing::Message() << c.nome << " orientation " << orientacao
                                                      << " start " << inicio << " first "
                                                      << primeira);
                    Aparencia aparencia;
                    aparencia.Orientacao = orientacao;
                    aparencia.Inicio = inicio;
                    aparencia.PrimeiraCorda = primeira;
                    aparencia.Extensao = c.extensao;
                    const DiagramaInteiro inteiro = diagramaInteiro(aparencia, c.digitacao);
                    TelaGravada tela;
                    MedidasDiagrama m;
                    DesenharBraco(tela, inteiro.aparencia, m, 10, 10, 120, 120);
                    DesenharDigitacao(tela, m, inteiro.digitacao);
                    DesenharRotuloCasa(tela, m, inteiro.digitacao.Casa);
                    EXPECT_EQ(m.Casas, c.linhas);
                    const bool vertical = orientacao == kOrientacaoVertical;
                    Lugares pontos;
                    for (const Forma& e : tela.elipses) {
                        if (e.cor != kCorPreta) continue;
                        const int x = e.r.x + e.r.largura / 2, y = e.r.y + e.r.altura / 2;
                        const int atraves = vertical ? x : y, aoLongo = vertical ? y : x;
                        int corda = 0, casa = 0;
                        for (int k = 1; k <= kCordas; ++k)
                            if (std::abs(atraves - m.Corda[k].inicio) <= m.Rp) corda = k;
                        for (int k = 1; k <= m.Casas; ++k)
                            if (aoLongo >= m.Casa[k].inicio && aoLongo <= m.Casa[k].fim)
                                casa = k;
                        pontos.emplace_back(corda, casa);
                    }
                    std::sort(pontos.begin(), pontos.end());
                    EXPECT_EQ(pontos, c.pontos);
                    EXPECT_EQ(tela.textos, c.rotulo);
                }
}

}  // namespace
}  // namespace trovale
