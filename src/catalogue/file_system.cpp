#include "catalogue/file_system.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <system_error>

namespace trovale {

namespace fs = std::filesystem;

FileSystemError::FileSystemError(std::string erro, fs::path caminho)
    : std::runtime_error(caminho.string() + ": " + erro),
      erro_(std::move(erro)),
      caminho_(std::move(caminho)) {}

namespace {

[[noreturn]] void falhar(int numeroErro, const fs::path& caminho) {
    throw FileSystemError(std::error_code(numeroErro, std::generic_category()).message(), caminho);
}

void verificar(const std::error_code& codigo, const fs::path& caminho) {
    if (codigo) throw FileSystemError(codigo.message(), caminho);
}

// Owns a POSIX descriptor so that every error path closes it.
class Descritor {
  public:
    Descritor(const fs::path& caminho, int modo) : caminho_(caminho) {
        do {
            fd_ = ::open(caminho.c_str(), modo | O_CLOEXEC, 0644);
        } while (fd_ < 0 && errno == EINTR);
        if (fd_ < 0) falhar(errno, caminho_);
    }
    ~Descritor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descritor(const Descritor&) = delete;
    Descritor& operator=(const Descritor&) = delete;

    void escrever(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) falhar(errno, caminho_);
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
    }

    // Bytes read into the buffer; 0 at the end of the file.
    std::size_t ler(char* buffer, std::size_t tamanho) {
        for (;;) {
            const ssize_t n = ::read(fd_, buffer, tamanho);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) falhar(errno, caminho_);
            return static_cast<std::size_t>(n);
        }
    }

    void sincronizar() {
        if (::fsync(fd_) != 0) falhar(errno, caminho_);
    }

    // Closing can report a delayed write error, so it is checked too.
    void fechar() {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0 && errno != EINTR) falhar(errno, caminho_);
    }

  private:
    fs::path caminho_;
    int fd_ = -1;
};

fs::path pastaDe(const fs::path& caminho) {
    const fs::path pasta = caminho.parent_path();
    return pasta.empty() ? fs::path(".") : pasta;
}

constexpr int kModoCriar = O_WRONLY | O_CREAT | O_TRUNC;

}  // namespace

// Puts the folder's entries (new names, renames, removals) on the disk.
void DiskFileSystem::sincronizarPasta(const fs::path& caminho) const {
    if (!sincronizar_) return;
    Descritor pasta(pastaDe(caminho), O_RDONLY | O_DIRECTORY);
    pasta.sincronizar();
    pasta.fechar();
}

bool DiskFileSystem::exists(const fs::path& caminho) {
    std::error_code codigo;
    const bool existe = fs::exists(caminho, codigo);
    verificar(codigo, caminho);
    return existe;
}

bool DiskFileSystem::isDirectory(const fs::path& caminho) {
    std::error_code codigo;
    const bool pasta = fs::is_directory(caminho, codigo);
    if (codigo && codigo != std::errc::no_such_file_or_directory) verificar(codigo, caminho);
    return pasta;
}

std::optional<std::string> DiskFileSystem::readFile(const fs::path& caminho) {
    std::ifstream arquivo(caminho, std::ios::binary);
    if (!arquivo) return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(arquivo), std::istreambuf_iterator<char>()};
    if (arquivo.bad()) return std::nullopt;
    return bytes;
}

void DiskFileSystem::writeFile(const fs::path& caminho, std::string_view bytes) {
    Descritor arquivo(caminho, kModoCriar);
    arquivo.escrever(bytes);
    if (sincronizar_) arquivo.sincronizar();
    arquivo.fechar();
    sincronizarPasta(caminho);
}

bool DiskFileSystem::remove(const fs::path& caminho) {
    std::error_code codigo;
    const bool removido = fs::remove(caminho, codigo);
    verificar(codigo, caminho);
    if (removido) sincronizarPasta(caminho);
    return removido;
}

void DiskFileSystem::rename(const fs::path& de, const fs::path& para) {
    std::error_code codigo;
    fs::rename(de, para, codigo);
    verificar(codigo, de);
    sincronizarPasta(para);
    if (pastaDe(de) != pastaDe(para)) sincronizarPasta(de);
}

void DiskFileSystem::createDirectory(const fs::path& caminho) {
    std::error_code codigo;
    fs::create_directory(caminho, codigo);
    verificar(codigo, caminho);
    sincronizarPasta(caminho);
}

void DiskFileSystem::copyFile(const fs::path& de, const fs::path& para) {
    Descritor origem(de, O_RDONLY);
    Descritor destino(para, kModoCriar);
    char bloco[kBlocoCopia];
    while (const std::size_t n = origem.ler(bloco, sizeof bloco))
        destino.escrever(std::string_view(bloco, n));
    if (sincronizar_) destino.sincronizar();
    destino.fechar();
    sincronizarPasta(para);
}

fs::file_time_type DiskFileSystem::modificationTime(const fs::path& caminho) {
    std::error_code codigo;
    const fs::file_time_type quando = fs::last_write_time(caminho, codigo);
    verificar(codigo, caminho);
    return quando;
}

void DiskFileSystem::setModificationTime(const fs::path& caminho, fs::file_time_type quando) {
    std::error_code codigo;
    fs::last_write_time(caminho, quando, codigo);
    verificar(codigo, caminho);
}

}  // namespace trovale
