#pragma once
// Song titles in the order of a Brazilian index: letters before their accents, case ignored.

#include <cstddef>
#include <string>
#include <vector>

namespace trovale {

// The order of `titulos` (UTF-8): by their letters with accents and case set aside, then by
// the accents themselves (an accented first letter counts as its plain letter, as the file
// window files it); titles that are still equal keep their order.
std::vector<std::size_t> ordemPorTitulo(const std::vector<std::string>& titulos);

}  // namespace trovale
