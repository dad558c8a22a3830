#pragma once
// Writing chords of a text another way (C7M as C7+, G4 as Gsus4) without moving the chords
// off the syllables they stand over.

#include <optional>
#include <string>
#include <vector>

#include "document/text_interpretation.h"

namespace trovale {

// One chord word as it stands in the text and as it is to be written (Windows-1252).
struct TrocaDeSigla {
    std::string antiga;
    std::string nova;
};

struct ReescritaDeSiglas {
    std::vector<std::string> linhas;
    // The new text that found no room on some line; the lines are then the ones given.
    std::optional<std::string> semEspaco;
};

// Rewrites every whole-word occurrence of each `antiga` on the chord lines. The part of a
// chord line above the lyric line below it keeps its columns: a longer word takes the blanks
// after it and must still be followed by one; a shorter one is padded. The rest of the line
// just takes the new words. All words are read before any is written, so one change never
// feeds another (C7M to C7+ and C7+ to C7M swap). When some line lacks room for a change,
// nothing is rewritten and `semEspaco` names the first such change's new text.
ReescritaDeSiglas reescreverSiglas(const std::vector<std::string>& linhas,
                                   const std::vector<bool>& linhasDeAcordes,
                                   const std::vector<TrocaDeSigla>& trocas);

// The refusal, in UTF-8: "Falta espaço em uma ou mais linhas para o texto da nova sigla: "
// followed by the new text.
std::string mensagemSemEspaco(const std::string& nova);

// Moves the table entries of the old writings to the new ones, so that the fingerings chosen
// for them survive the next interpretation. An entry is left alone when the new writing has
// one already.
void renomearConhecidos(AcordesConhecidos& conhecidos, const std::vector<TrocaDeSigla>& trocas);

}  // namespace trovale
