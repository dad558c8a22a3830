// MUSICS.INI: exact bytes, reading back, damaged files and failed writes.

#include <gtest/gtest.h>

#include "base/file_system.h"
#include "catalogue/catalogue_files_fixture.h"
#include "settings/musics_file.h"
#include "support/crashing_file_system.h"
#include "support/recording_dialogs.h"

namespace trovale {
namespace {

using testing::CrashingFileSystem;
using testing::RecordingDialogs;
using testing::TempFolder;

const std::string kPadrao =
    "10 /home/ana/Trovale\r\n"
    " 3.00000000000000E-0001 T\xEDtulo\r\n"
    " 3.00000000000000E-0001 Autor\r\n"
    " 4.00000000000000E-0001 Nome\r\n";

std::string mensagemDefeito(const TempFolder& pasta) {
    return "Arquivo " + pasta.path().string() +
           "/MUSICS.INI defeituoso. Remova-o, se não conseguir restaurá-lo.";
}

TEST(MusicsFile, UserSettingsRoundTrip) {
    TempFolder pasta;
    DiskFileSystem fs(false);
    RecordingDialogs dialogs;
    ConfiguracaoMusicas escrita;
    escrita.fonteEditor = 1114;  // 14, bold, italic
    escrita.pasta =
        "/mnt/m\xC3\xBAsicas/can\xC3\xA7\xC3\xB5"
        "es";
    escrita.colunas = {
        {{ColunaArquivo::Autor, 0.25}, {ColunaArquivo::Titulo, 0.5}, {ColunaArquivo::Nome, 0.125}}};
    ASSERT_EQ(gravarMusicas(fs, pasta.path(), escrita, dialogs), ResultadoGravacao::Gravado);
    // Windows-1252 in the file, like the other settings files.
    EXPECT_EQ(pasta.read("MUSICS.INI")->substr(0, 27),
              "1114 /mnt/m\xFAsicas/can\xE7\xF5"
              "es\r\n");

    const ConfiguracaoMusicas lida = carregarMusicas(fs, pasta.path(), "/x", dialogs);
    EXPECT_EQ(lida.fonteEditor, 1114);
    EXPECT_EQ(lida.pasta, escrita.pasta);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lida.colunas[i].coluna, escrita.colunas[i].coluna);
        EXPECT_DOUBLE_EQ(lida.colunas[i].largura, escrita.colunas[i].largura);
    }
    EXPECT_TRUE(dialogs.avisos.empty());

    // A folder Windows-1252 cannot spell is kept in UTF-8 rather than lost to question marks.
    escrita.pasta = "/home/\xE6\xAD\x8C";
    EXPECT_EQ(interpretarMusicas(formatarMusicas(escrita))->pasta, escrita.pasta);
}

TEST(MusicsFile, ReadingVariants) {
    const struct {
        const char* caso;
        std::string bytes;
        bool valido;
        int fonte;
        ColunaArquivo primeira;
    } casos[] = {
        {"the stored file", kPadrao, true, 10, ColunaArquivo::Titulo},
        {"a tiny width", "2 /p\r\n 1.00000000000000E-0003 N\r\n0.3 A\r\n0.4 T\r\n", true, 2,
         ColunaArquivo::Nome},
        {"S 0 becomes 10", "0 /p\r\n 3.0E-0001 Autor\r\n 3.0E-0001 Nome\r\n 4.0E-0001 Titulo\r\n",
         true, 10, ColunaArquivo::Autor},
        {"only the first letter counts, LF ends", "112 /p\n0.3 Nada\n0.3 Ano\n0.4 Tempo\n", true,
         112, ColunaArquivo::Nome},
        {"negative S", "-1 /p\r\n0.3 T\r\n0.3 A\r\n0.4 N\r\n", false, 0, {}},
        {"empty folder", "10 \r\n0.3 T\r\n0.3 A\r\n0.4 N\r\n", false, 0, {}},
        {"empty column name", "10 /p\r\n0.3 T\r\n0.3 A\r\n0.4 \r\n", false, 0, {}},
        {"missing column line", "10 /p\r\n0.3 T\r\n0.3 A\r\n", false, 0, {}},
        {"column twice", "10 /p\r\n0.3 T\r\n0.3 A\r\n0.4 Titulo\r\n", false, 0, {}},
        {"unknown column", "10 /p\r\n0.3 T\r\n0.3 A\r\n0.4 X\r\n", false, 0, {}},
        {"width not a number", "10 /p\r\n0.3 T\r\nabc A\r\n0.4 N\r\n", false, 0, {}},
        {"S not a number", "dez /p\r\n0.3 T\r\n0.3 A\r\n0.4 N\r\n", false, 0, {}},
    };
    for (const auto& caso : casos) {
        const auto lida = interpretarMusicas(caso.bytes);
        ASSERT_EQ(lida.has_value(), caso.valido) << caso.caso;
        if (!lida) continue;
        EXPECT_EQ(lida->fonteEditor, caso.fonte) << caso.caso;
        EXPECT_EQ(lida->colunas[0].coluna, caso.primeira) << caso.caso;
    }
}

TEST(MusicsFile, DamagedOrUnreadableFileGivesDefaultsAndMessage) {
    for (const bool pastaNoLugar : {false, true}) {
        TempFolder pasta;
        DiskFileSystem fs(false);
        RecordingDialogs dialogs;
        if (pastaNoLugar)
            std::filesystem::create_directory(pasta.path() / "MUSICS.INI");  // cannot be read
        else
            pasta.write("MUSICS.INI", "-5 /p\r\n");
        const ConfiguracaoMusicas c = carregarMusicas(fs, pasta.path(), "/songs", dialogs);
        EXPECT_EQ(c.pasta, "/songs");
        EXPECT_EQ(c.colunas[2].coluna, ColunaArquivo::Nome);
        EXPECT_EQ(dialogs.avisos, std::vector<std::string>{mensagemDefeito(pasta)});
    }
}

TEST(MusicsFile, FailedWritesReportAndKeepOldFile) {
    const struct {
        CrashingFileSystem::Failure falha;
        ResultadoGravacao resultado;
        const char* mensagem;
    } casos[] = {
        {CrashingFileSystem::Failure::Refused, ResultadoGravacao::NaoCriado,
         "Arquivo/caminho impróprio ou dispositivo inválido/defeituoso (ou protegido contra "
         "gravação)."},
        {CrashingFileSystem::Failure::IoError, ResultadoGravacao::Incompleto,
         "Dispositivo defeituoso ou com espaço insuficiente."},
    };
    for (const auto& caso : casos) {
        TempFolder pasta;
        pasta.write("MUSICS.INI", kPadrao);
        DiskFileSystem real(false);
        CrashingFileSystem fs(real);
        fs.failAtStep(1, caso.falha);
        RecordingDialogs dialogs;
        ConfiguracaoMusicas c;
        c.pasta = "/other";
        EXPECT_EQ(gravarMusicas(fs, pasta.path(), c, dialogs), caso.resultado);
        EXPECT_EQ(dialogs.avisos, std::vector<std::string>{caso.mensagem});
        EXPECT_EQ(pasta.read("MUSICS.INI"), kPadrao);
    }
}

}  // namespace
}  // namespace trovale
