#include "base/file_system.h"
#include "base/mapped_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

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

// Reads take regular files only, never more than the caller's limit, and never block.
TEST(DiskFileSystem, ReadsOnlyRegularFilesWithinTheLimit) {
    testing::TempFolder pasta;
    pasta.write("DEZ", "0123456789");
    fs::create_directory(pasta.path() / "PASTA");
    ASSERT_EQ(::mkfifo((pasta.path() / "FILA").c_str(), 0644), 0);
    const struct {
        const char* nome;
        fs::path caminho;
        std::size_t limite;
        std::optional<std::string> inteiro, inicio;
    } casos[] = {
        {"at the limit", pasta.path() / "DEZ", 10, "0123456789", "0123456789"},
        {"over the limit", pasta.path() / "DEZ", 9, std::nullopt, "012345678"},
        {"a folder", pasta.path() / "PASTA", 100, std::nullopt, std::nullopt},
        {"a named pipe", pasta.path() / "FILA", 100, std::nullopt, std::nullopt},
        {"a device", "/dev/zero", 100, std::nullopt, std::nullopt},
        {"missing", pasta.path() / "NADA", 100, std::nullopt, std::nullopt},
    };
    DiskFileSystem disco;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(disco.readFile(c.caminho, c.limite), c.inteiro);
        EXPECT_EQ(lerInicioArquivoRegular(c.caminho, c.limite), c.inicio);
        // Mapped, a file reads the same as read whole, and a moved mapping keeps its bytes.
        std::optional<ArquivoMapeado> mapeado = ArquivoMapeado::abrir(c.caminho, c.limite);
        EXPECT_EQ(mapeado.has_value(), c.inteiro.has_value());
        if (!mapeado) continue;
        const ArquivoMapeado movido = std::move(*mapeado);
        EXPECT_EQ(movido.bytes(), *c.inteiro);
    }
    pasta.write("VAZIO", "");
    EXPECT_FALSE(ArquivoMapeado::abrir(pasta.path() / "VAZIO", 100)) << "nothing to map";
}

// A file made piece by piece is on the disk, whole, only when its writer keeps it; while it
// is being written, and after the writer gives up or fails, the old file stands as it was.
TEST(DiskFileSystem, AFileWrittenInPiecesReplacesTheOldOneOnlyWhenKept) {
    testing::TempFolder pasta;
    DiskFileSystem disco(false);
    const fs::path alvo = pasta.path() / "A.pdf";
    const struct {
        bool manter, falhar;
        const char* depois;
    } casos[] = {{true, false, "um dois "}, {false, false, "antigo"}, {true, true, "antigo"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.depois);
        pasta.write("A.pdf", "antigo");
        const auto escrever = [&](const FileSystem::Acrescentar& acrescentar) {
            for (const char* parte : {"um ", "dois "}) {
                acrescentar(parte);
                EXPECT_EQ(pasta.read("A.pdf"), "antigo");  // not yet in place
            }
            if (c.falhar) throw FileSystemError("falhou", alvo, true);
            return c.manter;
        };
        try {
            EXPECT_EQ(disco.writeFileInPieces(alvo, escrever), c.manter);
        } catch (const FileSystemError& erro) {
            EXPECT_TRUE(c.falhar) << erro.erro();
        }
        EXPECT_EQ(pasta.files(), (std::map<std::string, std::string>{{"A.pdf", c.depois}}));
    }
}

// Writes replace the whole file or nothing, whatever is in the way.
TEST(DiskFileSystem, WritesAndCopiesRefuseWhatIsNoRegularFileAndLeaveNothingBehind) {
    testing::TempFolder pasta;
    pasta.write("ORIGEM", "bytes");
    pasta.write("A.TIP.tmp", "do usuario");
    fs::create_directory(pasta.path() / "PASTA");
    ASSERT_EQ(::mkfifo((pasta.path() / "FILA").c_str(), 0644), 0);
    DiskFileSystem disco(false);
    for (const char* alvo : {"PASTA", "FILA", "NADA/X"}) {
        SCOPED_TRACE(alvo);
        for (const bool copia : {false, true}) {
            try {
                if (copia)
                    disco.copyFile(pasta.path() / "ORIGEM", pasta.path() / alvo);
                else
                    disco.writeFile(pasta.path() / alvo, "novo");
                ADD_FAILURE() << "no error";
            } catch (const FileSystemError& erro) {
                EXPECT_FALSE(erro.incompleto());
                EXPECT_EQ(erro.caminho(), pasta.path() / alvo);
            }
        }
    }
    disco.writeFile(pasta.path() / "A.TIP", "novo");
    // The fixture lists anything but a regular file as a folder.
    EXPECT_EQ(pasta.files(), (std::map<std::string, std::string>{{"A.TIP", "novo"},
                                                                 {"A.TIP.tmp", "do usuario"},
                                                                 {"FILA", "<folder>"},
                                                                 {"ORIGEM", "bytes"},
                                                                 {"PASTA", "<folder>"}}));
}

}  // namespace
}  // namespace trovale
