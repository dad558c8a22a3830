#include "base/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace trovale {

std::optional<ArquivoMapeado> ArquivoMapeado::abrir(const std::filesystem::path& caminho,
                                                    std::size_t limite) {
    // Non-blocking, so that a named pipe cannot hold the program.
    const int fd = ::open(caminho.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st;
    void* inicio = MAP_FAILED;
    std::size_t tamanho = 0;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 &&
        static_cast<std::uintmax_t>(st.st_size) <= limite) {
        tamanho = static_cast<std::size_t>(st.st_size);
        inicio = ::mmap(nullptr, tamanho, PROT_READ, MAP_PRIVATE, fd, 0);
    }
    ::close(fd);  // the mapping stays
    if (inicio == MAP_FAILED) return std::nullopt;
    return ArquivoMapeado(inicio, tamanho);
}

ArquivoMapeado::~ArquivoMapeado() {
    if (inicio_) ::munmap(inicio_, tamanho_);
}

ArquivoMapeado::ArquivoMapeado(ArquivoMapeado&& outro) noexcept
    : inicio_(std::exchange(outro.inicio_, nullptr)), tamanho_(std::exchange(outro.tamanho_, 0)) {}

ArquivoMapeado& ArquivoMapeado::operator=(ArquivoMapeado&& outro) noexcept {
    if (this != &outro) {
        if (inicio_) ::munmap(inicio_, tamanho_);
        inicio_ = std::exchange(outro.inicio_, nullptr);
        tamanho_ = std::exchange(outro.tamanho_, 0);
    }
    return *this;
}

}  // namespace trovale
