#include "ui/fingering_editor/piano_keys.h"

#include <QPainter>
#include <array>
#include <cmath>

#include "catalogue/intervals.h"
#include "catalogue/notes.h"
#include "ui/fingering_editor/chord_tone_colours.h"

namespace trovale {

namespace {

// Position of each semitone of the octave among the seven white keys; black keys name the
// white key whose left edge they straddle.
constexpr std::array<int, 12> kBrancaDoSemitom = {0, 1, 1, 2, 2, 3, 4, 4, 5, 5, 6, 6};
constexpr std::array<bool, 12> kPreta = {false, true,  false, true,  false, false,
                                         true,  false, true,  false, true,  false};

int arredondar(double x) {
    return static_cast<int>(x + 0.5);
}

}  // namespace

bool TecladoPiano::preta(int tecla) const {
    return kPreta[(tecla - 1) % 12];
}

QRect TecladoPiano::retangulo(int tecla) const {
    const int oitava = (tecla - 1) / 12;
    const int branca = oitava * 7 + kBrancaDoSemitom[(tecla - 1) % 12];
    if (!preta(tecla)) return {branca * larguraTecla, 0, larguraTecla + 1, tamanho.height()};
    const int divisa = branca * larguraTecla;
    return {divisa - meiaPreta, 0, 2 * meiaPreta + 1, alturaPreta};
}

TecladoPiano tecladoParaLargura(int larguraPainel) {
    TecladoPiano t;
    t.larguraTecla = std::max(1, (larguraPainel - 1) / kTeclasBrancas);
    const int largura = kTeclasBrancas * t.larguraTecla + 1;
    t.tamanho = QSize(largura, arredondar(0.2 * largura));
    t.meiaPreta = arredondar(0.6 * t.larguraTecla) / 2;
    t.alturaPreta = arredondar(0.68 * t.tamanho.height());
    return t;
}

std::map<int, QColor> teclasDoAcorde(const TTipoAcorde& tipo, int raiz) {
    std::map<int, QColor> marcas;
    if (raiz < 1 || raiz > 12) return marcas;
    const int teclaRaiz = reduzirNota(raiz + 9);
    marcas[teclaRaiz] = kCoresDosTons[0].fundo;
    for (std::size_t j = 0; j < tipo.Intervalos.size(); ++j) {
        const int codigo = tipo.Intervalos[j];
        if (codigo < 1 || codigo > kMaxCodigoIntervalo) continue;
        const int tecla = teclaRaiz + TabelaIntervalos[codigo].semitons;
        if (tecla <= kTeclasPiano) marcas[tecla] = kCoresDosTons[j + 1].fundo;
    }
    return marcas;
}

void desenharTeclado(QPainter& p, const TecladoPiano& t, const std::map<int, QColor>& marcas) {
    p.save();
    p.setPen(Qt::black);
    for (int tecla = 1; tecla <= kTeclasPiano; ++tecla) {
        if (t.preta(tecla)) continue;
        const auto marca = marcas.find(tecla);
        p.setBrush(marca != marcas.end() ? marca->second : QColor(Qt::white));
        const QRect r = t.retangulo(tecla);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    for (int tecla = 1; tecla <= kTeclasPiano; ++tecla) {
        if (!t.preta(tecla)) continue;
        const auto marca = marcas.find(tecla);
        p.setBrush(marca != marcas.end() ? marca->second : QColor(Qt::black));
        p.drawRect(t.retangulo(tecla).adjusted(0, 0, -1, -1));
    }
    p.restore();
}

}  // namespace trovale
