#pragma once
// Permissions mean nothing to the superuser, and CI runs the tests as root: checks that need
// them run in a child process as an ordinary user.

#include <filesystem>
#include <functional>

namespace trovale::testing {

// The user the child becomes when the tests run as root ("nobody").
inline constexpr unsigned kUsuarioComum = 65534;

// Runs `corpo` in a child process as an ordinary user; its result is the child's exit status
// (0..255), or -1 when the child died or could not drop its privileges.
int comoUsuarioComum(const std::function<int()>& corpo);

// Hands a folder to that user (when running as root), so that they may write into it.
void entregarAoUsuarioComum(const std::filesystem::path& pasta);

}  // namespace trovale::testing
