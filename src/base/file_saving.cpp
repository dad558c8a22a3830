#include "base/file_saving.h"

#include <system_error>

#include "base/dialogs.h"
#include "base/file_system.h"

namespace trovale {

std::string mensagemArquivoDefeituoso(const std::filesystem::path& caminho) {
    const std::u8string utf8 = caminho.u8string();
    return "Arquivo " + std::string(utf8.begin(), utf8.end()) +
           " defeituoso. Remova-o, se não conseguir restaurá-lo.";
}

namespace {

// Whole megabytes (2^20 bytes), rounded up: "16 MB".
std::string megabytes(std::uintmax_t bytes) {
    constexpr std::uintmax_t kMega = std::uintmax_t{1} << 20;
    return std::to_string((bytes + kMega - 1) / kMega) + " MB";
}

}  // namespace

std::string mensagemNaoLido(const std::filesystem::path& caminho, std::size_t limite) {
    std::error_code erro;
    const auto estado = std::filesystem::status(caminho, erro);
    if (erro || !std::filesystem::is_regular_file(estado)) return kMensagemNaoAberto;
    const std::uintmax_t tamanho = std::filesystem::file_size(caminho, erro);
    if (erro || tamanho <= limite) return kMensagemNaoAberto;
    return "Arquivo grande demais: tem " + megabytes(tamanho) + ", e o limite é de " +
           megabytes(limite) + ".";
}

namespace {

ResultadoGravacao relatarFalha(const FileSystemError& erro, Dialogs& dialogs) {
    dialogs.aviso(erro.incompleto() ? kMensagemDispositivoDefeituoso : kMensagemArquivoImproprio);
    return erro.incompleto() ? ResultadoGravacao::Incompleto : ResultadoGravacao::NaoCriado;
}

}  // namespace

ResultadoGravacao gravarArquivo(FileSystem& fs, const std::filesystem::path& caminho,
                                std::string_view bytes, Dialogs& dialogs) {
    try {
        fs.writeFile(caminho, bytes);
        return ResultadoGravacao::Gravado;
    } catch (const FileSystemError& erro) {
        return relatarFalha(erro, dialogs);
    }
}

ResultadoGravacao gravarArquivoEmPartes(
    FileSystem& fs, const std::filesystem::path& caminho,
    const std::function<bool(const std::function<void(std::string_view)>&)>& escrever,
    Dialogs& dialogs) {
    try {
        return fs.writeFileInPieces(caminho, escrever) ? ResultadoGravacao::Gravado
                                                       : ResultadoGravacao::Desistido;
    } catch (const FileSystemError& erro) {
        return relatarFalha(erro, dialogs);
    }
}

}  // namespace trovale
