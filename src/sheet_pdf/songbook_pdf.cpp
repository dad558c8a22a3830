#include "sheet_pdf/songbook_pdf.h"

#include <optional>

#include "drawing/paper_page.h"
#include "pdf/documento_pdf.h"
#include "sheet_pdf/measure_without_qt.h"
#include "sheet_pdf/pdf_canvas.h"

namespace trovale {

namespace {

class MeiosDoEscritor : public MeiosDoCaderno {
  public:
    MeiosDoEscritor(const CatalogoTipos& tipos, fontes::BibliotecaFontes& fontes)
        : tipos_(tipos), fontes_(fontes), registro_(documento_) {}

    // Most songs of a book share a template: their measures are made once.
    std::shared_ptr<const TextMeasure> medida(const Modelo& modelo, int dpi) override {
        for (const Medida& feita : medidas_)
            if (feita.dpi == dpi && *feita.modelo == modelo) return feita.medida;
        std::optional<MedidaSemQt> m = MedidaSemQt::criar(modelo, tipos_, fontes_, dpi);
        if (!m) return nullptr;
        medidas_.push_back({&modelo, dpi, std::make_shared<MedidaSemQt>(std::move(*m))});
        return medidas_.back().medida;
    }

    Tela& novaPagina(int larguraMm, int alturaMm) override {
        const FolhaDePapel papel = folhaDePapel(larguraMm, alturaMm, kDpiCaderno);
        pagina_ = &documento_.novaPagina(papel.larguraPt, papel.alturaPt);
        tela_.emplace(*pagina_, registro_, fontes_, kDpiCaderno);
        return *tela_;
    }

    // A measure that met a character no face has stays inexact: the book is drawn by Qt.
    bool concluirPagina() override {
        documento_.concluir(*pagina_);
        for (const Medida& m : medidas_)
            if (!m.medida->exata()) return false;
        return tela_->exata();
    }

    pdf::DocumentoPdf& documento() { return documento_; }

  private:
    const CatalogoTipos& tipos_;
    fontes::BibliotecaFontes& fontes_;
    pdf::DocumentoPdf documento_;
    FontesDoDocumento registro_;
    struct Medida {
        const Modelo* modelo;  // the first song's with it, which outlives the pages
        int dpi;
        std::shared_ptr<MedidaSemQt> medida;
    };
    std::vector<Medida> medidas_;
    pdf::PaginaPdf* pagina_ = nullptr;
    std::optional<TelaPdf> tela_;
};

void marcar(pdf::DocumentoPdf& documento, const std::string& titulo,
            const std::vector<EntradaIndice>& entradas) {
    const int livro = documento.adicionarMarcador(titulo, 0);
    documento.adicionarMarcador(kTituloIndice, 1, livro);
    for (const EntradaIndice& e : entradas) documento.adicionarMarcador(e.titulo, e.pagina - 1, livro);
}

}  // namespace

CadernoMontado cadernoPeloEscritor(const PedidoCaderno& pedido, const RecursosCaderno& recursos,
                                   fontes::BibliotecaFontes& fontes,
                                   const AndamentoCaderno& andamento) {
    MeiosDoEscritor meios(recursos.tipos, fontes);
    LivroDesenhado livro = desenharCaderno(pedido, recursos, meios, andamento);
    CadernoMontado caderno{livro.fim, {}, livro.musicas, livro.paginas, std::move(livro.recusadas)};
    if (livro.fim != FimCaderno::Montado) return caderno;
    pdf::DocumentoPdf& documento = meios.documento();
    marcar(documento, pedido.titulo, livro.entradas);
    documento.definirInformacoes(pedido.titulo, {});
    caderno.pdf = documento.gerar();
    return caderno;
}

}  // namespace trovale
