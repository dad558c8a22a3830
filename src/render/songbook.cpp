#include "render/songbook.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <optional>

#include "fonts/font_memory.h"
#include "render/pdf_export.h"
#include "render/qt_canvas.h"
#include "render/sheet_measure.h"

namespace trovale {

namespace {

// The book on Qt's PDF pages, measured with Qt.
class MeiosDoQt : public MeiosDoCaderno {
  public:
    MeiosDoQt(const CatalogoTipos& tipos, const std::string& titulo)
        : tipos_(tipos), livro_(&saida_) {
        saida_.open(QIODevice::WriteOnly);
        livro_.setResolution(kDpiCaderno);
        livro_.setCreator(QStringLiteral("Trovale"));
        livro_.setTitle(QString::fromStdString(titulo));
    }
    ~MeiosDoQt() override {
        if (pintor_.isActive()) pintor_.end();
    }
    MeiosDoQt(const MeiosDoQt&) = delete;
    MeiosDoQt& operator=(const MeiosDoQt&) = delete;

    std::shared_ptr<const TextMeasure> medida(const Modelo& modelo, int dpi) override {
        return std::make_shared<SheetMeasure>(modelo, tipos_, dpi);
    }

    Tela& novaPagina(int larguraMm, int alturaMm) override {
        livro_.setPageLayout(layoutDaPaginaPdf({larguraMm, alturaMm}));
        if (pintor_.isActive())
            livro_.newPage();
        else
            pintor_.begin(&livro_);
        tela_.emplace(pintor_);
        return *tela_;
    }

    bool concluirPagina() override { return pintor_.isActive(); }

    // The finished file; nothing when Qt could not write it.
    std::optional<std::string> terminar() {
        if (!pintor_.isActive() || !pintor_.end()) return std::nullopt;
        const QByteArray& bytes = saida_.data();
        return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }

  private:
    const CatalogoTipos& tipos_;
    QBuffer saida_;
    QPdfWriter livro_;
    QPainter pintor_;
    std::optional<TelaQt> tela_;
};

CadernoMontado cadernoPeloQt(const PedidoCaderno& pedido, const RecursosCaderno& recursos,
                             const AndamentoCaderno& andamento) {
    MeiosDoQt meios(recursos.tipos, pedido.titulo);
    LivroDesenhado livro = desenharCaderno(pedido, recursos, meios, andamento);
    CadernoMontado caderno{livro.fim, {}, livro.musicas, livro.paginas, std::move(livro.recusadas)};
    if (livro.fim != FimCaderno::Montado) return caderno;
    const std::optional<std::string> pdf = meios.terminar();
    if (!pdf) caderno.fim = FimCaderno::FalhaPdf;
    else caderno.pdf = comInformacoes(*pdf, {pedido.titulo, {}});
    return caderno;
}

}  // namespace

CadernoMontado montarCaderno(const PedidoCaderno& pedido, const RecursosCaderno& recursos,
                             const AndamentoCaderno& andamento) {
    const auto biblioteca = fontes::bibliotecaDoUsuario();
    CadernoMontado caderno = cadernoPeloEscritor(pedido, recursos, *biblioteca, andamento);
    if (caderno.fim != FimCaderno::FonteSemPdf) return caderno;
    return cadernoPeloQt(pedido, recursos, andamento);
}

}  // namespace trovale
