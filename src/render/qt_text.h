#pragma once
// Windows-1252 text as the toolkit takes it.

#include <QString>
#include <string_view>

#include "base/text_codec.h"

namespace trovale {

inline QString qs(std::string_view windows1252) {
    return QString::fromStdString(utf8DeWindows1252(windows1252));
}

}  // namespace trovale
