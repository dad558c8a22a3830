// The example songs shipped with the program: each loads, and each chord has a fingering, so
// that a new user's first song shows its diagrams.
#include <gtest/gtest.h>

#include <filesystem>

#include "document/song_file.h"
#include "settings/template.h"
#include "support/recording_dialogs.h"

namespace trovale {
namespace {

TEST(ExampleSongs, LoadWithAFingeringForEveryChord) {
    int cancoes = 0;
    std::vector<int> apresentacoes;
    for (const auto& entrada : std::filesystem::directory_iterator(TROVALE_EXAMPLE_SONGS_DIR)) {
        SCOPED_TRACE(entrada.path().filename().string());
        testing::RecordingDialogs dialogs;
        SongDocument doc;
        ASSERT_TRUE(LoadSong(doc, entrada.path(), modeloDeFabrica(), dialogs));
        ++cancoes;
        apresentacoes.push_back(doc.Template.Presentation * 10 + doc.Layout.numColunas);
        EXPECT_EQ(doc.Lines[1],
                  "Dom\xEDnio p\xFA"
                  "blico");
        EXPECT_GT(doc.Chords.size(), 1);
        for (int i = 0; i < doc.Chords.size(); ++i)
            EXPECT_NE(doc.Chords.Fingerings[i], kNoFingering) << doc.Chords.Symbols[i];
    }
    EXPECT_EQ(cancoes, 3);
    // One in two columns with a diagram list, one with diagrams between the lines.
    std::sort(apresentacoes.begin(), apresentacoes.end());
    EXPECT_EQ(apresentacoes, (std::vector<int>{11, 12, 21}));
}

}  // namespace
}  // namespace trovale
