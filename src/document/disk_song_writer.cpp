// Song bytes onto the disk with POSIX calls: std::ofstream cannot sync, and without the
// sync a power failure could keep the rename but lose the bytes it points at.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "document/song_file.h"

namespace trovale {

namespace {

int syncFolder(const std::filesystem::path& file) {
    std::filesystem::path folder = file.parent_path();
    if (folder.empty()) folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    const int erro = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return erro;
}

}  // namespace

DiskSongWriter::~DiskSongWriter() {
    if (fd_ >= 0) ::close(fd_);
}

int DiskSongWriter::create(const std::filesystem::path& path) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return fd_ < 0 ? errno : 0;
}

int DiskSongWriter::write(std::string_view bytes) {
    if (fd_ < 0) return EBADF;
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

int DiskSongWriter::close() {
    if (fd_ < 0) return EBADF;
    int erro = !sync_ || ::fsync(fd_) == 0 ? 0 : errno;
    if (::close(fd_) != 0 && erro == 0) erro = errno;
    fd_ = -1;
    return erro;
}

int DiskSongWriter::replace(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) return errno;
    return sync_ ? syncFolder(to) : 0;
}

void DiskSongWriter::discard(const std::filesystem::path& path) {
    ::unlink(path.c_str());
}

}  // namespace trovale
