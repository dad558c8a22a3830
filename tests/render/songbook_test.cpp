// The songbook as the program asks for it: songs read or left out with the loader's words,
// progress and cancelling.
#include "render/songbook.h"

#include <gtest/gtest.h>

#include <fstream>

#include "document/song_file.h"
#include "pdf/numeros_pdf.h"
#include "support/silent_dialogs.h"
#include "support/type_fixture.h"

namespace trovale {
namespace {

namespace fs = std::filesystem;
const fs::path kExemplos =
    fs::path(__FILE__).parent_path().parent_path().parent_path() / "data" / "songs";

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
    testing::SilentDialogs dialogs;
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
        // Drawn by the program's own PDF writer, bookmarks and all, not by Qt.
        EXPECT_EQ(c.pdf.find("/Producer (Trovale ") != std::string::npos,
                  caso.fim == FimCaderno::Montado);
        std::vector<std::string> recusadas;
        for (const MusicaRecusada& r : c.recusadas)
            recusadas.push_back(r.arquivo.filename().string() + ": " + r.mensagem);
        EXPECT_EQ(recusadas, caso.recusadas);
    }
}

// A song in a font the writer cannot draw as Qt does (its family named beyond ASCII): the
// book is drawn by Qt instead, with the same pages and its title, though without bookmarks.
TEST_F(SongbookApi, AFontOnlyQtDrawsGivesQtsBook) {
    SongDocument doc;
    const fs::path peixe = kExemplos / "Peixe vivo.dec";
    ASSERT_TRUE(LoadSong(doc, peixe, modelo, dialogs));
    for (FonteElemento& f : doc.Template.Fonts) f.nome = "Ari\xC3l";
    PedidoCaderno pedido;
    pedido.arquivos = {peixe};
    pedido.abertas = {&doc};
    pedido.titulo = "Festa";
    const CadernoMontado c = montarCaderno(pedido, {testing::catalogoComum(), aparencia, modelo});
    ASSERT_EQ(c.fim, FimCaderno::Montado);
    EXPECT_EQ(c.paginas, 3);
    EXPECT_TRUE(c.pdf.starts_with("%PDF-"));
    EXPECT_EQ(c.pdf.find("/Producer (Trovale "), std::string::npos);
    EXPECT_NE(c.pdf.find("/Title " + pdf::textoUtf16Hex("Festa")), std::string::npos);
}

}  // namespace
}  // namespace trovale
