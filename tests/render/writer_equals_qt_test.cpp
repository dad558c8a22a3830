// The project's PDF writer against Qt's QPdfWriter on the same laid-out pages: every word of
// every shipped and golden song, at one to three columns, stands where Qt puts it, within
// 0.05 pt. A Qt upgrade that measures differently fails here instead of silently changing
// what the program's paper looks like.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numeric>

#include "cli_process.h"
#include "document/chord_type_reading.h"
#include "document/song_file.h"
#include "pdf_words.h"
#include "render/pdf_export.h"
#include "render/song_sheet.h"
#include "settings/paper.h"
#include "support/example_songs.h"
#include "support/type_fixture.h"

namespace trovale {
namespace {

namespace fs = std::filesystem;
using testing::Palavra;

constexpr double kToleranciaPt = 0.05;
constexpr int kDpiTela = 96;

std::string lido(const fs::path& arquivo) {
    std::ifstream f(arquivo, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

fs::path gravado(const std::string& nome, const std::string& bytes) {
    const fs::path p = fs::path(::testing::TempDir()) / nome;
    std::ofstream(p, std::ios::binary) << bytes;
    return p;
}

// Where two readings of a page part, or nothing when every word agrees.
std::string diferenca(const std::vector<Palavra>& escritor, const std::vector<Palavra>& qt) {
    if (escritor.size() != qt.size())
        return std::to_string(escritor.size()) + " words, Qt " + std::to_string(qt.size());
    for (std::size_t i = 0; i < qt.size(); ++i) {
        const Palavra& a = escritor[i];
        const Palavra& b = qt[i];
        const double longe = std::max({std::abs(a.x0 - b.x0), std::abs(a.y0 - b.y0),
                                       std::abs(a.x1 - b.x1), std::abs(a.y1 - b.y1)});
        if (a.texto != b.texto || longe > kToleranciaPt)
            return "\"" + a.texto + "\" at " + std::to_string(a.x0) + "," + std::to_string(a.y0) +
                   ", Qt \"" + b.texto + "\" at " + std::to_string(b.x0) + "," +
                   std::to_string(b.y0);
    }
    return {};
}

TEST(WriterEqualsQt, EveryWordWhereQtPutsIt) {
    if (testing::saidaDoComando("command -v pdftotext").empty())
        GTEST_SKIP() << "poppler-utils is not installed";
    const Aparencia aparencia;
    for (const fs::path& arquivo : testing::cancoesDeExemplo())
        for (int colunas = 1; colunas <= 3; ++colunas) {
            SCOPED_TRACE(arquivo.filename().string() + ", " + std::to_string(colunas) +
                         " colunas");
            auto lida = parseSongFile(lido(arquivo), modeloDeFabrica());
            ASSERT_TRUE(lida);
            SongDocument& doc = lida->doc;
            lerTiposPelasCifras(doc.Chords, testing::catalogoComum());
            doc.Layout = testing::emColunas(doc.Layout, colunas);
            const FolhaSemImpressora f =
                disporSemImpressora(doc, testing::catalogoComum(), aparencia, kDpiTela, 0);
            const SheetPaint pintura{doc, f.folha, *f.medida, aparencia};
            const Papel papel = papelDaPagina(paginaSemImpressora(doc.Layout.orientacao));
            const PaginaPdf pagina{papel.largura, papel.altura, kDpiTela};
            std::vector<int> paginas(static_cast<std::size_t>(f.folha.PageCount));
            std::iota(paginas.begin(), paginas.end(), 1);
            const auto escritor = pdfPeloEscritor(pintura, pagina, paginas);
            const auto qt = pdfPeloQt(pintura, pagina, paginas, metadadosDaCancao(doc));
            ASSERT_TRUE(escritor && qt);
            const auto doEscritor = testing::palavrasDasPaginas(gravado("escritor.pdf", *escritor));
            const auto doQt = testing::palavrasDasPaginas(gravado("qt.pdf", *qt));
            ASSERT_EQ(doEscritor.size(), doQt.size());
            for (std::size_t p = 0; p < doQt.size(); ++p) {
                EXPECT_FALSE(doQt[p].empty()) << "page " << p + 1;
                EXPECT_EQ(diferenca(doEscritor[p], doQt[p]), "") << "page " << p + 1;
            }
        }
}

}  // namespace
}  // namespace trovale
