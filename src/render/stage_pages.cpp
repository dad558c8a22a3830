#include "render/stage_pages.h"

#include <QPainter>
#include <algorithm>

#include "drawing/sheet_pages.h"
#include "render/page_metrics.h"
#include "render/qt_canvas.h"

namespace trovale {

namespace {

constexpr int kDpiTela = 96;
constexpr double kMmPorPolegada = 25.4;
constexpr double kPolegadasPorMetro = 39.3701;

}  // namespace

PaginasDoPalco::PaginasDoPalco(const SongDocument& doc, const CatalogoTipos& tipos,
                               const Aparencia& aparencia)
    : doc_(doc),
      tipos_(tipos),
      aparencia_(aparencia),
      disposta_(disporSemImpressora(doc, tipos, aparencia, kDpiTela, 0)) {}

int PaginasDoPalco::larguraPara(int altura) const {
    const PageMetrics papel = metricasSemImpressora(doc_.Layout.orientacao == 1);
    return std::max(1, altura * papel.larguraPapelMm / std::max(1, papel.alturaPapelMm));
}

const QImage& PaginasDoPalco::pagina(int numero, int altura, bool escuro) {
    const auto chave = std::tuple(numero, altura, escuro);
    if (const auto feita = feitas_.find(chave); feita != feitas_.end()) return feita->second;
    QImage imagem = desenhar(numero, altura);
    if (escuro) escurecer(imagem);
    return feitas_.emplace(chave, std::move(imagem)).first->second;
}

QImage PaginasDoPalco::desenhar(int numero, int altura) const {
    const PageMetrics papel = metricasSemImpressora(doc_.Layout.orientacao == 1);
    const double dpi = altura * kMmPorPolegada / std::max(1, papel.alturaPapelMm);
    PageMetrics m = papel;
    m.pixelsPorMmX = m.pixelsPorMmY = dpi / kMmPorPolegada;
    m.larguraFisica = m.larguraImprimivel = larguraPara(altura);
    m.alturaFisica = m.alturaImprimivel = altura;
    m.deslocamentoX = m.deslocamentoY = 0;
    QImage imagem(m.larguraFisica, altura, QImage::Format_RGB32);
    imagem.setDotsPerMeterX(static_cast<int>(dpi * kPolegadasPorMetro));
    imagem.setDotsPerMeterY(static_cast<int>(dpi * kPolegadasPorMetro));
    imagem.fill(Qt::white);
    const SheetMeasure medidaPapel(doc_.Template, tipos_, std::max(1, static_cast<int>(dpi + 0.5)));
    const PinturaFolha tela{doc_, disposta_.folha, tipos_, aparencia_};
    PaginasDaFolha paginas(tela, medidaPapel, m, kDpiTela);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    TelaQt superficie(p);
    paginas.desenhar(superficie, numero);
    return imagem;
}

void escurecer(QImage& imagem) {
    for (int y = 0; y < imagem.height(); ++y) {
        auto* linha = reinterpret_cast<QRgb*>(imagem.scanLine(y));
        for (int x = 0; x < imagem.width(); ++x) {
            const int r = qRed(linha[x]), g = qGreen(linha[x]), b = qBlue(linha[x]);
            const int extremos = std::max({r, g, b}) + std::min({r, g, b});
            linha[x] = qRgb(255 - extremos + r, 255 - extremos + g, 255 - extremos + b);
        }
    }
}

}  // namespace trovale
