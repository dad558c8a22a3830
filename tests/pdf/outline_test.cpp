// A book's outline as readers see it: the title at the top, every song under it, each leading
// to its first page, and the same outline whether the file is held whole or written as drawn.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "leitores_pdf.h"
#include "pdf/documento_pdf.h"

namespace trovale::pdf {
namespace {

using namespace testing;

struct Esperado {
    std::string titulo;
    int pagina;  // from 1, as qpdf numbers them
    std::vector<Esperado> filhos;
};

void comparar(const nlohmann::json& lidos, const std::vector<Esperado>& esperados) {
    ASSERT_EQ(lidos.size(), esperados.size()) << lidos.dump(1);
    for (std::size_t i = 0; i < esperados.size(); ++i) {
        EXPECT_EQ(lidos[i]["title"], esperados[i].titulo);
        EXPECT_EQ(lidos[i]["destpageposfrom1"], esperados[i].pagina) << esperados[i].titulo;
        comparar(lidos[i]["kids"], esperados[i].filhos);
    }
}

TEST(ContornoPdf, EverySongUnderTheBooksTitle) {
    if (!temFerramenta("qpdf")) GTEST_SKIP();
    const std::vector<Esperado> livro{
        {"Caderno de São João", 1,
         {{"Asa Branca", 2, {}}, {"Luar do Sertão", 3, {}}, {"Peixe-vivo", 5, {}}}},
        {"Índice", 6, {}}};
    for (const bool aosPoucos : {false, true}) {
        SCOPED_TRACE(aosPoucos);
        std::string entregue;
        DocumentoPdf doc = aosPoucos ? DocumentoPdf([&entregue](std::string_view p) { entregue += p; })
                                     : DocumentoPdf();
        doc.novaPagina(595, 842);
        const int capa = doc.adicionarMarcador("Caderno de São João", 0);
        doc.novaPagina(595, 842);
        doc.adicionarMarcador("Asa Branca", 1, capa);
        doc.novaPagina(595, 842);
        doc.adicionarMarcador("Luar do Sertão", 2, capa);
        doc.novaPagina(595, 842);
        doc.novaPagina(842, 595);
        doc.adicionarMarcador("Peixe-vivo", 4, capa);
        doc.novaPagina(595, 842);
        doc.adicionarMarcador("Índice", 5);
        std::string bytes;
        if (aosPoucos) {
            doc.terminar();
            bytes = entregue;
        } else {
            bytes = doc.gerar();
        }
        const auto arquivo = gravar(bytes, "contorno.pdf");
        EXPECT_EQ(problemasQpdf(arquivo), "");
        const auto json = nlohmann::json::parse(saidaDe("qpdf --json --json-key=outlines " +
                                                        aspas(arquivo)));
        comparar(json["outlines"], livro);
    }
}

TEST(ContornoPdf, NoBookmarksNoOutline) {
    DocumentoPdf doc;
    doc.novaPagina(100, 100);
    EXPECT_EQ(doc.gerar().find("/Outlines"), std::string::npos);
}

}  // namespace
}  // namespace trovale::pdf
