#pragma once
// LayOut.ini: the default page layout given to new documents.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "settings/page_layout.h"

namespace trovale {

class Dialogs;
class FileSystem;

inline constexpr std::string_view kArquivoLayout = "LayOut.ini";

// Line 1 the margins and the gap, line 2 columns, widths and orientation; CR LF.
std::string formatarLayout(const PageLayout& layout);

// Nothing when a number is missing or a value could not be a layout (columns outside 1..3,
// an orientation other than 0 or 1, a negative length).
std::optional<PageLayout> interpretarLayout(std::string_view bytes);

// The default layout at start-up; the factory layout, silently, when the file is missing or
// unreadable.
PageLayout carregarLayout(FileSystem& fs, const std::filesystem::path& pastaPrograma);

// "Tornar padrão": writes LayOut.ini; false (message shown) when it could not be saved.
bool gravarLayout(FileSystem& fs, const std::filesystem::path& pastaPrograma,
                  const PageLayout& layout, Dialogs& dialogs);

}  // namespace trovale
