#pragma once
// A chord carried by the mouse, inside one song window or from one to another: what it is,
// and where it comes from, so that a move within a song takes it from its old place.

#include <QMimeData>
#include <memory>
#include <optional>

#include "document/sheet_editing.h"

namespace trovale {

inline constexpr const char* kTipoAcordeArrastado = "application/x-trovale-acorde";

struct AcordeArrastado {
    DraggedChord acorde;
    quintptr origem = 0;  // the song window it left; its line only counts there
};

std::unique_ptr<QMimeData> mimeDoAcorde(const AcordeArrastado& arrastado);
std::optional<AcordeArrastado> acordeDoMime(const QMimeData* mime);

}  // namespace trovale
