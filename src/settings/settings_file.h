#pragma once
// What the small settings files share: their lines and their numbers.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_saving.h"

namespace trovale {

class Dialogs;
class FileSystem;

// Lines ended by CR LF (a bare LF is accepted too); the end of the last line is optional.
// Empty lines at the very end of the file are dropped.
std::vector<std::string> linhasArquivo(std::string_view bytes);

// Reads whole integers separated by blanks or tabs from the start of a line, as many as
// asked; the rest of the line is left alone. Nothing when a number is missing or malformed.
// With `resto`, receives the text after the last number (its separating blank included).
std::optional<std::vector<int>> lerInteiros(std::string_view linha, int quantos,
                                            std::string_view* resto = nullptr);

// A decimal number as the edits take it: digits with at most one "," or "." between or after
// them. Nothing when the text is empty or holds anything else.
std::optional<double> numeroDecimal(std::string_view texto);

}  // namespace trovale
