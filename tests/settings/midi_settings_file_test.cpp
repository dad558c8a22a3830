// MIDISOM.INI: exact bytes, reading back, files that give the defaults, failed writes.

#include <gtest/gtest.h>

#include "base/file_system.h"
#include "catalogue/catalogue_files_fixture.h"
#include "settings/midi_settings_file.h"
#include "support/crashing_file_system.h"

namespace trovale {
namespace {

using testing::CrashingFileSystem;
using testing::TempFolder;

TEST(MidiSettingsFile, RoundTrip) {
    const struct {
        ConfiguracaoMidi configuracao;
        std::string bytes;
    } casos[] = {
        {{"USB MIDI Interface", "024 - Violão com cordas de nylon"},
         "USB MIDI Interface\r\n024 - Viol\xE3o com cordas de nylon\r\n"},
        {{"Não identificado # 2", "007"}, "N\xE3o identificado # 2\r\n007\r\n"},
        // A name Windows-1252 cannot spell stays UTF-8, or it would never be found again.
        {{"Teclado \xE6\xAD\x8C", "052 - Coro de \"ahs\""},
         "Teclado \xE6\xAD\x8C\r\n052 - Coro de \"ahs\"\r\n"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.configuracao.dispositivo);
        TempFolder pasta;
        DiskFileSystem fs(false);
        ASSERT_TRUE(gravarMidi(fs, pasta.path(), c.configuracao));
        EXPECT_EQ(pasta.read("MIDISOM.INI"), c.bytes);
        EXPECT_EQ(lerMidi(fs, pasta.path()), c.configuracao);
    }
}

TEST(MidiSettingsFile, Reading) {
    const struct {
        const char* nome;
        std::optional<std::string> bytes;  // none: no file
        std::optional<ConfiguracaoMidi> lida;
    } casos[] = {
        {"no file", std::nullopt, std::nullopt},
        {"empty", "", std::nullopt},
        {"blank lines only", "\r\n\r\n", std::nullopt},
        {"bare line ends", "Teclado\n003\n", ConfiguracaoMidi{"Teclado", "003"}},
        {"no second line", "Teclado", ConfiguracaoMidi{"Teclado", ""}},
        {"more lines", "A\r\nB\r\nC\r\n", ConfiguracaoMidi{"A", "B"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        TempFolder pasta;
        if (c.bytes) pasta.write("MIDISOM.INI", *c.bytes);
        DiskFileSystem fs(false);
        EXPECT_EQ(lerMidi(fs, pasta.path()), c.lida);
    }
}

TEST(MidiSettingsFile, FailedWriteKeepsTheOldFile) {
    for (const auto falha :
         {CrashingFileSystem::Failure::IoError, CrashingFileSystem::Failure::Refused}) {
        TempFolder pasta;
        pasta.write("MIDISOM.INI", "A\r\n000 - Piano\r\n");
        DiskFileSystem disco(false);
        CrashingFileSystem fs(disco);
        fs.failAtStep(1, falha);
        EXPECT_FALSE(gravarMidi(fs, pasta.path(), {"B", "007"}));
        EXPECT_EQ(pasta.read("MIDISOM.INI"), "A\r\n000 - Piano\r\n");
    }
}

}  // namespace
}  // namespace trovale
