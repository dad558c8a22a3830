// The songbook as the program asks for it: songs read or left out with the loader's words,
// progress and cancelling, the order of titles, and bookmarks that refuse a PDF they cannot
// place.
#include "render/songbook.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <fstream>

#include "render/pdf_export.h"
#include "render/pdf_outline.h"
#include "render/songbook_songs.h"
#include "support/type_fixture.h"

namespace trovale {
namespace {

namespace fs = std::filesystem;
const fs::path kExemplos =
    fs::path(__FILE__).parent_path().parent_path().parent_path() / "data" / "songs";

TEST(Songbook, TitlesSortAsTheFileWindowSortsThem) {
    const struct {
        std::vector<std::string> titulos;
        std::vector<std::size_t> ordem;
    } casos[] = {
        {{"Zabumba", "Éramos", "banana", "Água", "Abacate"}, {4, 3, 2, 1, 0}},
        {{"Ostra", "Nuvem", "Ônibus", "Ñandu"}, {3, 1, 2, 0}},
        {{"Ilha", "Ímã", "ilhéu"}, {0, 2, 1}},
        // Folded and without case these are one title: they keep the order given.
        {{"Água", "Agua", "água", "AGUA"}, {0, 1, 2, 3}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::PrintToString(c.titulos));
        EXPECT_EQ(ordemPorTitulo(c.titulos), c.ordem);
    }
}

class SongbookApi : public ::testing::Test {
  protected:
    CadernoMontado montar(std::vector<fs::path> arquivos, int cancelarEm = -1) {
        PedidoCaderno pedido;
        pedido.arquivos = std::move(arquivos);
        return montarCaderno(pedido, {testing::catalogoComum(), aparencia, modelo},
                             [&](int feitas, int total) {
                                 chamadas.emplace_back(feitas, total);
                                 return feitas != cancelarEm;
                             });
    }
    fs::path lixo() const {
        const fs::path p = fs::path(::testing::TempDir()) / "lixo.dec";
        std::ofstream(p, std::ios::binary) << "isto nao e uma cancao\r\n";
        return p;
    }
    Aparencia aparencia;
    Modelo modelo;
    std::vector<std::pair<int, int>> chamadas;
};

TEST_F(SongbookApi, ProgressCancellingAndSongsLeftOut) {
    const fs::path peixe = kExemplos / "Peixe vivo.dec",
                   ciranda = kExemplos / "Ciranda, cirandinha.dec";
    const std::string faltando =
        "nao existe.dec: Arquivo/caminho impróprio ou dispositivo "
        "inválido/defeituoso.";
    const std::string defeituoso = "lixo.dec: Arquivo incompatível ou defeituoso";
    const struct {
        std::vector<fs::path> arquivos;
        int cancelarEm;
        FimCaderno fim;
        std::vector<std::pair<int, int>> chamadas;
        int paginas;
        std::vector<std::string> recusadas;
    } casos[] = {
        // Cover, contents and two one-page songs; the songs left out count once all are read.
        {{peixe, kExemplos / "nao existe.dec", lixo(), ciranda},
         -1,
         FimCaderno::Montado,
         {{0, 4}, {3, 4}, {4, 4}},
         4,
         {faltando, defeituoso}},
        {{peixe, ciranda}, 1, FimCaderno::Cancelado, {{0, 2}, {1, 2}}, 0, {}},
        {{peixe}, 0, FimCaderno::Cancelado, {{0, 1}}, 0, {}},
        {{lixo(), kExemplos / "nao existe.dec"},
         -1,
         FimCaderno::NenhumaMusica,
         {{0, 2}},
         0,
         {defeituoso, faltando}},
    };
    for (const auto& caso : casos) {
        chamadas.clear();
        const CadernoMontado c = montar(caso.arquivos, caso.cancelarEm);
        EXPECT_EQ(c.fim, caso.fim);
        EXPECT_EQ(chamadas, caso.chamadas);
        EXPECT_EQ(c.paginas, caso.paginas);
        EXPECT_EQ(c.pdf.starts_with("%PDF-"), caso.fim == FimCaderno::Montado);
        std::vector<std::string> recusadas;
        for (const MusicaRecusada& r : c.recusadas)
            recusadas.push_back(r.arquivo.filename().string() + ": " + r.mensagem);
        EXPECT_EQ(recusadas, caso.recusadas);
    }
}

// A PDF of `paginas` blank pages, as Qt writes it.
std::string pdfEmBranco(int paginas) {
    QBuffer saida;
    saida.open(QIODevice::WriteOnly);
    {
        QPdfWriter escritor(&saida);
        QPainter p(&escritor);
        for (int i = 1; i < paginas; ++i) escritor.newPage();
    }
    return saida.data().toStdString();
}

TEST(PdfOutline, LeavesAlonePdfsItCannotPlaceBookmarksIn) {
    const std::string semArvore =
        "%PDF-1.4\n1 0 obj\n<< /Type /Catalog >>\nendobj\n"
        "xref\n0 2\n0000000000 65535 f \n0000000009 00000 n \n"
        "trailer\n<< /Size 2 /Root 1 0 R >>\nstartxref\n45\n%%EOF\n";
    const std::string duasPaginas = pdfEmBranco(2);
    const struct {
        std::string pdf;
        std::vector<MarcadorPdf> marcadores;
        bool mudou;
    } casos[] = {
        {"nao e pdf", {{"A", 1}}, false},
        {"trailer\n<< /Size 2 /Root 99999999999999999999 0 R >>\nstartxref\n0\n",
         {{"A", 1}},
         false},
        {semArvore, {{"A", 1}}, false},
        {duasPaginas, {{"A", 1}, {"B", 3}}, false},
        {duasPaginas, {{"A", 0}}, false},
        {duasPaginas, {}, false},
        {duasPaginas, {{"A", 1}, {"B", 2}}, true},
        // The page tree is found through an earlier update's cross-reference section.
        {comInformacoes(duasPaginas, {"T", "A"}), {{"A", 2}}, true},
    };
    for (const auto& c : casos) {
        const std::string feito = comMarcadores(c.pdf, c.marcadores);
        EXPECT_EQ(feito != c.pdf, c.mudou);
        EXPECT_TRUE(feito.starts_with(c.pdf));
    }
}

}  // namespace
}  // namespace trovale
