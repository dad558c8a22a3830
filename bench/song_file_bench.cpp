// Saving and loading a song of 3000 lines: half chord lines, half lyrics, 60 chords.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "base/dialogs.h"
#include "base/file_system.h"
#include "document/song_file.h"
#include "settings/template.h"

namespace trovale {
namespace {

class NoDialogs : public Dialogs {
  public:
    void aviso(const std::string&) override {}
    Resposta pergunta(int, const std::string&) override { return Resposta::Nao; }
};

SongDocument bigSong() {
    SongDocument doc;
    doc.Template = modeloDeFabrica();
    doc.Lines = {"Uma can\xE7\xE3o comprida", "Algu\xE9m"};
    doc.LineKinds = {kTitleLine, kAuthorLine};
    for (int c = 0; c < 60; ++c)
        doc.Chords.append(
            std::string(1, static_cast<char>('A' + c % 7)) + "f" + variantTag(c / 7 + 1),
            std::to_string(c % 54 + 1), std::to_string(700 + c) + " 5118 3001");
    for (int i = 2; i < kMaxLines; i += 2) {
        std::vector<PlacedChord> chords;
        for (int k = 0; k < 6; ++k) chords.push_back({1 + 9 * k, (i + k) % 60});
        doc.Lines.push_back(encodeChordLine(chords));
        doc.LineKinds.push_back(kChordLine);
        doc.Lines.push_back("Quando olhei a terra ardendo, qual fogueira de S\xE3o Jo\xE3o");
        doc.LineKinds.push_back(i % 10 == 0 ? kRefrainLine : kLyricLine);
    }
    return doc;
}

// What the program does on mSalvar and on opening: through the disk, synced.
void saveAndLoad(benchmark::State& state, bool sync) {
    SongDocument doc = bigSong();
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
    const SongDocument doc = bigSong();
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
