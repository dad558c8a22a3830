#include "render/stage_pages.h"

#include <QPainter>
#include <algorithm>

#include "drawing/sheet_pages.h"
#include "render/printer_metrics.h"
#include "render/qt_canvas.h"

namespace trovale {

namespace {

constexpr int kDpiTela = 96;
constexpr double kMmPorPolegada = 25.4;
constexpr double kPolegadasPorMetro = 39.3701;
constexpr int kSuperamostra = 2;

}  // namespace

PaginasDoPalco::PaginasDoPalco(const SongDocument& doc, const CatalogoTipos& tipos,
                               const Aparencia& aparencia)
    : doc_(doc),
      tipos_(tipos),
      aparencia_(aparencia),
      disposta_(disporSemImpressora(doc, tipos, aparencia, kDpiTela, 0)) {}

// The page as tall as its rows make it on screen, margins included: paper squeezes a full page's
// rows a little to fit the sheet, the stage gives them the room they take on screen.
int PaginasDoPalco::alturaNaTela() const {
    return std::max(1, pageScreenHeight(disposta_.folha, doc_.Layout, kDpiTela, 1));
}

int PaginasDoPalco::larguraPara(int altura) const {
    const PageMetrics papel = metricasSemImpressora(doc_.Layout.orientacao == 1);
    const double larguraNaTela = papel.larguraPapelMm * kDpiTela / kMmPorPolegada;
    return std::max(1, static_cast<int>(altura * larguraNaTela / alturaNaTela()));
}

const QImage& PaginasDoPalco::pagina(int numero, int altura, bool escuro) {
    const auto chave = std::tuple(numero, altura, escuro);
    if (const auto feita = feitas_.find(chave); feita != feitas_.end()) return feita->second;
    // Drawn at twice the size and brought down smoothly: at a screen's resolution the letters
    // would touch their rows' edges, as they never do on paper.
    QImage imagem = desenhar(numero, altura * kSuperamostra)
                        .scaledToHeight(altura, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_RGB32);
    if (escuro) escurecer(imagem);
    return feitas_.emplace(chave, std::move(imagem)).first->second;
}

QImage PaginasDoPalco::desenhar(int numero, int altura) const {
    const PageMetrics papel = metricasSemImpressora(doc_.Layout.orientacao == 1);
    const double dpi = static_cast<double>(altura) * kDpiTela / alturaNaTela();
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
