// A chord type the user added, moved and saved with the program's own save command is what
// trovale-cli then lists and reads.

#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "../support/recording_dialogs.h"
#include "base/file_system.h"
#include "catalogue/catalogue_commands.h"
#include "catalogue/catalogue_files.h"
#include "catalogue/symbol_elements.h"
#include "catalogue/type_editing.h"
#include "catalogue/type_order.h"
#include "command_fixture.h"

namespace trovale::testing {
namespace {

using UserTypes = ComandoComCatalogo;

TEST_F(UserTypes, ASavedNewTypeIsListedInItsPlaceAndItsSymbolIsRead) {
    DiskFileSystem disco;
    const ArquivosCatalogo arquivos{pasta.caminho(), disco};
    Catalogo catalogo;
    RecordingDialogs dialogs;
    AbrirCatalogo(arquivos, catalogo, dialogs);
    // The bossa chord: 4, 5, b7, 9 and 13 over the root, second in the list.
    const TipoEmEdicao bossa{selecaoDe({4, 6, 10, 13, 18}), "Bossa 7(4/9/13)",
                             ElementosDaCifra("7(4/9/13)"), ElementosDaCifra("7/4(9/13)")};
    ASSERT_TRUE(confirmarInclusao(catalogo, bossa, dialogs));
    std::vector<std::string> legendas = catalogo.tipos.Legendas;
    std::rotate(legendas.begin() + 1, legendas.end() - 1, legendas.end());
    aplicarOrdem(catalogo, legendas);
    comandoGravarTipos(arquivos, catalogo, dialogs, [] { return 45000.0; });
    const int numero = catalogo.tipos.OrdemTipos[1];

    const auto tipos = nlohmann::json::parse(executar({"types", "--json"}).saida);
    ASSERT_GE(tipos.size(), 2u);
    EXPECT_EQ(tipos[0]["name"], "Maior");
    EXPECT_EQ(tipos[1]["number"], numero);
    EXPECT_EQ(tipos[1]["name"], "Bossa 7(4/9/13)");
    EXPECT_EQ(tipos[1]["intervals"], nlohmann::json({4, 6, 10, 13, 18}));
    EXPECT_EQ(tipos[1]["standard"], "7(4/9/13)");
    EXPECT_EQ(tipos[1]["optional"], "7/4(9/13)");

    const auto lidos = nlohmann::json::parse(executar({"chord", "--json", "F7(4/9/13)"}).saida);
    EXPECT_EQ(lidos[0]["type"], numero);
    EXPECT_EQ(lidos[0]["root"], "F");
}

}  // namespace
}  // namespace trovale::testing
