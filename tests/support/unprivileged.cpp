#include "support/unprivileged.h"

#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace trovale::testing {

int comoUsuarioComum(const std::function<int()>& corpo) {
    const pid_t filho = ::fork();
    if (filho < 0) return -1;
    if (filho == 0) {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(kUsuarioComum) != 0 ||
                                 ::setuid(kUsuarioComum) != 0))
            ::_exit(255);
        // _exit: the child must not run the parent's exit handlers (the test framework's).
        ::_exit(corpo() & 0xFF);
    }
    int estado = 0;
    while (::waitpid(filho, &estado, 0) < 0)
        if (errno != EINTR) return -1;
    return WIFEXITED(estado) && WEXITSTATUS(estado) != 255 ? WEXITSTATUS(estado) : -1;
}

void entregarAoUsuarioComum(const std::filesystem::path& pasta) {
    if (::geteuid() == 0) (void)::chown(pasta.c_str(), kUsuarioComum, kUsuarioComum);
}

}  // namespace trovale::testing
