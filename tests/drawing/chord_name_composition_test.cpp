// A chord name laid out once and drawn in many boxes lands exactly where drawing it afresh
// would put it.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "drawing/chord_name_composition.h"
#include "drawing/sheet_rows.h"
#include "support/type_fixture.h"

namespace trovale {
namespace {

struct TextoDesenhado {
    int x, y, pixels;
    std::string texto;
    bool operator==(const TextoDesenhado&) const = default;
};

// Text as wide as a fifth of its font's pixels a character, so that the three fonts of a
// name measure differently; keeps every text drawn.
class TelaGravada : public Tela {
  public:
    explicit TelaGravada(int dpi) : dpi_(dpi) {}
    std::vector<TextoDesenhado> textos;

    int dpi() const override { return dpi_; }
    void salvar() override {}
    void restaurar() override {}
    void recortar(const Retangulo&) override {}
    Retangulo areaVisivel() const override { return {5, 7, 300, 40}; }
    void preencher(const Retangulo&, Cor) override {}
    void linha(int, int, int, int, Cor) override {}
    void contornoPontilhado(const Retangulo&, Cor) override {}
    void elipse(const Retangulo&, Cor) override {}
    void retanguloArredondado(const Retangulo&, double, Cor) override {}
    void fonte(const FonteTela& f) override { pixels_ = f.pixels; }
    MetricasTela metricas() const override {
        return {pixels_ * 4 / 5, pixels_ / 5, pixels_ * 4 / 5 + pixels_ / 5};
    }
    int largura(std::string_view texto) const override {
        return static_cast<int>(texto.size()) * (pixels_ / 5 + 1);
    }
    void texto(int x, int y, std::string_view texto, Cor) override {
        textos.push_back({x, y, pixels_, std::string(texto)});
    }
    void textoNaCaixa(const Retangulo&, int, std::string_view, Cor) override {}

  private:
    int dpi_;
    int pixels_ = 1;
};

ElementosCifra elementos(std::vector<std::tuple<int, int, std::string>> lugares) {
    ElementosCifra e;
    for (const auto& [posicao, slot, texto] : lugares) e[posicao][slot] = texto;
    return e;
}

TEST(ChordNameComposition, DrawsWhereAFreshNameWould) {
    const struct {
        const char* caso;
        ElementosCifra elementos;
        const char* raiz;
        const char* baixo;
    } nomes[] = {
        {"a plain root", {}, "C", "C"},
        {"aligned, superscript and subscript", elementos({{0, 0, "m"}, {1, 0, "<7"}, {2, 0, ">9"}}),
         "A", "A"},
        {"the parenthesised fourth position", elementos({{3, 0, "b5"}, {3, 1, "<#9"}}), "G", "G"},
        {"a bass with a variant", elementos({{1, 0, "7"}}), "D", "F#*c"},
    };
    const struct {
        const char* caso;
        Retangulo caixa;
        bool centralizar, alinharNoTopo;
        int dx, dy;
    } lugares[] = {
        {"bottom left of a box", {10, 20, 80, 30}, false, false, 0, 0},
        {"centred in a narrow box", {10, 20, 9, 30}, true, false, 0, 0},
        {"centred on top", {0, 0, 120, 50}, true, true, 3, -2},
        {"the visible area", {}, false, false, 1, 1},
    };
    for (const auto& n : nomes) {
        for (const auto& l : lugares) {
            OpcoesNome o;
            o.caixa = l.caixa;
            o.centralizar = l.centralizar;
            o.alinharNoTopo = l.alinharNoTopo;
            o.deslocamentoX = l.dx;
            o.deslocamentoY = l.dy;
            o.tamanhoFonte = 11;
            o.prefixo = "Acorde: ";
            TelaGravada fresca(96), composta(96);
            const MedidaNome esperada = DesenharNomeAcorde(fresca, n.elementos, n.raiz, n.baixo, o);
            const NomeComposto nome = ComporNomeAcorde(composta, n.elementos, n.raiz, n.baixo, o);
            composta.textos.clear();  // composing measures; only drawing counts here
            const MedidaNome medida = DesenharNomeComposto(composta, nome, o);
            EXPECT_EQ(medida.largura, esperada.largura) << n.caso << ", " << l.caso;
            EXPECT_EQ(medida.altura, esperada.altura) << n.caso << ", " << l.caso;
            EXPECT_EQ(composta.textos, fresca.textos) << n.caso << ", " << l.caso;
        }
    }
}

TEST(ChordNameComposition, ASheetLaysANameOutAgainForAnotherResolutionOrFont) {
    const CatalogoTipos tipos = testing::montarCatalogo({{1, "Maior", "3 5", ""}});
    LeiturasDeAcordes leituras(tipos);
    ASSERT_TRUE(leituras.ler("C").ehAcorde);
    OpcoesNome o;
    o.tamanhoFonte = 10;
    TelaGravada tela(96), papel(1200);
    const auto largura = [&](TelaGravada& t) {
        return DesenharNomeAcorde(t, {}, "C", "C", o).largura;
    };
    const int naTela = leituras.nome(tela, "C", o).medida.largura;
    const int noPapel = leituras.nome(papel, "C", o).medida.largura;
    EXPECT_EQ(naTela, largura(tela));
    EXPECT_EQ(noPapel, largura(papel));
    EXPECT_GT(noPapel, naTela);
    o.tamanhoFonte = 20;
    EXPECT_EQ(leituras.nome(papel, "C", o).medida.largura, largura(papel));
}

}  // namespace
}  // namespace trovale
