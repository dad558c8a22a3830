#pragma once
// Naming the chords a fingering plays: every root it sounds against every chord type,
// then every root it leaves out.

#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/fingering.h"
#include "fingering/chord_tones.h"

namespace trovale {

inline constexpr int kMaxCandidatos = 5;

enum Omissao { kCompleto = 0, kSemFundamental = 1, kSemQuinta = 5 };

struct ChordCandidate {
    int type = 0;
    std::string rootSpelling;
    int omission = kCompleto;
    bool catalogued = false;
    std::string bassSpelling;
    // The root's other spelling and the bass spelled after it; empty for a natural root.
    std::string equivalentSpelling;
    std::string equivalentBassSpelling;
};

struct Identification {
    int count = 0;                           // every match, even beyond the fifth
    std::vector<ChordCandidate> candidates;  // the first five
    std::string bassName;                    // label text of the bass string
    std::string message;                     // UTF-8; empty when one to five chords match
};

// Identifies a fingering that validateFingering accepted, trying every type number in
// increasing order (gaps left by deleted types never match). The chords with the bass as
// root and nothing left out come first, so that none of them is left out of the five; the
// rest keep the order found. tons is the linked chord's
// tone row (empty when not linked): it decides how sounding notes are spelled.
Identification identifyChords(const TDigitacao& digitacao, const ChordToneRow& tons,
                              const Catalogo& catalogo);

}  // namespace trovale
