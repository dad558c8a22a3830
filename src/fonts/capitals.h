#pragma once
// The code page's characters and their capitals, for the font measures.

#include "base/capitals.h"

namespace trovale::fontes {

using trovale::maiusculas;
using trovale::unicodeDeWindows1252;

}  // namespace trovale::fontes
