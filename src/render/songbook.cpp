#include "render/songbook.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <variant>

#include "render/pdf_export.h"
#include "render/pdf_outline.h"
#include "render/print_pages.h"
#include "render/songbook_pages.h"
#include "render/songbook_songs.h"
#include "render/songbook_writer.h"
#include "settings/paper.h"

namespace trovale {

namespace {

constexpr int kDpiTela = 96;
constexpr double kMmPorPolegada = 25.4;
const PaginaPdf kA4Retrato{210, 297, kDpiTela};

struct Leitura {
    std::vector<MusicaDoCaderno> musicas;
    std::vector<MusicaRecusada> recusadas;
};

Leitura lerMusicas(const PedidoCaderno& pedido, const RecursosCaderno& recursos) {
    Leitura l;
    for (std::size_t i = 0; i < pedido.arquivos.size(); ++i) {
        const SongDocument* aberta = i < pedido.abertas.size() ? pedido.abertas[i] : nullptr;
        auto lida = lerMusica(pedido.arquivos[i], recursos, aberta);
        if (auto* musica = std::get_if<MusicaDoCaderno>(&lida))
            l.musicas.push_back(std::move(*musica));
        else
            l.recusadas.push_back(std::get<MusicaRecusada>(std::move(lida)));
    }
    if (!pedido.manterOrdem) {
        std::vector<std::string> titulos;
        for (const MusicaDoCaderno& m : l.musicas) titulos.push_back(m.titulo);
        std::vector<MusicaDoCaderno> ordenadas;
        for (std::size_t i : ordemPorTitulo(titulos)) ordenadas.push_back(std::move(l.musicas[i]));
        l.musicas = std::move(ordenadas);
    }
    return l;
}

// The contents: each song on the page after the cover, the contents and the songs before it.
std::vector<EntradaIndice> indice(const std::vector<MusicaDoCaderno>& musicas) {
    std::vector<EntradaIndice> entradas;
    int pagina = 1 + paginasDoIndice(static_cast<int>(musicas.size())) + 1;
    for (const MusicaDoCaderno& m : musicas) {
        entradas.push_back({m.titulo, m.autor, pagina});
        pagina += m.disposta.folha.PageCount;
    }
    return entradas;
}

PaginaPdf paginaDaMusica(const SongDocument& doc) {
    const Papel papel = papelDaPagina(paginaSemImpressora(doc.Layout.orientacao));
    return {papel.largura, papel.altura, kDpiTela};
}

PaginaCaderno paginaDoLivro(const QPdfWriter& livro) {
    const QRect r = livro.pageLayout().fullRectPixels(livro.resolution());
    return {r.width(), r.height(), livro.resolution() / kMmPorPolegada};
}

// Draws the book page by page, numbering every page but the cover.
class Impressor {
  public:
    explicit Impressor(QIODevice& saida) : livro_(&saida) {
        livro_.setResolution(kDpiPdf);
        livro_.setCreator(QStringLiteral("Trovale"));
        livro_.setPageLayout(layoutDaPaginaPdf(kA4Retrato));
        paginas_ = std::make_unique<PaginasDoCaderno>(livro_, pintor_);
    }
    // The painter ends before the device it lent itself to goes.
    ~Impressor() {
        if (pintor_.isActive()) pintor_.end();
    }
    Impressor(const Impressor&) = delete;
    Impressor& operator=(const Impressor&) = delete;

    bool comecar() { return pintor_.begin(&livro_); }
    void terminar() { pintor_.end(); }

    void capaEIndice(const std::string& titulo, const std::vector<EntradaIndice>& entradas) {
        livro_.setTitle(QString::fromStdString(titulo));
        desenharCapa(pintor_, paginaDoLivro(livro_), titulo);
        for (int k = 0; k < paginasDoIndice(static_cast<int>(entradas.size())); ++k) {
            novaPagina(kA4Retrato);
            desenharPaginaIndice(pintor_, paginaDoLivro(livro_), k, entradas);
            numerar(kMargemInferiorIndiceMm);
        }
    }

