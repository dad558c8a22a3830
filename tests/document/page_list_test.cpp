// The page list of the print window: what is printed, in order, or the message shown.
#include <gtest/gtest.h>

#include "document/page_list.h"

namespace trovale {
namespace {

const std::string kForaDe5 = "Lista de páginas excede limite (1-5).";
const std::string kEspaco = "Não pode haver espaço entre o traço e o número das páginas.";

TEST(PageList, ReadsWhatThePrintWindowAccepts) {
    struct Caso {
        std::string lista;
        int total;
        std::vector<int> paginas;
        std::string erro;
    };
    const std::vector<Caso> casos = {
        {"1,3  5-8", 8, {1, 3, 5, 6, 7, 8}, ""},
        {"8-5", 8, {8, 7, 6, 5}, ""},
        {"3 3", 5, {3, 3}, ""},
        {"-2", 5, {1, 2}, ""},
        {"4-", 5, {4, 5}, ""},
        {"4-4", 5, {4}, ""},
        {"  ,2,, 1 ", 5, {2, 1}, ""},
        {"1-1", 1, {1}, ""},
        {"0", 5, {}, kForaDe5},
        {"6", 5, {}, kForaDe5},
        {"2-6", 5, {}, kForaDe5},
        {"99999999999999999999", 5, {}, kForaDe5},
        {"2 - 4", 5, {}, kEspaco},
        {"2 -4", 5, {2, 1, 2, 3, 4}, ""},
        {"2 - ", 5, {}, "Um traço sozinho não tem significado."},
        {"1 - ", 5, {}, "Um traço sozinho não tem significado."},
        {"9 -", 5, {}, "Um traço sozinho não tem significado."},
        {"1-2-3", 5, {}, "\"1-2-3\" não é um número de página nem uma faixa (ex: 5-8)."},
        {"--", 5, {}, "\"--\" não é um número de página nem uma faixa (ex: 5-8)."},
        {"", 5, {}, "A lista não tem nenhuma página."},
    };
    for (const Caso& c : casos) {
        const ListaPaginas lida = lerListaPaginas(c.lista, c.total);
        EXPECT_EQ(lida.paginas, c.paginas) << c.lista;
        EXPECT_EQ(lida.erro, c.erro) << c.lista;
    }
    EXPECT_EQ(listaTodas(3), "1-3");
}

}  // namespace
}  // namespace trovale
