#pragma once
// A FileSystem over another one that can stop at any step that changes the disk: as if the
// power went off there, or as an input/output error the program sees. It also keeps a log
// of those steps, so that tests can check their exact order.

#include <stdexcept>
#include <string>
#include <vector>

#include "base/file_system.h"

namespace trovale::testing {

// Thrown where the simulated power failure happens; the program never catches it.
struct SimulatedCrash : std::runtime_error {
    SimulatedCrash() : std::runtime_error("simulated crash") {}
};

class CrashingFileSystem : public FileSystem {
  public:
    enum class Failure {
        Crash,          // the step never happens
        CrashMidWrite,  // a write or copy stops half-way; its target stays as it was
        IoError,        // FileSystemError, marked incomplete for a write or a copy
        Refused,        // FileSystemError: the file could not be created or replaced
    };

    // The text a simulated input/output error carries.
    static constexpr const char* kTextoErroEscrita = "No space left on device";
    static constexpr const char* kTextoErro = "Input/output error";
    static constexpr const char* kTextoRecusa = "Permission denied";

    explicit CrashingFileSystem(FileSystem& real) : real_(real) {}

    // Steps are counted from 1; the ones before `step` run whole. Step 0 never fails.
    void failAtStep(int step, Failure how) {
        failStep_ = step;
        how_ = how;
    }
    int steps() const { return steps_; }
    // One line per step: "write NAME", "remove NAME", "rename FROM TO", "mkdir NAME",
    // "copy FROM TO", "touch NAME"; file names only.
    const std::vector<std::string>& log() const { return log_; }

    bool exists(const std::filesystem::path& caminho) override { return real_.exists(caminho); }
    bool isDirectory(const std::filesystem::path& caminho) override {
        return real_.isDirectory(caminho);
    }
    std::optional<std::string> readFile(const std::filesystem::path& caminho,
                                        std::size_t limite) override {
        return real_.readFile(caminho, limite);
    }
    std::filesystem::file_time_type modificationTime(
        const std::filesystem::path& caminho) override {
        return real_.modificationTime(caminho);
    }

    void writeFile(const std::filesystem::path& caminho, std::string_view bytes) override;
    bool remove(const std::filesystem::path& caminho) override;
    void rename(const std::filesystem::path& de, const std::filesystem::path& para) override;
    void createDirectory(const std::filesystem::path& caminho) override;
    void copyFile(const std::filesystem::path& de, const std::filesystem::path& para) override;
    void setModificationTime(const std::filesystem::path& caminho,
                             std::filesystem::file_time_type quando) override;

  private:
    // Counts a step; true when it is the one that fails.
    bool begin(std::string entry);
    // Fails the current step.
    [[noreturn]] void fail(const std::filesystem::path& caminho, bool isWrite);

    FileSystem& real_;
    int failStep_ = 0;
    Failure how_ = Failure::Crash;
    int steps_ = 0;
    std::vector<std::string> log_;
};

}  // namespace trovale::testing
