// A failed save never destroys the song that was on the disk: whatever step fails, and at
// whichever byte the disk fills up, the old file stays as it was and the user is told.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>

#include "document/song_file.h"
#include "settings/template.h"
#include "song_file_fixture.h"
#include "support/recording_dialogs.h"

namespace trovale {
namespace {

using testing::goldenSong;
using testing::readBytes;
using testing::RecordingDialogs;
using testing::writeBytes;

// The real disk, failing at one chosen step; a write fails once `byteLimit` bytes are down,
// as a full disk does.
class FailingSongWriter : public SongWriter {
  public:
    enum class Step { None, Create, Write, Close, Replace };

    FailingSongWriter(Step step, std::size_t byteLimit = 0) : step_(step), limit_(byteLimit) {}

    int create(const std::filesystem::path& path) override {
        return step_ == Step::Create ? EACCES : disk_.create(path);
    }
    int write(std::string_view bytes) override {
        if (step_ != Step::Write) return disk_.write(bytes);
        const std::size_t room = limit_ > written_ ? limit_ - written_ : 0;
        const std::size_t n = std::min(room, bytes.size());
        written_ += n;
        if (int erro = disk_.write(bytes.substr(0, n)); erro != 0) return erro;
        return n < bytes.size() ? ENOSPC : 0;
    }
    int close() override {
        const int erro = disk_.close();
        return step_ == Step::Close ? EIO : erro;
    }
    int replace(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return step_ == Step::Replace ? EXDEV : disk_.replace(from, to);
    }
    void discard(const std::filesystem::path& path) override { disk_.discard(path); }

  private:
    DiskSongWriter disk_{false};
    Step step_;
    std::size_t limit_;
    std::size_t written_ = 0;
};

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

    // Saves through the writer and checks that nothing but the message happened.
    void expectFailedSave(FailingSongWriter writer, int expectedError, const char* message,
                          const std::string& label) {
        RecordingDialogs dialogs;
        SongDocument doc = song_;
        EXPECT_EQ(SaveSong(doc, path("cancao.dec"), dialogs, writer), expectedError) << label;
        EXPECT_EQ(dialogs.avisos, std::vector<std::string>{message}) << label;
        EXPECT_TRUE(doc.Modified) << label;
        EXPECT_EQ(readBytes(path("cancao.dec")), old_) << label;
        EXPECT_FALSE(std::filesystem::exists(temporarySavePath(path("cancao.dec")))) << label;
    }

    SongDocument song_;
    std::string old_;
};

TEST_F(SongSaveFault, FullDiskAtEveryByteKeepsTheOldFile) {
    const std::size_t size = songFileText(song_).size();
    ASSERT_GT(size, 500u);
    for (std::size_t k = 0; k < size; ++k)
        expectFailedSave(FailingSongWriter(FailingSongWriter::Step::Write, k), ENOSPC,
                         "Dispositivo defeituoso ou com espaço insuficiente.",
                         "byte " + std::to_string(k));
}

TEST_F(SongSaveFault, EveryOtherStep) {
    using Step = FailingSongWriter::Step;
    struct Case {
        Step step;
        int error;
        const char* message;
    };
    const Case cases[] = {
        {Step::Create, EACCES,
         "Arquivo/caminho impróprio ou dispositivo inválido/defeituoso (ou protegido contra "
         "gravação)."},
        {Step::Close, EIO, "Dispositivo defeituoso ou com espaço insuficiente."},
        {Step::Replace, EXDEV, "Dispositivo defeituoso ou com espaço insuficiente."},
    };
    for (const Case& c : cases)
        expectFailedSave(FailingSongWriter(c.step), c.error, c.message,
                         "step " + std::to_string(static_cast<int>(c.step)));
}

TEST_F(SongSaveFault, TheWholeFileReplacesTheOldOne) {
    RecordingDialogs dialogs;
    FailingSongWriter writer(FailingSongWriter::Step::Write, 1 << 20);
    EXPECT_EQ(SaveSong(song_, path("cancao.dec"), dialogs, writer), 0);
    EXPECT_EQ(readBytes(path("cancao.dec")), songFileText(song_));
    EXPECT_FALSE(song_.Modified);
}

TEST_F(SongSaveFault, ReadOnlyFolder) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
    std::filesystem::permissions(
        folder_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    RecordingDialogs dialogs;
    EXPECT_NE(SaveSong(song_, path("cancao.dec"), dialogs), 0);
    EXPECT_EQ(dialogs.avisos,
              std::vector<std::string>{"Arquivo/caminho impróprio ou dispositivo "
                                       "inválido/defeituoso (ou protegido contra gravação)."});
    EXPECT_EQ(readBytes(path("cancao.dec")), old_);
}

TEST_F(SongSaveFault, MissingFolder) {
    RecordingDialogs dialogs;
    EXPECT_EQ(SaveSong(song_, folder_ / "nao" / "existe.dec", dialogs), ENOENT);
    EXPECT_EQ(dialogs.avisos,
              std::vector<std::string>{"Arquivo/caminho impróprio ou dispositivo "
                                       "inválido/defeituoso (ou protegido contra gravação)."});
    EXPECT_TRUE(song_.Modified);
}

}  // namespace
}  // namespace trovale
