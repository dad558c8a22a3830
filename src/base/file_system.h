#pragma once
// Every file operation the program performs, behind one interface so that tests can
// interrupt or fail any single step. Reads take only regular files of a bounded size; every
// write replaces its file whole or leaves it as it was.

#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace trovale {

// No file the program writes comes near these sizes; a larger one is refused unread, so that
// a device or a runaway file cannot exhaust the memory.
inline constexpr std::size_t kLimiteCancao = std::size_t{16} << 20;    // songs and texts
inline constexpr std::size_t kLimiteCatalogo = std::size_t{16} << 20;  // ACORDES.TIP, POSICOES.DIG
inline constexpr std::size_t kLimiteConfiguracao = std::size_t{1} << 20;  // settings files

// A failed file operation: the platform's own error text and the path it concerns.
class FileSystemError : public std::runtime_error {
  public:
    // `incompleto`: a write failed after its file was created (a full or failing device),
    // as opposed to a file that could not be created at all. `codigo`: the platform's number.
    FileSystemError(std::string erro, std::filesystem::path caminho, bool incompleto = false,
                    int codigo = kCodigoGenerico);

    const std::string& erro() const { return erro_; }
    const std::filesystem::path& caminho() const { return caminho_; }
    bool incompleto() const { return incompleto_; }
    int codigo() const { return codigo_; }

    static constexpr int kCodigoGenerico = 5;  // EIO

  private:
    std::string erro_;
    std::filesystem::path caminho_;
    bool incompleto_;
    int codigo_;
};

// The whole of a regular file of at most `limite` bytes; nothing for a folder, a device, a
// larger file or any read error. Never throws.
std::optional<std::string> lerArquivoRegular(const std::filesystem::path& caminho,
                                             std::size_t limite);
// The first `quantos` bytes of a regular file (all of a shorter one). Never throws.
std::optional<std::string> lerInicioArquivoRegular(const std::filesystem::path& caminho,
                                                   std::size_t quantos);

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    virtual bool exists(const std::filesystem::path& caminho) = 0;
    virtual bool isDirectory(const std::filesystem::path& caminho) = 0;
    // The whole file, or nothing when it is not a regular file of at most `limite` bytes or
    // cannot be read.
    virtual std::optional<std::string> readFile(const std::filesystem::path& caminho,
                                                std::size_t limite) = 0;

    // The operations below change the disk; each one is on the disk when it returns.
    // Creates or replaces a file with these bytes, or leaves the old one as it was. A file the
    // user may not write, or one that is not a regular file, is refused; a replaced file
    // keeps its permissions; a symbolic link stays and its target is replaced.
    virtual void writeFile(const std::filesystem::path& caminho, std::string_view bytes) = 0;
    // The same for a file made piece by piece: `escrever` appends its pieces through the
    // function it is handed and answers whether the file is to be kept. The old file stays as
    // it was until it returns, and for good when it answers false (so does this function).
    // Here the pieces are gathered and written whole; the disk writes them as they come.
    using Acrescentar = std::function<void(std::string_view)>;
    virtual bool writeFileInPieces(const std::filesystem::path& caminho,
                                   const std::function<bool(const Acrescentar&)>& escrever);
    // False when there was nothing to remove.
    virtual bool remove(const std::filesystem::path& caminho) = 0;
    virtual void rename(const std::filesystem::path& de, const std::filesystem::path& para) = 0;
    virtual void createDirectory(const std::filesystem::path& caminho) = 0;
    // Copies in blocks of kBlocoCopia bytes, creating or replacing the target as writeFile.
    virtual void copyFile(const std::filesystem::path& de, const std::filesystem::path& para) = 0;
    virtual std::filesystem::file_time_type modificationTime(
        const std::filesystem::path& caminho) = 0;
    virtual void setModificationTime(const std::filesystem::path& caminho,
                                     std::filesystem::file_time_type quando) = 0;

    static constexpr std::size_t kBlocoCopia = 1024;
};

// Writes a small settings file whole, or leaves the old one; false, with no message, when it
// could not (the caller keeps its settings in memory).
bool gravarConfiguracao(FileSystem& fs, const std::filesystem::path& caminho,
                        std::string_view bytes);

// The real disk. Without the syncs a power failure could keep a rename but lose the data
// it points at, and the old and the new catalogue file would both be gone.
class DiskFileSystem : public FileSystem {
  public:
    // Tests that replay a save thousands of times may leave the syncs out; the program never.
    explicit DiskFileSystem(bool sincronizar = true) : sincronizar_(sincronizar) {}

    bool exists(const std::filesystem::path& caminho) override;
    bool isDirectory(const std::filesystem::path& caminho) override;
    std::optional<std::string> readFile(const std::filesystem::path& caminho,
                                        std::size_t limite) override;
    void writeFile(const std::filesystem::path& caminho, std::string_view bytes) override;
    bool writeFileInPieces(const std::filesystem::path& caminho,
                           const std::function<bool(const Acrescentar&)>& escrever) override;
    bool remove(const std::filesystem::path& caminho) override;
    void rename(const std::filesystem::path& de, const std::filesystem::path& para) override;
    void createDirectory(const std::filesystem::path& caminho) override;
    void copyFile(const std::filesystem::path& de, const std::filesystem::path& para) override;
    std::filesystem::file_time_type modificationTime(const std::filesystem::path& caminho) override;
    void setModificationTime(const std::filesystem::path& caminho,
                             std::filesystem::file_time_type quando) override;

  private:
    void sincronizarPasta(const std::filesystem::path& caminho) const;
    // Creates or replaces `caminho` with what `escrever` puts into a fresh temporary file.
    template <typename Escrita>
    void substituir(const std::filesystem::path& caminho, Escrita escrever);

    bool sincronizar_;
};

}  // namespace trovale
