#include "support/crashing_file_system.h"

namespace trovale::testing {

namespace fs = std::filesystem;

bool CrashingFileSystem::begin(std::string entry) {
    ++steps_;
    log_.push_back(std::move(entry));
    return steps_ == failStep_;
}

// The disk's writes and copies replace their target whole or not at all, so a write that
// stops leaves the target as it was, whatever the way it stops.
void CrashingFileSystem::fail(const fs::path& caminho, bool isWrite) {
    if (how_ == Failure::IoError)
        throw FileSystemError(isWrite ? kTextoErroEscrita : kTextoErro, caminho, isWrite);
    if (how_ == Failure::Refused) throw FileSystemError(kTextoRecusa, caminho);
    throw SimulatedCrash();
}

void CrashingFileSystem::writeFile(const fs::path& caminho, std::string_view bytes) {
    if (begin("write " + caminho.filename().string())) fail(caminho, true);
    real_.writeFile(caminho, bytes);
}

bool CrashingFileSystem::remove(const fs::path& caminho) {
    if (begin("remove " + caminho.filename().string())) fail(caminho, false);
    return real_.remove(caminho);
}

void CrashingFileSystem::rename(const fs::path& de, const fs::path& para) {
    if (begin("rename " + de.filename().string() + " " + para.filename().string())) fail(de, false);
    real_.rename(de, para);
}

void CrashingFileSystem::createDirectory(const fs::path& caminho) {
    if (begin("mkdir " + caminho.filename().string())) fail(caminho, false);
    real_.createDirectory(caminho);
}

void CrashingFileSystem::copyFile(const fs::path& de, const fs::path& para) {
    if (begin("copy " + de.filename().string() + " " + para.filename().string())) fail(para, true);
    real_.copyFile(de, para);
}

void CrashingFileSystem::setModificationTime(const fs::path& caminho, fs::file_time_type quando) {
    if (begin("touch " + caminho.filename().string())) fail(caminho, false);
    real_.setModificationTime(caminho, quando);
}

}  // namespace trovale::testing
