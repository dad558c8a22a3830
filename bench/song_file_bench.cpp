// Saving and loading a song of 3000 lines: half chord lines, half lyrics, 60 chords.

#include <benchmark/benchmark.h>

#include "support/silent_dialogs.h"

#include <filesystem>
#include <string>

#include "base/dialogs.h"
#include "base/file_system.h"
#include "big_song.h"
#include "document/song_file.h"
#include "settings/template.h"

namespace trovale {
namespace {

using NoDialogs = testing::SilentDialogs;

// What the program does on mSalvar and on opening: through the disk, synced.
void saveAndLoad(benchmark::State& state, bool sync) {
    SongDocument doc = bench::cancaoDe3000Linhas();
    const auto path = std::filesystem::temp_directory_path() / "trovale_song_bench.dec";
    const Modelo padrao = modeloDeFabrica();
    NoDialogs dialogs;
    for (auto _ : state) {
        DiskFileSystem disco(sync);
        if (SaveSong(doc, path, dialogs, disco) != 0) state.SkipWithError("save failed");
        SongDocument loaded;
        if (!LoadSong(loaded, path, padrao, dialogs)) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(loaded.Lines.data());
    }
    std::filesystem::remove(path);
}

void BM_SaveAndLoad3000Lines(benchmark::State& state) {
    saveAndLoad(state, true);
}
BENCHMARK(BM_SaveAndLoad3000Lines)->Unit(benchmark::kMillisecond);

void BM_SaveAndLoad3000LinesWithoutSync(benchmark::State& state) {
    saveAndLoad(state, false);
}
BENCHMARK(BM_SaveAndLoad3000LinesWithoutSync)->Unit(benchmark::kMillisecond);

// The same without the disk: the file's text built and read back.
void BM_FormatAndParse3000Lines(benchmark::State& state) {
    const SongDocument doc = bench::cancaoDe3000Linhas();
    const Modelo padrao = modeloDeFabrica();
    for (auto _ : state) {
        const std::string text = songFileText(doc);
        auto song = parseSongFile(text, padrao);
        benchmark::DoNotOptimize(song);
    }
}
BENCHMARK(BM_FormatAndParse3000Lines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trovale

BENCHMARK_MAIN();
