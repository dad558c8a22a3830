#include "base/file_system.h"

#include <gtest/gtest.h>

#include <functional>
#include <system_error>

#include "catalogue/catalogue_files_fixture.h"

namespace trovale {
namespace {

namespace fs = std::filesystem;

TEST(DiskFileSystem, WritesReplacesReadsRenamesAndRemovesFiles) {
    testing::TempFolder pasta;
    DiskFileSystem disco;
    const fs::path a = pasta.path() / "A.NEW", b = pasta.path() / "B.TIP";

    EXPECT_EQ(disco.readFile(a, 100), std::nullopt);
    disco.writeFile(a, std::string("longer text\r\n\0\xFF", 15));
    disco.writeFile(a, "short");
    EXPECT_EQ(disco.readFile(a, 100), "short");
    disco.rename(a, b);
    EXPECT_FALSE(disco.exists(a));
    EXPECT_EQ(pasta.read("B.TIP"), "short");
    EXPECT_TRUE(disco.remove(b));
    EXPECT_FALSE(disco.remove(b));
    EXPECT_TRUE(pasta.files().empty());
}

TEST(DiskFileSystem, CopiesAnySizeByteForByteOverAnOlderFile) {
    testing::TempFolder pasta;
    DiskFileSystem disco;
    for (std::size_t tamanho : {0u, 1u, 1024u, 1025u, 3000u}) {
        SCOPED_TRACE(tamanho);
        std::string bytes;
        for (std::size_t i = 0; i < tamanho; ++i) bytes += static_cast<char>(i % 251);
        pasta.write("ORIGEM", bytes);
        pasta.write("COPIA", std::string(4000, 'x'));
        disco.copyFile(pasta.path() / "ORIGEM", pasta.path() / "COPIA");
        EXPECT_EQ(pasta.read("COPIA"), bytes);
    }
}

TEST(DiskFileSystem, FailuresCarryThePlatformTextAndThePath) {
    testing::TempFolder pasta;
    DiskFileSystem disco;
    pasta.write("ARQUIVO", "x");
    const fs::path ausente = pasta.path() / "AUSENTE";
    const fs::path dentroDeArquivo = pasta.path() / "ARQUIVO" / "X";
    const std::string naoExiste =
        std::make_error_code(std::errc::no_such_file_or_directory).message();
    const std::string naoEPasta = std::make_error_code(std::errc::not_a_directory).message();
    const struct {
        const char* nome;
        std::function<void()> operacao;
        fs::path caminho;
        std::string erro;
    } casos[] = {
        {"write into a missing folder", [&] { disco.writeFile(ausente / "X", "x"); }, ausente / "X",
         naoExiste},
        {"rename a missing file", [&] { disco.rename(ausente, pasta.path() / "Y"); }, ausente,
         naoExiste},
        {"copy a missing file", [&] { disco.copyFile(ausente, pasta.path() / "Y"); }, ausente,
         naoExiste},
        {"folder inside a file", [&] { disco.createDirectory(dentroDeArquivo); }, dentroDeArquivo,
         naoEPasta},
        {"time of a missing file", [&] { disco.modificationTime(ausente); }, ausente, naoExiste},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        try {
            caso.operacao();
            ADD_FAILURE() << "no error";
        } catch (const FileSystemError& erro) {
            EXPECT_EQ(erro.caminho(), caso.caminho);
            EXPECT_EQ(erro.erro(), caso.erro);
        }
    }
}

}  // namespace
}  // namespace trovale
