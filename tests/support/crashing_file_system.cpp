#include "support/crashing_file_system.h"

namespace trovale::testing {

namespace fs = std::filesystem;

bool CrashingFileSystem::begin(std::string entry) {
    ++steps_;
    log_.push_back(std::move(entry));
    return steps_ == failStep_;
}

void CrashingFileSystem::fail(const fs::path& caminho, std::string_view partial, bool isWrite) {
    if (isWrite && how_ != Failure::Crash) real_.writeFile(caminho, partial);
    if (how_ == Failure::IoError)
        throw FileSystemError(isWrite ? kTextoErroEscrita : kTextoErro, caminho);
    throw SimulatedCrash();
}

void CrashingFileSystem::writeFile(const fs::path& caminho, std::string_view bytes) {
    if (begin("write " + caminho.filename().string()))
        fail(caminho, bytes.substr(0, bytes.size() / 2), true);
    real_.writeFile(caminho, bytes);
}

bool CrashingFileSystem::remove(const fs::path& caminho) {
    if (begin("remove " + caminho.filename().string())) fail(caminho, {}, false);
    return real_.remove(caminho);
}

void CrashingFileSystem::rename(const fs::path& de, const fs::path& para) {
    if (begin("rename " + de.filename().string() + " " + para.filename().string()))
        fail(de, {}, false);
    real_.rename(de, para);
}

void CrashingFileSystem::createDirectory(const fs::path& caminho) {
    if (begin("mkdir " + caminho.filename().string())) fail(caminho, {}, false);
    real_.createDirectory(caminho);
}

void CrashingFileSystem::copyFile(const fs::path& de, const fs::path& para) {
    if (begin("copy " + de.filename().string() + " " + para.filename().string())) {
        const std::string origem = real_.readFile(de).value_or("");
        fail(para, std::string_view(origem).substr(0, origem.size() / 2), true);
    }
    real_.copyFile(de, para);
}

void CrashingFileSystem::setModificationTime(const fs::path& caminho, fs::file_time_type quando) {
    if (begin("touch " + caminho.filename().string())) fail(caminho, {}, false);
    real_.setModificationTime(caminho, quando);
}

}  // namespace trovale::testing
