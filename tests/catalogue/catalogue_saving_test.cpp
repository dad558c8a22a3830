#include <gtest/gtest.h>

#include <system_error>

#include "catalogue/catalogue_files.h"
#include "catalogue/catalogue_files_fixture.h"
#include "catalogue/catalogue_save.h"
#include "catalogue/fingering_file.h"
#include "support/crashing_file_system.h"
#include "support/recording_dialogs.h"

namespace trovale {
namespace {

using testing::CrashingFileSystem;
using Failure = testing::CrashingFileSystem::Failure;
using Arquivos = std::map<std::string, std::string>;
using Gravacao = bool (*)(const ArquivosCatalogo&, Catalogo&, Dialogs&);
using testing::kTiposAntigos;
using testing::kTiposNovos;

const std::vector<std::string> kPassosTipos = {
    "write ACORDES.NEW", "write TERMINOU.NEW", "remove ACORDES.TIP",
    "rename ACORDES.NEW ACORDES.TIP", "remove TERMINOU.NEW"};

const std::vector<std::string> kPassosDigitacoes = {
    "write POSICOES.NEW", "write ACABOU.NEW", "remove POSICOES.DIG",
    "rename POSICOES.NEW POSICOES.DIG", "remove ACABOU.NEW"};

const std::vector<std::string> kPassosJuntos = {
    "write ACORDES.NEW",   "write POSICOES.NEW",
    "write CASADA.END",    "write TERMINOU.NEW",
    "remove ACORDES.TIP",  "rename ACORDES.NEW ACORDES.TIP",
    "remove TERMINOU.NEW", "write ACABOU.NEW",
    "remove POSICOES.DIG", "rename POSICOES.NEW POSICOES.DIG",
    "remove ACABOU.NEW",   "remove CASADA.END"};

class CatalogueSaving : public ::testing::Test {
  protected:
    void SetUp() override {
        pasta.write("ACORDES.TIP", kTiposAntigos);
        pasta.write("POSICOES.DIG", testing::digitacoesAntigas());
    }

    Arquivos parAntigo() const {
        return {{"ACORDES.TIP", testing::kTiposAntigos},
                {"POSICOES.DIG", testing::digitacoesAntigas()}};
    }
    std::string caminho(const char* nome) const { return (pasta.path() / nome).string(); }

