#include <gtest/gtest.h>

#include <chrono>

#include "catalogue/catalogue_backup.h"
#include "catalogue/catalogue_commands.h"
#include "catalogue/catalogue_files_fixture.h"
#include "support/crashing_file_system.h"
#include "support/recording_dialogs.h"

namespace trovale {
namespace {

using Arquivos = std::map<std::string, std::string>;
using testing::kTiposAntigos;
using testing::kTiposNovos;

RelogioDias relogioFixo(double dias) {
    return [dias] { return dias; };
}

const std::string kFalhaCopia =
    "Erro ao criar o subdiretório \"CtlgBackUp\", ou as cópias de segurança dos arquivo do "
    "catálogo de acordes e digitações.";

std::string copiaFeita(const std::string& base) {
    return "Operação concluida com sucesso. O par anterior de arquivos do catálogo foi "
           "duplicado no subdiretório \"CtlgBackUp\", com o nome base " +
           base + " e suas respectivas extensões originais (DIG e TIP).";
}

class CatalogueBackup : public ::testing::Test {
  protected:
    void SetUp() override {
        pasta.write("ACORDES.TIP", kTiposAntigos);
        pasta.write("POSICOES.DIG", testing::digitacoesAntigas());
    }

    testing::TempFolder pasta;
    DiskFileSystem disco;
    ArquivosCatalogo arquivos{pasta.path(), disco};
};

TEST(CatalogueBackupName, ThousandthsOfADaySince6December1999InAtLeast7Digits) {
    const struct {
        double dias;
        const char* base;
    } casos[] = {
        {36500.0, "C0000000"},      {36500.5, "C0000500"},   // noon of 6 December 1999
        {36623.456789, "C0123456"},                          // below one million: padded
        {37499.9999, "C0999999"},   {45658.25, "C9158250"},  // 1 January 2025, 6 a.m.
        {48845.5, "C12345500"},                              // eight digits, not cut
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.dias);
        EXPECT_EQ(nomeBaseCopia(numeroCopia(caso.dias)), caso.base);
    }
}

TEST(CatalogueBackupName, TheRealClockCountsLocalDaysSince30December1899) {
    using namespace std::chrono;
    const double utc =
        25569.0 + duration<double>(system_clock::now().time_since_epoch()).count() / 86400.0;
    // Local time is at most 14 hours away from UTC.
    EXPECT_NEAR(diasDesde1899(), utc, 14.0 / 24.0 + 0.001);
}

TEST_F(CatalogueBackup, CopiesThePairUnderOneBaseNameWithOneModificationTime) {
    // More than two blocks of 1024 bytes, and not a whole number of them.
    std::string grande;
    for (int i = 0; i < 2500; ++i) grande += static_cast<char>(i * 7 % 256);
    pasta.write("POSICOES.DIG", grande);

    EXPECT_EQ(CopiarCatalogo(arquivos, relogioFixo(36500.5)), "C0000500");

    EXPECT_EQ(pasta.files("CtlgBackUp"),
              (Arquivos{{"C0000500.DIG", grande}, {"C0000500.TIP", kTiposAntigos}}));
    const auto copias = pasta.path() / "CtlgBackUp";
    EXPECT_EQ(std::filesystem::last_write_time(copias / "C0000500.DIG"),
              std::filesystem::last_write_time(copias / "C0000500.TIP"));
}

TEST_F(CatalogueBackup, TwoBackupsInTheSameThousandthOfADayDifferByOne) {
    EXPECT_EQ(CopiarCatalogo(arquivos, relogioFixo(45658.25)), "C9158250");
    pasta.write("ACORDES.TIP", kTiposNovos);
    EXPECT_EQ(CopiarCatalogo(arquivos, relogioFixo(45658.2500001)), "C9158251");

    EXPECT_EQ(pasta.files("CtlgBackUp"), (Arquivos{{"C9158250.DIG", testing::digitacoesAntigas()},
                                                   {"C9158250.TIP", kTiposAntigos},
                                                   {"C9158251.DIG", testing::digitacoesAntigas()},
                                                   {"C9158251.TIP", kTiposNovos}}));
}

struct CasoFalha {
    const char* nome;
    int passo;  // the step that fails: 1 mkdir, 2 copy .DIG, 3 copy .TIP, 4 touch
};

TEST_F(CatalogueBackup, AFailedBackupGivesAnEmptyNameAndLeavesNoPartialCopy) {
    const CasoFalha casos[] = {
        {"folder", 1}, {"fingerings copy", 2}, {"types copy", 3}, {"modification time", 4}};
    for (const CasoFalha& caso : casos) {
        SCOPED_TRACE(caso.nome);
        testing::TempFolder local;
        local.write("ACORDES.TIP", kTiposAntigos);
        local.write("POSICOES.DIG", testing::digitacoesAntigas());
        testing::CrashingFileSystem fs{disco};
        fs.failAtStep(caso.passo, testing::CrashingFileSystem::Failure::IoError);

        EXPECT_EQ(CopiarCatalogo({local.path(), fs}, relogioFixo(36500.5)), "");

        EXPECT_TRUE(local.files("CtlgBackUp").empty());
        EXPECT_EQ(local.files().size(), caso.passo == 1 ? 2u : 3u);  // the pair (+ folder)
    }
}

TEST_F(CatalogueBackup, AMissingCatalogueFileFailsTheBackup) {
    for (const char* ausente : {"POSICOES.DIG", "ACORDES.TIP"}) {
        SCOPED_TRACE(ausente);
        testing::TempFolder local;
        if (std::string(ausente) != "ACORDES.TIP") local.write("ACORDES.TIP", kTiposAntigos);
        if (std::string(ausente) != "POSICOES.DIG") local.write("POSICOES.DIG", "\x01");

        EXPECT_EQ(CopiarCatalogo({local.path(), disco}, relogioFixo(36500.5)), "");
        EXPECT_TRUE(local.files("CtlgBackUp").empty());
    }
}

using Comando = void (*)(const ArquivosCatalogo&, Catalogo&, Dialogs&, const RelogioDias&);

struct CasoComando {
    const char* nome;
    Comando comando;
    std::string tipos, digitacoes;
};

TEST_F(CatalogueBackup, EachCommandBacksUpTheOldPairSavesAndReports) {
    const CasoComando casos[] = {
        {"mGravarTipos", comandoGravarTipos, kTiposNovos, testing::digitacoesAntigas()},
        {"mGravarPosicoes", comandoGravarPosicoes, kTiposAntigos, testing::digitacoesNovas()},
        {"mGravarJunto", comandoGravarJunto, kTiposNovos, testing::digitacoesComSetima()},
    };
    for (const CasoComando& caso : casos) {
        SCOPED_TRACE(caso.nome);
        for (bool copiaFalha : {false, true}) {
            testing::TempFolder local;
            local.write("ACORDES.TIP", kTiposAntigos);
            local.write("POSICOES.DIG", testing::digitacoesAntigas());
            if (copiaFalha) local.write("CtlgBackUp", "a file where the folder should be");
            Catalogo catalogo = testing::catalogoCom(caso.tipos, caso.digitacoes);
            catalogo.TiposAlterados = catalogo.DigitacoesAlteradas = true;
            testing::RecordingDialogs dialogs;

            caso.comando({local.path(), disco}, catalogo, dialogs, relogioFixo(36623.456789));

            EXPECT_EQ(dialogs.avisos,
                      std::vector<std::string>{copiaFalha ? kFalhaCopia : copiaFeita("C0123456")});
            if (!copiaFalha) {
                EXPECT_EQ(local.files("CtlgBackUp"),
                          (Arquivos{{"C0123456.DIG", testing::digitacoesAntigas()},
                                    {"C0123456.TIP", kTiposAntigos}}));
            }
            EXPECT_EQ(local.read("ACORDES.TIP"), caso.tipos);
            EXPECT_EQ(local.read("POSICOES.DIG"), caso.digitacoes);
        }
    }
}

TEST_F(CatalogueBackup, AFailedSaveEndsTheCommandWithItsOwnMessage) {
    testing::CrashingFileSystem fs{disco};
    // mkdir, two copies and the time come first; then ACORDES.NEW.
    fs.failAtStep(5, testing::CrashingFileSystem::Failure::IoError);
    Catalogo catalogo = testing::catalogoCom(kTiposNovos, testing::digitacoesAntigas());
    catalogo.TiposAlterados = true;
    testing::RecordingDialogs dialogs;

    comandoGravarTipos({pasta.path(), fs}, catalogo, dialogs, relogioFixo(36500.5));

    EXPECT_EQ(fs.log()[4], "write ACORDES.NEW");
    EXPECT_EQ(dialogs.avisos,
              std::vector<std::string>{
                  "Não foi possível gravar o arquivo \"" + (pasta.path() / "ACORDES.NEW").string() +
                  "\": No space left on device. O arquivo anterior foi mantido."});
    EXPECT_EQ(pasta.read("ACORDES.TIP"), kTiposAntigos);
    EXPECT_EQ(pasta.files("CtlgBackUp").size(), 2u);
}

}  // namespace
}  // namespace trovale
