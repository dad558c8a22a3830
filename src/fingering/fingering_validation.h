#pragma once
// Whether a fingering can be played and means a chord; the caller shows the message.

#include <string>

#include "catalogue/fingering.h"

namespace trovale {

struct FingeringCheck {
    bool valid = true;
    std::string message;  // UTF-8; empty when valid
};

// Checks, in order: a note pressed uselessly behind a barre, a barre that no string
// sounds at, a pressed string that is not struck, fewer than three different notes.
FingeringCheck validateFingering(const TDigitacao& digitacao);

// The first check alone: the warning shown after a note or barre is placed.
FingeringCheck checkNoteBeforeBarre(const TDigitacao& digitacao);

}  // namespace trovale
