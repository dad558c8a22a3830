#pragma once
// What an element label of the template window carries when it is dragged: onto a sheet row,
// its line kind; onto another label of the same window, the label whose font is copied.

#include <QMimeData>
#include <memory>
#include <optional>

namespace trovale {

// The drag of an element label onto a sheet row: its own MIME type carrying the line kind.
inline constexpr char kMimeElemento[] = "application/x-trovale-elemento";
// A font carried between two labels of one window; the sheet never takes it.
inline constexpr char kMimeFonteElemento[] = "application/x-trovale-fonte-elemento";

std::unique_ptr<QMimeData> mimeDoElemento(int elemento);
std::optional<int> elementoArrastado(const QMimeData* dados);  // kind 0..8, or nothing

// `janela` tells the window the drag left, so that only its own labels take the font.
std::unique_ptr<QMimeData> mimeDaFonte(const QObject* janela, int elemento);
std::optional<int> fonteArrastada(const QMimeData* dados, const QObject* janela);

}  // namespace trovale
