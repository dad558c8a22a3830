// Song titles in the order of a Brazilian index, as the songbook's contents list them.
#include "document/title_order.h"

#include <gtest/gtest.h>

namespace trovale {
namespace {

TEST(TitleOrder, TitlesSortAsTheFileWindowSortsThem) {
    const struct {
        std::vector<std::string> titulos;
        std::vector<std::size_t> ordem;
    } casos[] = {
        {{"Zabumba", "Éramos", "banana", "Água", "Abacate"}, {4, 3, 2, 1, 0}},
        {{"Ostra", "Nuvem", "Ônibus", "Ñandu"}, {3, 1, 2, 0}},
        {{"Ilha", "Ímã", "ilhéu"}, {0, 2, 1}},
        // Folded and without case these are one title: they keep the order given.
        {{"Água", "Agua", "água", "AGUA"}, {0, 1, 2, 3}},
        // Letters first, the accent only between titles that are otherwise one; Ç is a C.
        {{"Pé de moleque", "Pe de moleque", "Peão"}, {1, 0, 2}},
        {{"Coração", "Çaiçara", "Cabana"}, {2, 1, 0}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(::testing::PrintToString(c.titulos));
        EXPECT_EQ(ordemPorTitulo(c.titulos), c.ordem);
    }
}

}  // namespace
}  // namespace trovale
