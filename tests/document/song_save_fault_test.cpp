// A failed save never destroys the song that was on the disk: whatever fails, the old file
// stays as it was, nothing is left beside it, and the user is told.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "base/file_system.h"
#include "document/song_file.h"
#include "settings/template.h"
#include "song_file_fixture.h"
#include "support/crashing_file_system.h"
#include "support/recording_dialogs.h"
#include "support/unprivileged.h"

namespace trovale {
namespace {

namespace fs = std::filesystem;
using testing::goldenSong;
using testing::readBytes;
using testing::RecordingDialogs;
using testing::writeBytes;

const std::string kNaoCriado =
    "Arquivo/caminho impróprio ou dispositivo inválido/defeituoso (ou protegido contra "
    "gravação).";
const std::string kFalha = "Dispositivo defeituoso ou com espaço insuficiente.";

int modeOf(const fs::path& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return static_cast<int>(st.st_mode & 07777);
}

class SongSaveFault : public testing::SongFolder {
  protected:
    void SetUp() override {
        SongFolder::SetUp();
        RecordingDialogs dialogs;
        ASSERT_TRUE(
            LoadSong(song_, goldenSong("coracao_de_estudante_v2.dec"), modeloDeFabrica(), dialogs));
        song_.Lines[3] = "Quero falar de uma coisa nova";
        song_.Modified = true;
        old_ = readBytes(goldenSong("asa_branca_v1.dec"));
        writeBytes(path("cancao.dec"), old_);
    }

    std::vector<std::string> folderNames() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // As an ordinary user: the save must fail with exactly this message and leave Modified.
    int saveAsOrdinaryUser(const fs::path& target, const std::string& message) {
        return testing::comoUsuarioComum([&] {
            RecordingDialogs dialogs;
            SongDocument doc = song_;
            const bool failed = SaveSong(doc, target, dialogs) != 0;
            return failed && doc.Modified && dialogs.avisos == std::vector{message} ? 0 : 1;
        });
    }

    SongDocument song_;
    std::string old_;
};

// The process may write only so many bytes into a file, as on a disk that fills up.
TEST_F(SongSaveFault, FullDiskAtAnyByteKeepsTheOldFile) {
    testing::entregarAoUsuarioComum(folder_);
    fs::permissions(path("cancao.dec"), fs::perms(0666));
    const std::size_t size = songFileText(song_).size();
    for (std::size_t limit : {std::size_t{0}, std::size_t{1}, size / 2, size - 1}) {
        const int status = testing::comoUsuarioComum([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit cap{limit, limit};
            if (::setrlimit(RLIMIT_FSIZE, &cap) != 0) return 2;
            RecordingDialogs dialogs;
            SongDocument doc = song_;
            const int erro = SaveSong(doc, path("cancao.dec"), dialogs);
            return erro == EFBIG && doc.Modified && dialogs.avisos == std::vector{kFalha} ? 0 : 1;
        });
        EXPECT_EQ(status, 0) << "limit " << limit;
        EXPECT_EQ(readBytes(path("cancao.dec")), old_) << "limit " << limit;
        EXPECT_EQ(folderNames(), std::vector<std::string>{"cancao.dec"}) << "limit " << limit;
    }
}

TEST_F(SongSaveFault, InputOutputErrorOfTheDisk) {
    DiskFileSystem disk(false);
    testing::CrashingFileSystem failing(disk);
    failing.failAtStep(1, testing::CrashingFileSystem::Failure::IoError);
    RecordingDialogs dialogs;
    EXPECT_NE(SaveSong(song_, path("cancao.dec"), dialogs, failing), 0);
    EXPECT_EQ(dialogs.avisos, std::vector{kFalha});
    EXPECT_TRUE(song_.Modified);
    EXPECT_EQ(readBytes(path("cancao.dec")), old_);
}

TEST_F(SongSaveFault, TheWholeFileReplacesTheOldOneKeepingItsPermissions) {
    fs::permissions(path("cancao.dec"), fs::perms(0640));
    writeBytes(path("cancao.dec.tmp"), "notas");
    RecordingDialogs dialogs;
    EXPECT_EQ(SaveSong(song_, path("cancao.dec"), dialogs), 0);
    EXPECT_EQ(readBytes(path("cancao.dec")), songFileText(song_));
    EXPECT_EQ(modeOf(path("cancao.dec")), 0640);
    EXPECT_FALSE(song_.Modified);
    // A file that only looks like a temporary one is the user's.
    EXPECT_EQ(readBytes(path("cancao.dec.tmp")), "notas");
    EXPECT_EQ(folderNames(), (std::vector<std::string>{"cancao.dec", "cancao.dec.tmp"}));
}

TEST_F(SongSaveFault, ASymbolicLinkStaysAndItsTargetIsReplaced) {
    fs::create_directory(path("real"));
    fs::rename(path("cancao.dec"), path("real") / "cancao.dec");
    fs::create_symlink(fs::path("real") / "cancao.dec", path("link.dec"));
    RecordingDialogs dialogs;
    EXPECT_EQ(SaveSong(song_, path("link.dec"), dialogs), 0);
    EXPECT_TRUE(fs::is_symlink(path("link.dec")));
    EXPECT_EQ(readBytes(path("real") / "cancao.dec"), songFileText(song_));
    EXPECT_EQ(folderNames(), (std::vector<std::string>{"link.dec", "real"}));
}

TEST_F(SongSaveFault, TargetsThatAreNoRegularFileAreRefused) {
    fs::create_directory(path("pasta.dec"));
    ASSERT_EQ(::mkfifo(path("fila.dec").c_str(), 0644), 0);
    for (const char* name : {"pasta.dec", "fila.dec", "nao/existe.dec"}) {
        RecordingDialogs dialogs;
        SongDocument doc = song_;
        EXPECT_NE(SaveSong(doc, path(name), dialogs), 0) << name;
        EXPECT_EQ(dialogs.avisos, std::vector{kNaoCriado}) << name;
        EXPECT_TRUE(doc.Modified) << name;
    }
    EXPECT_TRUE(fs::is_directory(path("pasta.dec")));
    EXPECT_TRUE(fs::is_fifo(path("fila.dec")));
    EXPECT_EQ(folderNames(), (std::vector<std::string>{"cancao.dec", "fila.dec", "pasta.dec"}));
}

TEST_F(SongSaveFault, ProtectedFilesAndFoldersStayAsTheyWere) {
    testing::entregarAoUsuarioComum(folder_);
    fs::permissions(path("cancao.dec"), fs::perms(0444));
    EXPECT_EQ(saveAsOrdinaryUser(path("cancao.dec"), kNaoCriado), 0);
    EXPECT_EQ(readBytes(path("cancao.dec")), old_);
    EXPECT_EQ(modeOf(path("cancao.dec")), 0444);

    fs::permissions(path("cancao.dec"), fs::perms(0666));
    fs::permissions(folder_, fs::perms(0555));
    EXPECT_EQ(saveAsOrdinaryUser(path("cancao.dec"), kNaoCriado), 0);
    EXPECT_EQ(saveAsOrdinaryUser(path("nova.dec"), kNaoCriado), 0);
    EXPECT_EQ(readBytes(path("cancao.dec")), old_);
    EXPECT_EQ(folderNames(), std::vector<std::string>{"cancao.dec"});
}

}  // namespace
}  // namespace trovale
