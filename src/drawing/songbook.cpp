#include "drawing/songbook.h"

#include <optional>

#include "base/dialogs.h"
#include "document/chord_type_reading.h"
#include "document/song_file.h"
#include "document/song_metadata.h"
#include "document/title_order.h"
#include "document/unprinted_layout.h"
#include "drawing/paper_page.h"
#include "drawing/sheet_pages.h"
#include "settings/paper.h"

namespace trovale {

namespace {

constexpr int kDpiTela = 96;
constexpr int kLarguraA4Mm = 210;
constexpr int kAlturaA4Mm = 297;

// Keeps the loader's message for the list of songs left out.
class MensagemGuardada : public Dialogs {
  public:
    void aviso(const std::string& texto) override {
        if (mensagem.empty()) mensagem = texto;
    }
    Resposta pergunta(int, const std::string&) override { return Resposta::Nao; }
    Resposta confirmarFechamento(const std::string&, const std::string&) override {
        return Resposta::Cancelar;
    }
    std::string mensagem;
};

struct MusicaDoCaderno {
    std::filesystem::path arquivo;
    std::string titulo;  // UTF-8; the file's name when the song has no title
    std::string autor;
    // On the heap: the measures refer to the document's template.
    std::unique_ptr<SongDocument> doc;
    std::shared_ptr<const TextMeasure> medidaTela, medidaPapel;
    Sheet folha;  // laid out on the no-printer page at kDpiTela
    Papel papel;
};

std::string aparado(const std::string& texto) {
    const std::size_t inicio = texto.find_first_not_of(' ');
    if (inicio == std::string::npos) return {};
    return texto.substr(inicio, texto.find_last_not_of(' ') - inicio + 1);
}

std::unique_ptr<SongDocument> documentoDe(const std::filesystem::path& arquivo,
                                          const RecursosCaderno& recursos,
                                          const SongDocument* aberta, std::string& mensagem) {
    auto doc = std::make_unique<SongDocument>();
    if (aberta) {
        *doc = *aberta;
        return doc;
    }
    MensagemGuardada dialogs;
    if (!LoadSong(*doc, arquivo, recursos.modeloPadrao, dialogs)) {
        mensagem = dialogs.mensagem;
        return nullptr;
    }
    lerTiposPelasCifras(doc->Chords, recursos.tipos);
    return doc;
}

// The songs read and laid out, unless the output cannot measure one of them.
struct Leitura {
    std::vector<MusicaDoCaderno> musicas;
    std::vector<MusicaRecusada> recusadas;
    bool mensuravel = true;
};

Leitura lerMusicas(const PedidoCaderno& pedido, const RecursosCaderno& recursos,
                   MeiosDoCaderno& meios) {
    Leitura l;
    const bool numerosAcima = recursos.aparencia.Orientacao == kOrientacaoHorizontal;
    for (std::size_t i = 0; i < pedido.arquivos.size() && l.mensuravel; ++i) {
        const std::filesystem::path& arquivo = pedido.arquivos[i];
        std::string mensagem;
        const SongDocument* aberta = i < pedido.abertas.size() ? pedido.abertas[i] : nullptr;
        auto doc = documentoDe(arquivo, recursos, aberta, mensagem);
        if (!doc) {
            l.recusadas.push_back({arquivo, mensagem});
            continue;
        }
        const MetadadosPdf meta = metadadosDaCancao(*doc);
        MusicaDoCaderno m{arquivo, aparado(meta.titulo), aparado(meta.autor), std::move(doc)};
        if (m.titulo.empty()) m.titulo = arquivo.stem().string();
        m.medidaTela = meios.medida(m.doc->Template, kDpiTela);
        m.medidaPapel = meios.medida(m.doc->Template, kDpiCaderno);
        l.mensuravel = m.medidaTela && m.medidaPapel;
        if (!l.mensuravel) break;
        m.folha = disporNaPaginaSemImpressora(*m.doc, *m.medidaTela, numerosAcima, kDpiTela, 0);
        m.papel = papelDaPagina(paginaSemImpressora(m.doc->Layout.orientacao));
        l.musicas.push_back(std::move(m));
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
        pagina += m.folha.PageCount;
    }
    return entradas;
}

PaginaCaderno paginaDoLivro(int larguraMm, int alturaMm) {
    const PageMetrics m = folhaDePapel(larguraMm, alturaMm, kDpiCaderno).metricas;
    return {m.larguraFisica, m.alturaFisica, m.pixelsPorMmX};
}

// Draws the book page by page, numbering every page but the cover.
class Impressor {
  public:
    Impressor(MeiosDoCaderno& meios, const RecursosCaderno& recursos)
        : meios_(meios), recursos_(recursos) {}

