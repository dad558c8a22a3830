#pragma once
// Every file operation the catalogue's saving, recovery and backup perform, behind one
// interface so that tests can interrupt or fail any single step.

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace trovale {

// A failed file operation: the platform's own error text and the path it concerns.
class FileSystemError : public std::runtime_error {
  public:
    FileSystemError(std::string erro, std::filesystem::path caminho);

    const std::string& erro() const { return erro_; }
    const std::filesystem::path& caminho() const { return caminho_; }

  private:
    std::string erro_;
    std::filesystem::path caminho_;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    virtual bool exists(const std::filesystem::path& caminho) = 0;
    virtual bool isDirectory(const std::filesystem::path& caminho) = 0;
    // The whole file, or nothing when it cannot be opened or read.
    virtual std::optional<std::string> readFile(const std::filesystem::path& caminho) = 0;

    // The operations below change the disk; each one is on the disk when it returns.
    // Creates or replaces a file with these bytes, synced before it is closed.
    virtual void writeFile(const std::filesystem::path& caminho, std::string_view bytes) = 0;
    // False when there was nothing to remove.
    virtual bool remove(const std::filesystem::path& caminho) = 0;
    virtual void rename(const std::filesystem::path& de, const std::filesystem::path& para) = 0;
    virtual void createDirectory(const std::filesystem::path& caminho) = 0;
    // Copies in blocks of kBlocoCopia bytes, creating or replacing the target.
    virtual void copyFile(const std::filesystem::path& de, const std::filesystem::path& para) = 0;
    virtual std::filesystem::file_time_type modificationTime(
        const std::filesystem::path& caminho) = 0;
    virtual void setModificationTime(const std::filesystem::path& caminho,
                                     std::filesystem::file_time_type quando) = 0;

    static constexpr std::size_t kBlocoCopia = 1024;
};

// The real disk. Without the syncs a power failure could keep a rename but lose the data
// it points at, and the old and the new catalogue file would both be gone.
class DiskFileSystem : public FileSystem {
  public:
    // Tests that replay a save thousands of times may leave the syncs out; the program never.
    explicit DiskFileSystem(bool sincronizar = true) : sincronizar_(sincronizar) {}

    bool exists(const std::filesystem::path& caminho) override;
    bool isDirectory(const std::filesystem::path& caminho) override;
    std::optional<std::string> readFile(const std::filesystem::path& caminho) override;
    void writeFile(const std::filesystem::path& caminho, std::string_view bytes) override;
    bool remove(const std::filesystem::path& caminho) override;
    void rename(const std::filesystem::path& de, const std::filesystem::path& para) override;
    void createDirectory(const std::filesystem::path& caminho) override;
    void copyFile(const std::filesystem::path& de, const std::filesystem::path& para) override;
    std::filesystem::file_time_type modificationTime(const std::filesystem::path& caminho) override;
    void setModificationTime(const std::filesystem::path& caminho,
                             std::filesystem::file_time_type quando) override;

  private:
    void sincronizarPasta(const std::filesystem::path& caminho) const;

    bool sincronizar_;
};

}  // namespace trovale
