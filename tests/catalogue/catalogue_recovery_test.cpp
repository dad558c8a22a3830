#include <gtest/gtest.h>

#include <system_error>

#include "catalogue/catalogue_files.h"
#include "catalogue/catalogue_files_fixture.h"
#include "catalogue/catalogue_recovery.h"
#include "support/recording_dialogs.h"

namespace trovale {
namespace {

using Arquivos = std::map<std::string, std::string>;
using testing::kTiposAntigos;
using testing::kTiposNovos;

const std::string kSim = "Yes\r\n";

struct CasoRecuperacao {
    const char* nome;
    Arquivos antes;
    Arquivos depois;
};

TEST(CatalogueRecovery, AnInterruptedSaveIsFinishedOrDiscardedAtStartUp) {
    const std::string antigas = testing::digitacoesAntigas();
    const std::string novas = testing::digitacoesNovas();
    const std::string comSetima = testing::digitacoesComSetima();
    const std::string metade = kTiposNovos.substr(0, 40);
    const CasoRecuperacao casos[] = {
        {"ACORDES.NEW without TERMINOU.NEW is deleted",
         {{"ACORDES.TIP", kTiposAntigos}, {"POSICOES.DIG", antigas}, {"ACORDES.NEW", metade}},
         {{"ACORDES.TIP", kTiposAntigos}, {"POSICOES.DIG", antigas}}},
        {"ACORDES.NEW with TERMINOU.NEW replaces ACORDES.TIP",
         {{"ACORDES.TIP", kTiposAntigos},
          {"POSICOES.DIG", antigas},
          {"ACORDES.NEW", kTiposNovos},
          {"TERMINOU.NEW", kSim}},
         {{"ACORDES.TIP", kTiposNovos}, {"POSICOES.DIG", antigas}}},
        {"ACORDES.TIP already deleted",
         {{"POSICOES.DIG", antigas}, {"ACORDES.NEW", kTiposNovos}, {"TERMINOU.NEW", kSim}},
         {{"ACORDES.TIP", kTiposNovos}, {"POSICOES.DIG", antigas}}},
        {"markers left after their rename are removed",
         {{"ACORDES.TIP", kTiposAntigos},
          {"POSICOES.DIG", antigas},
          {"TERMINOU.NEW", kSim},
          {"ACABOU.NEW", kSim}},
         {{"ACORDES.TIP", kTiposAntigos}, {"POSICOES.DIG", antigas}}},
        {"POSICOES.NEW without ACABOU.NEW is deleted",
         {{"ACORDES.TIP", kTiposAntigos}, {"POSICOES.DIG", antigas}, {"POSICOES.NEW", "\x01\x02"}},
         {{"ACORDES.TIP", kTiposAntigos}, {"POSICOES.DIG", antigas}}},
        {"POSICOES.NEW with ACABOU.NEW replaces POSICOES.DIG",
         {{"ACORDES.TIP", kTiposAntigos},
          {"POSICOES.DIG", antigas},
          {"POSICOES.NEW", novas},
          {"ACABOU.NEW", kSim}},
         {{"ACORDES.TIP", kTiposAntigos}, {"POSICOES.DIG", novas}}},
        {"CASADA.END with only POSICOES.NEW: the types were already committed",
         {{"ACORDES.TIP", kTiposNovos},
          {"POSICOES.DIG", antigas},
          {"POSICOES.NEW", comSetima},
          {"CASADA.END", kSim}},
         {{"ACORDES.TIP", kTiposNovos}, {"POSICOES.DIG", comSetima}}},
        {"CASADA.END with both new files unmarked",
         {{"ACORDES.TIP", kTiposAntigos},
          {"POSICOES.DIG", antigas},
          {"ACORDES.NEW", kTiposNovos},
          {"POSICOES.NEW", comSetima},
          {"CASADA.END", kSim}},
         {{"ACORDES.TIP", kTiposNovos}, {"POSICOES.DIG", comSetima}}},
        {"CASADA.END with ACORDES.NEW marked and ACORDES.TIP deleted",
         {{"POSICOES.DIG", antigas},
          {"ACORDES.NEW", kTiposNovos},
          {"TERMINOU.NEW", kSim},
          {"POSICOES.NEW", comSetima},
          {"CASADA.END", kSim}},
         {{"ACORDES.TIP", kTiposNovos}, {"POSICOES.DIG", comSetima}}},
        {"CASADA.END with POSICOES.NEW marked and POSICOES.DIG deleted",
         {{"ACORDES.TIP", kTiposNovos},
          {"POSICOES.NEW", comSetima},
          {"ACABOU.NEW", kSim},
          {"CASADA.END", kSim}},
         {{"ACORDES.TIP", kTiposNovos}, {"POSICOES.DIG", comSetima}}},
        {"CASADA.END alone is removed",
         {{"ACORDES.TIP", kTiposAntigos}, {"POSICOES.DIG", antigas}, {"CASADA.END", kSim}},
         {{"ACORDES.TIP", kTiposAntigos}, {"POSICOES.DIG", antigas}}},
    };
    DiskFileSystem disco;
    for (const CasoRecuperacao& caso : casos) {
        SCOPED_TRACE(caso.nome);
        testing::TempFolder pasta;
        for (const auto& [nome, bytes] : caso.antes) pasta.write(nome, bytes);
        Catalogo catalogo;
        catalogo.GravarJuntos = true;
        testing::RecordingDialogs dialogs;

        AbrirCatalogo({pasta.path(), disco}, catalogo, dialogs);

        EXPECT_EQ(pasta.files(), caso.depois);
        EXPECT_TRUE(dialogs.avisos.empty());
        const Catalogo esperado =
            testing::catalogoCom(caso.depois.at("ACORDES.TIP"), caso.depois.at("POSICOES.DIG"));
        EXPECT_EQ(catalogo.tipos.OrdemTipos, esperado.tipos.OrdemTipos);
        EXPECT_EQ(catalogo.digitacoes.Digitacoes, esperado.digitacoes.Digitacoes);
        EXPECT_EQ(catalogo.digitacoes.DigitacoesRejeitadas, 0);
        EXPECT_FALSE(catalogo.GravarJuntos);
    }
}

TEST(CatalogueRecovery, JointRecoveryMarksBothNewFilesWithYes) {
    testing::TempFolder pasta;
    pasta.write("ACORDES.TIP", kTiposAntigos);
    pasta.write("ACORDES.NEW", kTiposNovos);
    pasta.write("POSICOES.NEW", testing::digitacoesComSetima());
    pasta.write("CASADA.END", kSim);
    DiskFileSystem disco;

    RecuperarGravacaoConjunta({pasta.path(), disco});

    EXPECT_EQ(pasta.files(), (Arquivos{{"ACORDES.TIP", kTiposAntigos},
                                       {"ACORDES.NEW", kTiposNovos},
                                       {"TERMINOU.NEW", "Yes\r\n"},
                                       {"POSICOES.NEW", testing::digitacoesComSetima()},
                                       {"ACABOU.NEW", "Yes\r\n"}}));
}

TEST(CatalogueLoading, DuplicateTypeNumbersAreShownOneMessageEach) {
    testing::TempFolder pasta;
    pasta.write("ACORDES.TIP",
                "3\r\n"
                " 3  6  0  0  0  0  0  1 Maior\r\n"
                " 2  6  0  0  0  0  0  1 Outra\r\n"
                " 3  7  0  0  0  0  0  1 Terceira\r\n");
    DiskFileSystem disco;
    CatalogoTipos tipos;
    testing::RecordingDialogs dialogs;

    CarregarTipos({pasta.path(), disco}, tipos, dialogs);

    const std::string aviso = "ATENÇÃO: Erro no arquivo de tipos de acordes. Duplicata: 1";
    EXPECT_EQ(dialogs.avisos, (std::vector<std::string>{aviso, aviso}));
    EXPECT_EQ(tipos.tipo(1).Nome, "Terceira");
}

struct CasoCarga {
    const char* nome;
    std::optional<std::string> tipos, digitacoes;
    int numTipos, numDigitacoes, rejeitadas;
};

TEST(CatalogueLoading, MissingOrDamagedFilesLeaveAnEmptyCatalogue) {
    const std::string antigas = testing::digitacoesAntigas();
    // C major filed under the minor type: it does not play it.
    const std::string falsa =
        antigas + testing::bytesDe({testing::digitacao(4, 2, {{5, 3}, {4, 2}, {2, 1}}, true)});
    const CasoCarga casos[] = {
        {"both files", kTiposAntigos, antigas, 2, 2, 0},
        {"no ACORDES.TIP", std::nullopt, antigas, 0, 0, 2},
        {"ACORDES.TIP cut short", kTiposAntigos.substr(0, kTiposAntigos.size() - 7), antigas, 0, 0,
         2},
        {"first line 0", std::string("0\r\n"), antigas, 0, 0, 2},
        {"no POSICOES.DIG", kTiposAntigos, std::nullopt, 2, 0, 0},
        {"a fingering that does not play its type", kTiposAntigos, falsa, 2, 2, 1},
    };
    DiskFileSystem disco;
    for (const CasoCarga& caso : casos) {
        SCOPED_TRACE(caso.nome);
        testing::TempFolder pasta;
        if (caso.tipos) pasta.write("ACORDES.TIP", *caso.tipos);
        if (caso.digitacoes) pasta.write("POSICOES.DIG", *caso.digitacoes);
        Catalogo catalogo;
        testing::RecordingDialogs dialogs;

        AbrirCatalogo({pasta.path(), disco}, catalogo, dialogs);

        EXPECT_EQ(catalogo.tipos.NumTipos, caso.numTipos);
        EXPECT_EQ(catalogo.digitacoes.NumDigitacoes(), caso.numDigitacoes);
        EXPECT_EQ(catalogo.digitacoes.DigitacoesRejeitadas, caso.rejeitadas);
        EXPECT_TRUE(dialogs.avisos.empty());
    }
}

TEST(CatalogueLoading, OpeningLinksEqualSoundingTypes) {
    testing::TempFolder pasta;
    pasta.write("ACORDES.TIP",
                "2\r\n"
                " 3  7  0  0  0  0  0  5 Aumentado\r\n"
                " 3 17  0  0  0  0  0  9 Maior com 13\xAA menor\r\n");
    pasta.write("POSICOES.DIG", "");
    DiskFileSystem disco;
    Catalogo catalogo;
    testing::RecordingDialogs dialogs;

    AbrirCatalogo({pasta.path(), disco}, catalogo, dialogs);

    EXPECT_EQ(catalogo.tipos.EquivalenteSeguinte[5], 9);
    EXPECT_EQ(catalogo.tipos.EquivalenteAnterior[9], 5);
}

TEST(CatalogueLoading, ARecoveryStepThatFailsIsReportedAndTheOldFileRead) {
    testing::TempFolder pasta;
    pasta.write("ACORDES.TIP", kTiposAntigos);
    pasta.write("POSICOES.DIG", testing::digitacoesAntigas());
    // An ACORDES.NEW that cannot be removed: a folder with something in it.
    std::filesystem::create_directories(pasta.path() / "ACORDES.NEW" / "dentro");
    DiskFileSystem disco;
    Catalogo catalogo;
    testing::RecordingDialogs dialogs;

    AbrirCatalogo({pasta.path(), disco}, catalogo, dialogs);

    const std::string erro = std::make_error_code(std::errc::directory_not_empty).message();
    EXPECT_EQ(dialogs.avisos, std::vector<std::string>{"Erro ao acessar o arquivo \"" +
                                                       (pasta.path() / "ACORDES.NEW").string() +
                                                       "\": " + erro + "."});
    EXPECT_EQ(catalogo.tipos.NumTipos, 2);
    EXPECT_EQ(catalogo.digitacoes.NumDigitacoes(), 2);
}

}  // namespace
}  // namespace trovale