    bool capaEIndice(const std::string& titulo, const std::vector<EntradaIndice>& entradas) {
        const PaginaCaderno a4 = paginaDoLivro(kLarguraA4Mm, kAlturaA4Mm);
        desenharCapa(meios_.novaPagina(kLarguraA4Mm, kAlturaA4Mm), a4, titulo);
        if (!concluir()) return false;
        for (int k = 0; k < paginasDoIndice(static_cast<int>(entradas.size())); ++k) {
            Tela& t = meios_.novaPagina(kLarguraA4Mm, kAlturaA4Mm);
            desenharPaginaIndice(t, a4, k, entradas);
            desenharNumeroPagina(t, a4, kMargemInferiorIndiceMm, paginas_);
            if (!concluir()) return false;
        }
        return true;
    }

    bool musica(const MusicaDoCaderno& m) {
        const PinturaFolha pintura{*m.doc, m.folha, recursos_.tipos, recursos_.aparencia};
        const FolhaDePapel papel = folhaDePapel(m.papel.largura, m.papel.altura, kDpiCaderno);
        PaginasDaFolha paginas(pintura, *m.medidaPapel, papel.metricas, kDpiTela);
        const PaginaCaderno pagina = paginaDoLivro(m.papel.largura, m.papel.altura);
        for (int p = 1; p <= m.folha.PageCount; ++p) {
            Tela& t = meios_.novaPagina(m.papel.largura, m.papel.altura);
            paginas.desenhar(t, p);
            desenharNumeroPagina(t, pagina, m.doc->Layout.margemInferior, paginas_);
            if (!concluir()) return false;
        }
        return true;
    }

    int paginas() const { return paginas_ - 1; }

  private:
    bool concluir() {
        ++paginas_;
        return meios_.concluirPagina();
    }

    MeiosDoCaderno& meios_;
    const RecursosCaderno& recursos_;
    int paginas_ = 1;  // the number of the page being drawn
};

}  // namespace

LivroDesenhado desenharCaderno(const PedidoCaderno& pedido, const RecursosCaderno& recursos,
                               MeiosDoCaderno& meios, const AndamentoCaderno& andamento) {
    const int total = static_cast<int>(pedido.arquivos.size());
    auto seguir = [&](int feitas) { return !andamento || andamento(feitas, total); };
    LivroDesenhado livro;
    livro.fim = FimCaderno::Cancelado;
    if (!seguir(0)) return livro;
    Leitura lidas = lerMusicas(pedido, recursos, meios);
    if (!lidas.mensuravel) {
        livro.fim = FimCaderno::FonteSemPdf;
        return livro;
    }
    livro.recusadas = std::move(lidas.recusadas);
    livro.musicas = static_cast<int>(lidas.musicas.size());
    livro.fim = FimCaderno::NenhumaMusica;
    if (lidas.musicas.empty()) return livro;
    livro.entradas = indice(lidas.musicas);
    // The songs left out were dealt with when the songs were read.
    int feitas = static_cast<int>(livro.recusadas.size());
    Impressor impressor(meios, recursos);
    livro.fim = FimCaderno::FonteSemPdf;
    if (!impressor.capaEIndice(pedido.titulo, livro.entradas)) return livro;
    for (const MusicaDoCaderno& m : lidas.musicas) {
        if (!impressor.musica(m)) return livro;
        if (!seguir(++feitas)) {
            livro.fim = FimCaderno::Cancelado;
            return livro;
        }
    }
    livro.paginas = impressor.paginas();
    livro.fim = FimCaderno::Montado;
    return livro;
}

}  // namespace trovale
