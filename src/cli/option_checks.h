#pragma once
// Checks of option values whose refusals read in Portuguese. Every numeric option goes
// through one: the parser itself would take an empty text for 0.

#include <CLI/CLI.hpp>
#include <initializer_list>

namespace trovale::cli {

// A whole number written in full (sign and digits only), from `menor` to `maior`.
CLI::Validator inteiroEntre(long menor, long maior);

// One of these whole numbers.
CLI::Validator inteiroEntre(std::initializer_list<long> aceitos);

// A finite decimal number written in full, from `menor` to `maior`.
CLI::Validator numeroEntre(double menor, double maior);

}  // namespace trovale::cli
