// LayOut.ini: exact bytes, round trip, and the silent factory fallback.

#include <gtest/gtest.h>

#include "base/file_system.h"
#include "catalogue/catalogue_files_fixture.h"
#include "settings/settings_file.h"
#include "settings/settings_file_layout.h"
#include "support/crashing_file_system.h"
#include "support/recording_dialogs.h"

namespace trovale {
namespace {

using testing::RecordingDialogs;
using testing::TempFolder;

TEST(LayoutFile, FactoryLayoutWrittenByteForByte) {
    TempFolder pasta;
    DiskFileSystem fs(false);
    RecordingDialogs dialogs;
    ASSERT_TRUE(gravarLayout(fs, pasta.path(), layoutDeFabrica(), dialogs));
    EXPECT_EQ(
        pasta.files(),
        (std::map<std::string, std::string>{{"LayOut.ini", "30 20 30 25 0\r\n1 160 0 0 0\r\n"}}));
}

TEST(LayoutFile, RoundTrip) {
    TempFolder pasta;
    DiskFileSystem fs(false);
    RecordingDialogs dialogs;
    const PageLayout escrito{12, 13, 14, 15, 8, 3, 70, 80, 90, 1};
    ASSERT_TRUE(gravarLayout(fs, pasta.path(), escrito, dialogs));
    EXPECT_EQ(pasta.read("LayOut.ini"), "12 13 14 15 8\r\n3 70 80 90 1\r\n");
    EXPECT_EQ(carregarLayout(fs, pasta.path()), escrito);
    EXPECT_TRUE(dialogs.avisos.empty());
}

TEST(LayoutFile, ReadingVariants) {
    const PageLayout doArquivo{25, 25, 20, 20, 10, 2, 75, 75, 0, 0};
    const struct {
        const char* bytes;
        PageLayout esperado;
    } casos[] = {
        {"25 25 20 20 10\r\n2 75 75 0 0\r\n", doArquivo},
        {"25 25 20 20 10\n2 75 75 0 0", doArquivo},
        {"  25  25\t20 20 10 \r\n2 75 75 0 0 extra\r\n\r\n", doArquivo},
        // Anything unreadable keeps the factory layout, silently.
        {"", layoutDeFabrica()},
        {"25 25 20 20 10\r\n", layoutDeFabrica()},
        {"25 25 20 x 10\r\n2 75 75 0 0\r\n", layoutDeFabrica()},
        {"25 25 20 20 10\r\n4 75 75 0 0\r\n", layoutDeFabrica()},     // four columns
        {"25 25 20 20 10\r\n0 75 75 0 0\r\n", layoutDeFabrica()},     // no column
        {"25 25 20 20 10\r\n2 75 75 0 2\r\n", layoutDeFabrica()},     // orientation 2
        {"-5 25 20 20 10\r\n2 75 75 0 0\r\n", layoutDeFabrica()},     // negative margin
        {"25 25 20 20 10\r\n2 99999 75 0 0\r\n", layoutDeFabrica()},  // absurd width
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.bytes);
        TempFolder pasta;
        pasta.write("LayOut.ini", c.bytes);
        DiskFileSystem fs(false);
        EXPECT_EQ(carregarLayout(fs, pasta.path()), c.esperado);
    }
}

TEST(LayoutFile, MissingFileGivesTheFactoryLayout) {
    TempFolder pasta;
    DiskFileSystem fs(false);
    EXPECT_EQ(carregarLayout(fs, pasta.path()), layoutDeFabrica());
}

TEST(LayoutFile, FailedSaveKeepsTheOldFileAndSaysWhy) {
    const std::string antigo = "25 25 20 20 10\r\n2 75 75 0 0\r\n";
    const struct {
        const char* nome;
        testing::CrashingFileSystem::Failure falha;
        ResultadoGravacao resultado;
        const char* mensagem;
    } casos[] = {
        {"write fails half-way", testing::CrashingFileSystem::Failure::IoError,
         ResultadoGravacao::Incompleto, "Dispositivo defeituoso ou com espaço insuficiente."},
        {"file refused", testing::CrashingFileSystem::Failure::Refused,
         ResultadoGravacao::NaoCriado,
         "Arquivo/caminho impróprio ou dispositivo inválido/defeituoso (ou protegido contra "
         "gravação)."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        TempFolder pasta;
        pasta.write("LayOut.ini", antigo);
        DiskFileSystem disco(false);
        testing::CrashingFileSystem fs(disco);
        fs.failAtStep(1, c.falha);
        RecordingDialogs dialogs;
        EXPECT_EQ(gravarArquivo(fs, pasta.path() / "LayOut.ini", formatarLayout(layoutDeFabrica()),
                                dialogs),
                  c.resultado);
        EXPECT_EQ(dialogs.avisos, std::vector<std::string>{c.mensagem});
        EXPECT_EQ(pasta.files(), (std::map<std::string, std::string>{{"LayOut.ini", antigo}}));
    }
}

TEST(LayoutFile, FolderThatCannotHoldTheFile) {
    TempFolder pasta;
    DiskFileSystem fs(false);
    RecordingDialogs dialogs;
    EXPECT_FALSE(gravarLayout(fs, pasta.path() / "missing", layoutDeFabrica(), dialogs));
    EXPECT_EQ(dialogs.avisos,
              std::vector<std::string>{"Arquivo/caminho impróprio ou dispositivo "
                                       "inválido/defeituoso (ou protegido contra gravação)."});
}

}  // namespace
}  // namespace trovale