    testing::TempFolder pasta;
    DiskFileSystem disco;
    CrashingFileSystem fs{disco};
    ArquivosCatalogo arquivos{pasta.path(), fs};
    testing::RecordingDialogs dialogs;
};

struct CasoGravacao {
    const char* nome;
    Gravacao gravar;
    std::string tipos, digitacoes;  // the catalogue in memory
    bool tiposAlterados, digitacoesAlteradas, juntos;
    std::vector<std::string> passos;
    std::string tiposDepois, digitacoesDepois;
};

TEST_F(CatalogueSaving, EachSaveRunsItsStepsInOrderAndLeavesOnlyTheNewPair) {
    const std::string antigas = testing::digitacoesAntigas();
    const std::string novas = testing::digitacoesNovas();
    const std::string comSetima = testing::digitacoesComSetima();
    const CasoGravacao casos[] = {
        {"types alone", GravarTipos, kTiposNovos, antigas, true, false, false, kPassosTipos,
         kTiposNovos, antigas},
        {"fingerings alone", GravarDigitacoes, kTiposAntigos, novas, false, true, false,
         kPassosDigitacoes, kTiposAntigos, novas},
        {"combined", GravarTiposEDigitacoes, kTiposNovos, comSetima, true, true, false,
         kPassosJuntos, kTiposNovos, comSetima},
        {"combined, GravarJuntos set", GravarTiposEDigitacoes, kTiposNovos, comSetima, true, true,
         true, kPassosJuntos, kTiposNovos, comSetima},
        {"types alone while GravarJuntos is set", GravarTipos, kTiposNovos, comSetima, true, true,
         true, kPassosJuntos, kTiposNovos, comSetima},
        {"fingerings alone while GravarJuntos is set", GravarDigitacoes, kTiposNovos, comSetima,
         true, true, true, kPassosJuntos, kTiposNovos, comSetima},
    };
    for (const CasoGravacao& caso : casos) {
        SCOPED_TRACE(caso.nome);
        testing::TempFolder limpa;
        limpa.write("ACORDES.TIP", kTiposAntigos);
        limpa.write("POSICOES.DIG", antigas);
        CrashingFileSystem registro{disco};
        Catalogo catalogo = testing::catalogoCom(caso.tipos, caso.digitacoes);
        catalogo.TiposAlterados = caso.tiposAlterados;
        catalogo.DigitacoesAlteradas = caso.digitacoesAlteradas;
        catalogo.GravarJuntos = caso.juntos;
        testing::RecordingDialogs avisos;

        EXPECT_TRUE(caso.gravar({limpa.path(), registro}, catalogo, avisos));

        EXPECT_EQ(registro.log(), caso.passos);
        EXPECT_EQ(limpa.files(), (Arquivos{{"ACORDES.TIP", caso.tiposDepois},
                                           {"POSICOES.DIG", caso.digitacoesDepois}}));
        EXPECT_TRUE(avisos.avisos.empty());
        EXPECT_FALSE(catalogo.TiposAlterados);
        EXPECT_FALSE(catalogo.DigitacoesAlteradas);
        EXPECT_FALSE(catalogo.GravarJuntos);
    }
}

TEST_F(CatalogueSaving, TheMarkerAppearsOnlyBesideACompleteNewFile) {
    Catalogo catalogo = testing::catalogoCom(kTiposNovos, testing::digitacoesAntigas());
    fs.failAtStep(3, Failure::Crash);  // just before ACORDES.TIP is removed

    EXPECT_THROW(GravarTipos(arquivos, catalogo, dialogs), testing::SimulatedCrash);

    Arquivos esperado = parAntigo();
    esperado["ACORDES.NEW"] = kTiposNovos;
    esperado["TERMINOU.NEW"] = "Yes\r\n";
    EXPECT_EQ(pasta.files(), esperado);
}

struct CasoFalhaEscrita {
    const char* nome;
    Gravacao gravar;
    int passo;
    const char* arquivo;
};

TEST_F(CatalogueSaving, AFailedWriteIsReportedAndNeverCommitted) {
    const CasoFalhaEscrita casos[] = {
        {"types alone", GravarTipos, 1, "ACORDES.NEW"},
        {"fingerings alone", GravarDigitacoes, 1, "POSICOES.NEW"},
        {"combined, types", GravarTiposEDigitacoes, 1, "ACORDES.NEW"},
        {"combined, fingerings", GravarTiposEDigitacoes, 2, "POSICOES.NEW"},
    };
    for (const CasoFalhaEscrita& caso : casos) {
        SCOPED_TRACE(caso.nome);
        CrashingFileSystem falho{disco};
        falho.failAtStep(caso.passo, Failure::IoError);
        Catalogo catalogo = testing::catalogoCom(kTiposNovos, testing::digitacoesComSetima());
        catalogo.TiposAlterados = catalogo.DigitacoesAlteradas = true;
        catalogo.GravarJuntos = caso.gravar == GravarTiposEDigitacoes;
        testing::RecordingDialogs avisos;

        EXPECT_FALSE(caso.gravar({pasta.path(), falho}, catalogo, avisos));

        EXPECT_EQ(avisos.avisos,
                  std::vector<std::string>{
                      "Não foi possível gravar o arquivo \"" + caminho(caso.arquivo) +
                      "\": No space left on device. O arquivo anterior foi mantido."});
        EXPECT_EQ(pasta.files(), parAntigo());
        EXPECT_TRUE(catalogo.TiposAlterados);
        EXPECT_TRUE(catalogo.DigitacoesAlteradas);
        EXPECT_EQ(catalogo.GravarJuntos, caso.gravar == GravarTiposEDigitacoes);
    }
}

TEST_F(CatalogueSaving, ThePlatformsOwnErrorTextIsShown) {
    const std::filesystem::path sumida = pasta.path() / "removed meanwhile";
    Catalogo catalogo = testing::catalogoCom(kTiposNovos, testing::digitacoesAntigas());
    catalogo.TiposAlterados = true;

    EXPECT_FALSE(GravarTipos({sumida, disco}, catalogo, dialogs));

    const std::string erro = std::make_error_code(std::errc::no_such_file_or_directory).message();
    EXPECT_EQ(dialogs.avisos, std::vector<std::string>{"Não foi possível gravar o arquivo \"" +
                                                       (sumida / "ACORDES.NEW").string() + "\": " +
                                                       erro + ". O arquivo anterior foi mantido."});
    EXPECT_EQ(pasta.files(), parAntigo());
    EXPECT_TRUE(catalogo.TiposAlterados);
}

TEST_F(CatalogueSaving, ACommitStoppedByAnErrorIsFinishedByTheNextSave) {
    Catalogo catalogo = testing::catalogoCom(kTiposNovos, testing::digitacoesAntigas());
    catalogo.TiposAlterados = true;
    fs.failAtStep(4, Failure::IoError);  // the rename

    EXPECT_FALSE(GravarTipos(arquivos, catalogo, dialogs));

    EXPECT_EQ(dialogs.avisos,
              std::vector<std::string>{"Erro ao acessar o arquivo \"" + caminho("ACORDES.NEW") +
                                       "\": Input/output error."});
    EXPECT_TRUE(catalogo.TiposAlterados);  // the user is still asked before leaving
    EXPECT_EQ(pasta.files(), (Arquivos{{"ACORDES.NEW", kTiposNovos},
                                       {"TERMINOU.NEW", "Yes\r\n"},
                                       {"POSICOES.DIG", testing::digitacoesAntigas()}}));

    CrashingFileSystem registro{disco};
    EXPECT_TRUE(GravarTipos({pasta.path(), registro}, catalogo, dialogs));

    // The pending commit is finished first, as the next start would.
    std::vector<std::string> passos = {"rename ACORDES.NEW ACORDES.TIP", "remove TERMINOU.NEW"};
    passos.insert(passos.end(), kPassosTipos.begin(), kPassosTipos.end());
    EXPECT_EQ(registro.log(), passos);
    EXPECT_EQ(pasta.files(), (Arquivos{{"ACORDES.TIP", kTiposNovos},
                                       {"POSICOES.DIG", testing::digitacoesAntigas()}}));
    EXPECT_FALSE(catalogo.TiposAlterados);
}

// After a combined commit stopped by an error, a later save cut by a power failure must
// still leave a matching pair, never the new types beside old or half-written fingerings.
TEST_F(CatalogueSaving, ASaveAfterAStoppedCombinedCommitNeverMixesThePair) {
    DiskFileSystem rapido{false};  // replayed many times; the syncs are not what is tested
    const Arquivos conjunto = {{"ACORDES.TIP", kTiposNovos},
                               {"POSICOES.DIG", testing::digitacoesComSetima()}};
    const Arquivos posterior = {{"ACORDES.TIP", kTiposNovos},
                                {"POSICOES.DIG", testing::digitacoesNovas()}};
    // Stopped before its marker, the combined commit left no type file behind to commit; the
    // new fingerings play the old types too.
    const Arquivos semTiposNovos = {{"ACORDES.TIP", kTiposAntigos},
                                    {"POSICOES.DIG", testing::digitacoesNovas()}};
    const Arquivos inicial = {{"ACORDES.TIP", kTiposAntigos},
                              {"POSICOES.DIG", testing::digitacoesAntigas()}};
    for (int erro = 3; erro <= static_cast<int>(kPassosJuntos.size()); ++erro) {
        const bool antesDaMarca = erro == 3;
        for (int queda = 1;; ++queda) {
            SCOPED_TRACE("combined commit stopped at " + kPassosJuntos[erro - 1] +
                         ", crash at step " + std::to_string(queda));
            testing::TempFolder local;
            local.write("ACORDES.TIP", kTiposAntigos);
            local.write("POSICOES.DIG", testing::digitacoesAntigas());
            Catalogo catalogo = testing::catalogoCom(kTiposNovos, testing::digitacoesComSetima());
            CrashingFileSystem falho{rapido};
            falho.failAtStep(erro, Failure::IoError);
            testing::RecordingDialogs avisos;
            ASSERT_FALSE(GravarTiposEDigitacoes({local.path(), falho}, catalogo, avisos));

            // The user removes C7 and saves the fingerings alone.
            catalogo.GravarJuntos = false;
            lerDigitacoes(testing::digitacoesNovas(), catalogo.tipos, catalogo.digitacoes);
            CrashingFileSystem gravacao{rapido};
            gravacao.failAtStep(queda, Failure::CrashMidWrite);
            bool concluida = false;
            try {
                concluida = GravarDigitacoes({local.path(), gravacao}, catalogo, avisos);
            } catch (const testing::SimulatedCrash&) {
            }
            Catalogo aberto;
            AbrirCatalogo({local.path(), rapido}, aberto, avisos);
            const Arquivos depois = local.files();
            EXPECT_TRUE(depois == conjunto || depois == posterior ||
                        (antesDaMarca && (depois == semTiposNovos || depois == inicial)));
            if (concluida) {
                EXPECT_EQ(depois, antesDaMarca ? semTiposNovos : posterior);
                break;
            }
        }
    }
}

}  // namespace
}  // namespace trovale
