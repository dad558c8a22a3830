#pragma once
// The song the benchmarks work on: 3000 lines, half chord lines with six chords each, half
// lyrics (every fifth a refrain), 60 chords in the table.

#include <string>
#include <vector>

#include "document/song_document.h"
#include "settings/template.h"

namespace trovale::bench {

inline SongDocument cancaoDe3000Linhas() {
    SongDocument doc;
    doc.Template = modeloDeFabrica();
    doc.Layout = {20, 20, 25, 20, 10, 2, 80, 80, 0, 0};
    doc.Lines = {"Uma can\xE7\xE3o comprida", "Algu\xE9m"};
    doc.LineKinds = {kTitleLine, kAuthorLine};
    const char* raizes[] = {"Af", "Bf", "Cf", "Df", "Ef", "Ff", "Gf"};
    for (int c = 0; c < 60; ++c)
        doc.Chords.append(std::string(raizes[c % 7]) + "7" + variantTag(c / 7 + 1),
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

}  // namespace trovale::bench
