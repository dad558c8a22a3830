#pragma once
// Checking the current fingering against the chord it is linked to.

#include <string>

#include "catalogue/type_catalogue.h"
#include "fingering/editor_state.h"

namespace trovale {

struct Verification {
    bool matches = false;
    // UTF-8: the validation or mismatch message, or on a match the confirmation with its
    // remark on the bass and the omitted note.
    std::string message;
};

// Validates the fingering, then tests it against linkedRoot and linkedType.
Verification verifyAgainstLink(const FingeringEditorState& estado, const CatalogoTipos& tipos);

}  // namespace trovale
