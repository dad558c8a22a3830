#include "drawing/chord_name_composition.h"

#include <algorithm>
#include <array>
#include <vector>

#include "base/text_codec.h"

namespace trovale {

namespace {

enum Fonte { kPrincipal, kPequena, kParentese };

struct Texto {
    std::string texto;  // UTF-8
    Fonte fonte;
    int x;
    int y;  // top
};

// A position's texts sorted into the three rows by their marks (which are not drawn).
struct Posicao {
    std::string sobrescrito, alinhado, subscrito;
    bool vazia() const { return sobrescrito.empty() && alinhado.empty() && subscrito.empty(); }
};

Posicao separar(const std::array<std::string, kSlotsPorPosicao>& lugares) {
    Posicao pos;
    for (const std::string& s : lugares) {
        if (s.empty()) continue;
        if (s[0] == kMarcaSobrescrito)
            pos.sobrescrito += utf8DeWindows1252(std::string_view(s).substr(1));
        else if (s[0] == kMarcaSubscrito)
            pos.subscrito += utf8DeWindows1252(std::string_view(s).substr(1));
        else
            pos.alinhado += utf8DeWindows1252(s);
    }
    return pos;
}

// The three fonts of a name on one surface, measured there.
class Fontes {
  public:
    // Pixel heights as the program keeps them: the small and parenthesis fonts are 0.89 and
    // 1.11 of the main height, rounded.
    Fontes(Tela& tela, const OpcoesNome& o) : tela_(tela) {
        FonteTela base = o.fonte;
        if (o.tamanhoFonte == 0) base = FonteTela{"Arial", 0, 0, false, false, true};
        const double pontos = o.tamanhoFonte == 0 ? 9 : o.tamanhoFonte;
        const int principal = std::max(1, static_cast<int>(pontos * tela.dpi() / 72.0 + 0.5));
        const int alturas[3] = {principal, static_cast<int>(principal * 0.89 + 0.5),
                                static_cast<int>(principal * 1.11 + 0.5)};
        for (int k = 0; k < 3; ++k) {
            f_[k] = base;
            f_[k].pontos = 0;
            f_[k].pixels = std::max(1, alturas[k]);
            tela.fonte(f_[k]);
            metricas_[k] = tela.metricas();
        }
    }
    int largura(Fonte k, std::string_view t) const {
        if (t.empty()) return 0;
        tela_.fonte(f_[k]);
        return tela_.largura(t);
    }
    int altura(Fonte k) const { return metricas_[k].altura; }
    int ascendente(Fonte k) const { return metricas_[k].ascendente; }
    const FonteTela& fonte(Fonte k) const { return f_[k]; }