    bool musica(const MusicaDoCaderno& m, const RecursosCaderno& recursos) {
        const SheetPaint pintura{*m.doc, m.disposta.folha, *m.disposta.medida, recursos.aparencia};
        const PaginaPdf pagina = paginaDaMusica(*m.doc);
        for (int p = 1; p <= m.disposta.folha.PageCount; ++p) {
            novaPagina(pagina);
            const DestinoImpressao destino{
                *paginas_, metricasDaPaginaPdf(livro_.pageLayout(), livro_.resolution()), kDpiTela};
            if (PrintPages(pintura, {p}, destino, {}) != FimImpressao::Concluida) return false;
            numerar(m.doc->Layout.margemInferior);
        }
        return true;
    }

    int paginas() const { return numero_; }

  private:
    void novaPagina(const PaginaPdf& pagina) {
        livro_.setPageLayout(layoutDaPaginaPdf(pagina));
        livro_.newPage();
        paginas_->acompanharLivro();
        ++numero_;
    }

    void numerar(double margemInferiorMm) {
        desenharNumeroPagina(pintor_, paginaDoLivro(livro_), margemInferiorMm, numero_);
    }

    QPdfWriter livro_;
    QPainter pintor_;
    std::unique_ptr<PaginasDoCaderno> paginas_;
    int numero_ = 1;  // the cover
};

std::vector<MarcadorPdf> marcadores(const std::vector<EntradaIndice>& entradas) {
    std::vector<MarcadorPdf> lista{{kTituloIndice, 2}};
    for (const EntradaIndice& e : entradas) lista.push_back({e.titulo, e.pagina});
    return lista;
}

// Prints the book into `caderno.pdf` and counts its pages; `aposMusica` is asked whether to go
// on after each song.
FimCaderno imprimirCaderno(const std::string& titulo, const std::vector<MusicaDoCaderno>& musicas,
                           const RecursosCaderno& recursos, const std::function<bool()>& aposMusica,
                           CadernoMontado& caderno) {
    const std::vector<EntradaIndice> entradas = indice(musicas);
    QBuffer saida;
    saida.open(QIODevice::WriteOnly);
    {
        Impressor impressor(saida);
        if (!impressor.comecar()) return FimCaderno::FalhaPdf;
        impressor.capaEIndice(titulo, entradas);
        for (const MusicaDoCaderno& m : musicas) {
            if (!impressor.musica(m, recursos)) return FimCaderno::FalhaPdf;
            if (!aposMusica()) return FimCaderno::Cancelado;
        }
        impressor.terminar();
        caderno.paginas = impressor.paginas();
    }
    const QByteArray& bytes = saida.data();
    const std::string pdf(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    caderno.pdf = comInformacoes(comMarcadores(pdf, marcadores(entradas)), {titulo, {}});
    return FimCaderno::Montado;
}

}  // namespace

CadernoMontado montarCaderno(const PedidoCaderno& pedido, const RecursosCaderno& recursos,
                             const AndamentoCaderno& andamento) {
    const int total = static_cast<int>(pedido.arquivos.size());
    auto seguir = [&](int feitas) { return !andamento || andamento(feitas, total); };
    CadernoMontado caderno;
    caderno.fim = FimCaderno::Cancelado;
    if (!seguir(0)) return caderno;
    Leitura lidas = lerMusicas(pedido, recursos);
    caderno.recusadas = std::move(lidas.recusadas);
    caderno.musicas = static_cast<int>(lidas.musicas.size());
    caderno.fim = FimCaderno::NenhumaMusica;
    if (lidas.musicas.empty()) return caderno;
    // The songs left out were dealt with when the songs were read.
    int feitas = static_cast<int>(caderno.recusadas.size());
    caderno.fim = imprimirCaderno(
        pedido.titulo, lidas.musicas, recursos, [&] { return seguir(++feitas); }, caderno);
    return caderno;
}

}  // namespace trovale
