#pragma once
// Saving a file with the program's own messages: the one way every kind of file is written.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace trovale {

class Dialogs;
class FileSystem;

inline constexpr const char* kMensagemArquivoImproprio =
    "Arquivo/caminho impróprio ou dispositivo inválido/defeituoso (ou protegido contra "
    "gravação).";
inline constexpr const char* kMensagemDispositivoDefeituoso =
    "Dispositivo defeituoso ou com espaço insuficiente.";
inline constexpr const char* kMensagemNaoAberto =
    "Arquivo/caminho impróprio ou dispositivo inválido/defeituoso.";

// "Arquivo <path> defeituoso. Remova-o, se não conseguir restaurá-lo.", for a damaged file
// the program keeps in its folder.
std::string mensagemArquivoDefeituoso(const std::filesystem::path& caminho);

// Why a file could not be read: a regular file beyond `limite` bytes is named too large,
// with its size and the limit; anything else gets kMensagemNaoAberto.
std::string mensagemNaoLido(const std::filesystem::path& caminho, std::size_t limite);

enum class ResultadoGravacao {
    Gravado,     // the new file is in place
    NaoCriado,   // "Arquivo/caminho impróprio ..." was shown
    Incompleto,  // created but not written whole: "Dispositivo defeituoso ..." was shown
    Desistido,   // the writer gave up: the old file is as it was, nothing was shown
};

// Replaces the file with these bytes or leaves it as it was; on a failure the user is told
// why. A file that could not be created, written over or renamed into place counts as not
// created.
ResultadoGravacao gravarArquivo(FileSystem& fs, const std::filesystem::path& caminho,
                                std::string_view bytes, Dialogs& dialogs);

// The same for a file made piece by piece, as FileSystem::writeFileInPieces.
ResultadoGravacao gravarArquivoEmPartes(
    FileSystem& fs, const std::filesystem::path& caminho,
    const std::function<bool(const std::function<void(std::string_view)>&)>& escrever,
    Dialogs& dialogs);

}  // namespace trovale
