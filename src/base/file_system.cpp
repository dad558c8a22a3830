#include "base/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <random>
#include <system_error>

namespace trovale {

namespace fs = std::filesystem;

FileSystemError::FileSystemError(std::string erro, fs::path caminho, bool incompleto, int codigo)
    : std::runtime_error(caminho.string() + ": " + erro),
      erro_(std::move(erro)),
      caminho_(std::move(caminho)),
      incompleto_(incompleto),
      codigo_(codigo) {}

namespace {

[[noreturn]] void falhar(int numeroErro, const fs::path& caminho, bool incompleto = false) {
    throw FileSystemError(std::error_code(numeroErro, std::generic_category()).message(), caminho,
                          incompleto, numeroErro);
}

void verificar(const std::error_code& codigo, const fs::path& caminho) {
    if (codigo) throw FileSystemError(codigo.message(), caminho, false, codigo.value());
}

// -1 with errno set when the file cannot be opened.
int abrir(const fs::path& caminho, int modo, mode_t permissoes = 0) {
    int fd;
    do {
        fd = ::open(caminho.c_str(), modo | O_CLOEXEC, permissoes);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Owns a POSIX descriptor so that every error path closes it. Errors name `caminho`; those of
// a descriptor opened for writing are marked incomplete.
class Descritor {
  public:
    Descritor(const fs::path& caminho, int modo) : caminho_(caminho), fd_(abrir(caminho, modo)) {
        if (fd_ < 0) falhar(errno, caminho_);
    }
    Descritor(int fd, const fs::path& caminho, bool escrita)
        : caminho_(caminho), fd_(fd), escrita_(escrita) {}
    ~Descritor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descritor(const Descritor&) = delete;
    Descritor& operator=(const Descritor&) = delete;

    int fd() const { return fd_; }

    void escrever(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) falhar(n < 0 ? errno : EIO, caminho_, escrita_);
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
        if (::fsync(fd_) != 0) falhar(errno, caminho_, escrita_);
    }

    // Closing can report a delayed write error, so it is checked too.
    void fechar() {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0 && errno != EINTR) falhar(errno, caminho_, escrita_);
    }

  private:
    fs::path caminho_;
    int fd_ = -1;
    bool escrita_ = false;
};

fs::path pastaDe(const fs::path& caminho) {
    const fs::path pasta = caminho.parent_path();
    return pasta.empty() ? fs::path(".") : pasta;
}

// The file a write replaces: symbolic links are followed, so that a link stays a link.
fs::path arquivoApontado(fs::path caminho) {
    for (int salto = 0; salto < 40; ++salto) {
        struct stat st;
        if (::lstat(caminho.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return caminho;
        std::error_code codigo;
        const fs::path alvo = fs::read_symlink(caminho, codigo);
        if (codigo) return caminho;
        caminho = alvo.is_absolute() ? alvo : caminho.parent_path() / alvo;
    }
    return caminho;  // a loop of links: checking it reports the error
}

// The old file's status, nothing when there is none yet. Throws when it may not be replaced:
// a folder or a device, or a file the user may not write.
std::optional<struct stat> arquivoSubstituivel(const fs::path& destino, const fs::path& relatado) {
    struct stat st;
    if (::stat(destino.c_str(), &st) != 0) {
        if (errno == ENOENT) return std::nullopt;
        falhar(errno, relatado);
    }
    if (S_ISDIR(st.st_mode)) falhar(EISDIR, relatado);
    if (!S_ISREG(st.st_mode)) falhar(EINVAL, relatado);
    if (::access(destino.c_str(), W_OK) != 0) falhar(errno, relatado);
    return st;
}

// A temporary name of its own beside the target, created exclusively so that no file of the
// user's is ever taken for it.
int criarTemporario(const fs::path& destino, const fs::path& relatado, fs::path& temporario) {
    static constexpr std::string_view kLetras = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device semente;
    std::mt19937 gerador(semente());
    std::uniform_int_distribution<std::size_t> letra(0, kLetras.size() - 1);
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        std::string sufixo = ".~";
        for (int i = 0; i < 6; ++i) sufixo += kLetras[letra(gerador)];
        temporario = destino;
        temporario += sufixo;
        const int fd = abrir(temporario, O_WRONLY | O_CREAT | O_EXCL, 0666);
        if (fd >= 0) return fd;
        if (errno != EEXIST) falhar(errno, relatado);
    }
    falhar(EEXIST, relatado);
}

// A replaced file keeps its permissions, and its owner when the program may give it.
void manterPermissoes(const Descritor& arquivo, const struct stat& antigo,
                      const fs::path& relatado) {
    if (::geteuid() == 0) (void)::fchown(arquivo.fd(), antigo.st_uid, antigo.st_gid);
    if (::fchmod(arquivo.fd(), antigo.st_mode & 07777) != 0) falhar(errno, relatado, true);
}

}  // namespace

namespace {

// At most `limite` bytes of a regular file; with `inteiro`, nothing when the file is larger.
std::optional<std::string> lerRegular(const fs::path& caminho, std::size_t limite, bool inteiro) {
    // Non-blocking, so that a named pipe cannot hold the program; regular files ignore it.
    const int fd = abrir(caminho, O_RDONLY | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    Descritor arquivo(fd, caminho, false);
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    const auto tamanho = static_cast<std::uintmax_t>(st.st_size);
    if (inteiro && tamanho > limite) return std::nullopt;
    // Read straight into the string, sized as the file is; a file that grows meanwhile is
    // read on in blocks up to the limit.
    std::string bytes;
    std::size_t lidos = 0;
    try {
        constexpr std::size_t kBloco = 1 << 16;
        std::size_t espera = static_cast<std::size_t>(std::min<std::uintmax_t>(tamanho, limite));
        for (;;) {
            if (lidos == espera) espera = std::min(limite, lidos + kBloco);
            if (lidos == espera) break;  // full
            bytes.resize(espera);
            const std::size_t n = arquivo.ler(bytes.data() + lidos, espera - lidos);
            if (n == 0) {
                bytes.resize(lidos);
                return bytes;
            }
            lidos += n;
        }
        // Full: a whole read must find the end here, or the file grew while being read.
        char sobra;
        if (inteiro && arquivo.ler(&sobra, 1) != 0) return std::nullopt;
    } catch (const FileSystemError&) {
        return std::nullopt;
    }
    bytes.resize(lidos);
    return bytes;
}

}  // namespace

std::optional<std::string> lerArquivoRegular(const fs::path& caminho, std::size_t limite) {
    return lerRegular(caminho, limite, true);
}

std::optional<std::string> lerInicioArquivoRegular(const fs::path& caminho, std::size_t quantos) {
    return lerRegular(caminho, quantos, false);
}

// Puts the folder's entries (new names, renames, removals) on the disk.
void DiskFileSystem::sincronizarPasta(const fs::path& caminho) const {
    if (!sincronizar_) return;
    Descritor pasta(pastaDe(caminho), O_RDONLY | O_DIRECTORY);
    pasta.sincronizar();
    pasta.fechar();
}

// Without the syncs a power failure could keep the rename but lose the bytes it points at.
template <typename Escrita>
void DiskFileSystem::substituir(const fs::path& caminho, Escrita escrever) {
    const fs::path destino = arquivoApontado(caminho);
    const std::optional<struct stat> antigo = arquivoSubstituivel(destino, caminho);
    fs::path temporario;
    Descritor arquivo(criarTemporario(destino, caminho, temporario), caminho, true);
    try {
        if (antigo) manterPermissoes(arquivo, *antigo, caminho);
        escrever(arquivo);
        if (sincronizar_) arquivo.sincronizar();
        arquivo.fechar();
        if (::rename(temporario.c_str(), destino.c_str()) != 0) falhar(errno, caminho);
    } catch (...) {
        ::unlink(temporario.c_str());
        throw;
    }
    sincronizarPasta(destino);
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

std::optional<std::string> DiskFileSystem::readFile(const fs::path& caminho, std::size_t limite) {
    return lerArquivoRegular(caminho, limite);
}

void DiskFileSystem::writeFile(const fs::path& caminho, std::string_view bytes) {
    substituir(caminho, [bytes](Descritor& arquivo) { arquivo.escrever(bytes); });
}

bool FileSystem::writeFileInPieces(const fs::path& caminho,
                                   const std::function<bool(const Acrescentar&)>& escrever) {
    std::string bytes;
    if (!escrever([&bytes](std::string_view parte) { bytes += parte; })) return false;
    writeFile(caminho, bytes);
    return true;
}

namespace {

// Thrown through the temporary file's writing when the writer gives up, so that it goes.
struct EscritaAbandonada {};

}  // namespace

bool DiskFileSystem::writeFileInPieces(const fs::path& caminho,
                                       const std::function<bool(const Acrescentar&)>& escrever) {
    try {
        substituir(caminho, [&escrever](Descritor& arquivo) {
            if (!escrever([&arquivo](std::string_view parte) { arquivo.escrever(parte); }))
                throw EscritaAbandonada{};
        });
    } catch (const EscritaAbandonada&) {
        return false;
    }
    return true;
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
    Descritor origem(de, O_RDONLY | O_NONBLOCK);
    substituir(para, [&origem](Descritor& destino) {
        char bloco[kBlocoCopia];
        while (const std::size_t n = origem.ler(bloco, sizeof bloco))
            destino.escrever(std::string_view(bloco, n));
    });
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

bool gravarConfiguracao(FileSystem& fs, const fs::path& caminho, std::string_view bytes) {
    try {
        fs.writeFile(caminho, bytes);
        return true;
    } catch (const FileSystemError&) {
        return false;
    }
}

}  // namespace trovale