  private:
    Tela& tela_;
    std::array<FonteTela, 3> f_;
    std::array<MetricasTela, 3> metricas_;
};

}  // namespace

int varianteDoBaixo(std::string_view baixo, std::string* semMarca) {
    const std::size_t asterisco = baixo.find('*');
    if (semMarca) *semMarca = std::string(baixo.substr(0, asterisco));
    if (asterisco == std::string_view::npos) return 1;
    if (asterisco + 1 >= baixo.size()) return 2;
    return static_cast<unsigned char>(baixo[asterisco + 1]) - 96;
}

std::string numeroRomano(int n) {
    if (n <= 0) return "";
    if (n >= 10) return "X" + numeroRomano(n - 10);
    if (n == 9) return "IX";
    if (n >= 5) return "V" + std::string(n - 5, 'I');
    if (n == 4) return "IV";
    return std::string(n, 'I');
}

NomeComposto ComporNomeAcorde(Tela& tela, const ElementosCifra& elementos, std::string_view raiz,
                              std::string_view baixoComMarca, const OpcoesNome& o) {
    std::string baixo;
    const int variante = varianteDoBaixo(baixoComMarca, &baixo);
    const std::string numeral = variante == 1 ? "" : "(" + numeroRomano(variante) + ")";
    const std::string inicio = o.prefixo + utf8DeWindows1252(raiz);
    const std::string parteBaixo = baixo != raiz ? "/" + utf8DeWindows1252(baixo) : "";

    const Fontes fontes(tela, o);
    const int h = fontes.altura(kPequena) / 2;
    Posicao pos[kPosicoesCifra];
    int largura[kPosicoesCifra];
    bool temSobrescrito = o.alinharNoTopo, temSubscrito = o.alinharNoTopo, temAlinhado = false;
    for (int i = 0; i < kPosicoesCifra; ++i) {
        pos[i] = separar(elementos[i]);
        largura[i] = std::max({fontes.largura(kPequena, pos[i].sobrescrito),
                               fontes.largura(kPequena, pos[i].subscrito),
                               fontes.largura(kPrincipal, pos[i].alinhado)});
        temSobrescrito |= !pos[i].sobrescrito.empty();
        temSubscrito |= !pos[i].subscrito.empty();
        temAlinhado |= !pos[i].alinhado.empty();
    }
    const bool parenteses = !pos[3].vazia();
    const int larguraParentese = fontes.largura(kParentese, "(") + 1;
    const int elevacao = fontes.altura(kParentese) - fontes.altura(kPrincipal) + 1;

    int total = fontes.largura(kPrincipal, inicio) + fontes.largura(kPrincipal, parteBaixo) +
                fontes.largura(kPrincipal, numeral) + (parenteses ? 2 * larguraParentese : 0);
    for (int w : largura) total += w;
    int altura = fontes.altura(kPrincipal);
    if (temSubscrito) altura = std::max(altura, fontes.altura(kPequena) + h);
    if (o.alinharNoTopo) altura = std::max(altura, fontes.altura(kPequena) + h);
    if (temAlinhado) altura = std::max(altura, fontes.altura(kPrincipal));
    if (!temSubscrito && parenteses)
        altura = std::max(altura, fontes.altura(kParentese) - elevacao);
    if (temSobrescrito) altura += h;
    NomeComposto nome;
    nome.medida = {total, altura};
    nome.acimaDoAlinhado = temSobrescrito ? h : 0;
    nome.abaixoDoAlinhado = fontes.ascendente(kPequena) + h;
    if (o.apenasMedir) return nome;

    // From the name's left edge and the top of its aligned row.
    int x = 0;
    const int linha = 0;

    std::vector<Texto> textos;
    auto escrever = [&](const std::string& t, Fonte f, int y) {
        if (!t.empty()) textos.push_back({t, f, x, y});
        x += fontes.largura(f, t);
    };
    escrever(inicio, kPrincipal, linha);
    for (int i = 0; i < kPosicoesCifra; ++i) {
        if (i == 3 && parenteses) {
            textos.push_back({"(", kParentese, x, linha - elevacao});
            x += larguraParentese;
        }
        const bool centrar = i == 3;
        auto pequeno = [&](const std::string& t, int y) {
            if (t.empty()) return;
            const int deslocar = centrar ? (largura[i] - fontes.largura(kPequena, t)) / 2 : 0;
            textos.push_back({t, kPequena, x + deslocar, y});
        };
        if (!pos[i].alinhado.empty()) textos.push_back({pos[i].alinhado, kPrincipal, x, linha});
        pequeno(pos[i].sobrescrito, linha - h);
        pequeno(pos[i].subscrito, linha + h);
        x += largura[i];
        if (i == 3 && parenteses) {
            textos.push_back({")", kParentese, x, linha - elevacao});
            x += larguraParentese;
        }
    }
    escrever(parteBaixo, kPrincipal, linha);
    escrever(numeral, kPrincipal, linha);

    for (Texto& t : textos)
        nome.pecas.push_back(
            {std::move(t.texto), fontes.fonte(t.fonte), t.x, t.y + fontes.ascendente(t.fonte)});
    return nome;
}

MedidaNome DesenharNomeComposto(Tela& tela, const NomeComposto& nome, const OpcoesNome& o) {
    const Retangulo caixa = o.caixa.vazio() ? tela.areaVisivel() : o.caixa;
    const MedidaNome& medida = nome.medida;
    const int x =
        caixa.x + (o.centralizar ? (caixa.largura - medida.largura) / 2 : 0) + o.deslocamentoX;
    const int linha =
        o.deslocamentoY + (o.alinharNoTopo
                               ? caixa.y + (caixa.altura - medida.altura) / 2 + nome.acimaDoAlinhado
                               : caixa.y + caixa.altura - nome.abaixoDoAlinhado);
    for (const NomeComposto::Peca& p : nome.pecas) {
        tela.fonte(p.fonte);
        tela.texto(x + p.x, linha + p.yBase, p.texto, o.cor);
    }
    return medida;
}

MedidaNome DesenharNomeAcorde(Tela& tela, const ElementosCifra& elementos, std::string_view raiz,
                              std::string_view baixo, const OpcoesNome& o) {
    const NomeComposto nome = ComporNomeAcorde(tela, elementos, raiz, baixo, o);
    return o.apenasMedir ? nome.medida : DesenharNomeComposto(tela, nome, o);
}

}  // namespace trovale
