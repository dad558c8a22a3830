#pragma once
// Adding a fingering to the catalogue, after the chord's own fingerings, refusing an
// exact duplicate and asking before a second way of fingering the same sound.

#include "base/dialogs.h"
#include "catalogue/catalogue.h"
#include "catalogue/fingering.h"
#include "fingering/editor_state.h"

namespace trovale {

// A working copy of a catalogued fingering with its slots arranged like the new one's, so
// that slot order alone never makes their encodings differ.
TDigitacao normalizedForComparison(const TDigitacao& nova, const TDigitacao& catalogada);

// Files the fingering under (root, type) resolved through TipoComDigitacoes. Messages and
// the same-montage question go through dialogs. True when it was inserted; the caller
// shows the once-per-run reminder to save.
bool insertFingering(Catalogo& catalogo, const TDigitacao& nova, int root, int tipo,
                     Dialogs& dialogs);

// "&Catalogar" after the open strings were enabled: verify against the link (a failure
// is shown), take the linked root, insert.
bool catalogueFingering(FingeringEditorState& estado, Catalogo& catalogo, Dialogs& dialogs);

}  // namespace trovale
