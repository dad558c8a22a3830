#include "render/chord_name.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "render/qt_text.h"

namespace trovale {

namespace {

enum Fonte { kPrincipal, kPequena, kParentese };

struct Texto {
    QString texto;
    Fonte fonte;
    int x;
    int y;  // top
};

// A position's texts sorted into the three rows by their marks (which are not drawn).
struct Posicao {
    QString sobrescrito, alinhado, subscrito;
    bool vazia() const {
        return sobrescrito.isEmpty() && alinhado.isEmpty() && subscrito.isEmpty();
    }
};

Posicao separar(const std::array<std::string, kSlotsPorPosicao>& lugares) {
    Posicao pos;
    for (const std::string& s : lugares) {
        if (s.empty()) continue;
        if (s[0] == kMarcaSobrescrito)
            pos.sobrescrito += qs(std::string_view(s).substr(1));
        else if (s[0] == kMarcaSubscrito)
            pos.subscrito += qs(std::string_view(s).substr(1));
        else
            pos.alinhado += qs(s);
    }
    return pos;
}

struct Fontes {
    QFont f[3];
    QFontMetrics metricas(Fonte k) const { return QFontMetrics(f[k]); }
    int largura(Fonte k, const QString& t) const { return metricas(k).horizontalAdvance(t); }
    int altura(Fonte k) const { return metricas(k).height(); }
};

// Pixel heights as the program keeps them: the small and parenthesis fonts are 0.89 and 1.11
// of the main height, rounded.
Fontes criarFontes(const QPainter& p, const OpcoesNomeAcorde& o) {
    QFont base = o.tamanhoFonte == 0 ? QFont(QStringLiteral("Arial")) : p.font();
    const double pontos = o.tamanhoFonte == 0 ? 9 : o.tamanhoFonte;
    const int dpi = p.device() ? p.device()->logicalDpiY() : 96;
    const int principal = std::max(1, static_cast<int>(pontos * dpi / 72.0 + 0.5));
    Fontes fontes;
    const int alturas[3] = {principal, static_cast<int>(principal * 0.89 + 0.5),
                            static_cast<int>(principal * 1.11 + 0.5)};
    for (int k = 0; k < 3; ++k) {
        fontes.f[k] = base;
        fontes.f[k].setPixelSize(std::max(1, alturas[k]));
    }
    return fontes;
}

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

QSize DesenharNomeAcorde(QPainter& p, const ElementosCifra& elementos, std::string_view raiz,
                         std::string_view baixoComMarca, const OpcoesNomeAcorde& o) {
    std::string baixo;
    const int variante = varianteDoBaixo(baixoComMarca, &baixo);
    const QString numeral =
        variante == 1 ? QString() : "(" + QString::fromStdString(numeroRomano(variante)) + ")";
    const QString inicio = o.prefixo + qs(raiz);
    const QString parteBaixo = baixo != raiz ? "/" + qs(baixo) : QString();

    const Fontes fontes = criarFontes(p, o);
    const int h = fontes.altura(kPequena) / 2;
    Posicao pos[kPosicoesCifra];
    int largura[kPosicoesCifra];
    bool temSobrescrito = o.alinharNoTopo, temSubscrito = o.alinharNoTopo, temAlinhado = false;
    for (int i = 0; i < kPosicoesCifra; ++i) {
        pos[i] = separar(elementos[i]);
        largura[i] = std::max({fontes.largura(kPequena, pos[i].sobrescrito),
                               fontes.largura(kPequena, pos[i].subscrito),
                               fontes.largura(kPrincipal, pos[i].alinhado)});
        temSobrescrito |= !pos[i].sobrescrito.isEmpty();
        temSubscrito |= !pos[i].subscrito.isEmpty();
        temAlinhado |= !pos[i].alinhado.isEmpty();
    }
    const bool parenteses = !pos[3].vazia();
    const int larguraParentese = fontes.largura(kParentese, QStringLiteral("(")) + 1;
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
    const QSize medida(total, altura);
    if (o.apenasMedir) return medida;

    QRect caixa = o.caixa;
    if (caixa.isEmpty()) caixa = p.hasClipping() ? p.clipBoundingRect().toRect() : p.window();
    int x = caixa.left() + (o.centralizar ? (caixa.width() - total) / 2 : 0) + o.deslocamentoX;
    int linha;  // top of the aligned row
    if (o.alinharNoTopo)
        linha = caixa.top() + (caixa.height() - altura) / 2 + (temSobrescrito ? h : 0);
    else
        linha = caixa.top() + caixa.height() - fontes.metricas(kPequena).ascent() - h;
    linha += o.deslocamentoY;

    std::vector<Texto> textos;
    auto escrever = [&](const QString& t, Fonte f, int y) {
        if (!t.isEmpty()) textos.push_back({t, f, x, y});
        x += fontes.largura(f, t);
    };
    escrever(inicio, kPrincipal, linha);
    for (int i = 0; i < kPosicoesCifra; ++i) {
        if (i == 3 && parenteses) {
            textos.push_back({QStringLiteral("("), kParentese, x, linha - elevacao});
            x += larguraParentese;
        }
        const bool centrar = i == 3;
        auto pequeno = [&](const QString& t, int y) {
            if (t.isEmpty()) return;
            const int deslocar = centrar ? (largura[i] - fontes.largura(kPequena, t)) / 2 : 0;
            textos.push_back({t, kPequena, x + deslocar, y});
        };
        if (!pos[i].alinhado.isEmpty()) textos.push_back({pos[i].alinhado, kPrincipal, x, linha});
        pequeno(pos[i].sobrescrito, linha - h);
        pequeno(pos[i].subscrito, linha + h);
        x += largura[i];
        if (i == 3 && parenteses) {
            textos.push_back({QStringLiteral(")"), kParentese, x, linha - elevacao});
            x += larguraParentese;
        }
    }
    escrever(parteBaixo, kPrincipal, linha);
    escrever(numeral, kPrincipal, linha);

    p.save();
    p.setPen(o.cor);
    p.setBackgroundMode(Qt::TransparentMode);
    for (const Texto& t : textos) {
        p.setFont(fontes.f[t.fonte]);
        p.drawText(t.x, t.y + fontes.metricas(t.fonte).ascent(), t.texto);
    }
    p.restore();
    return medida;
}

}  // namespace trovale
