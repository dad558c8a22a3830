#pragma once
// What the small settings files share: their lines, their numbers, and saving them so that
// a failure never destroys the file already there.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trovale {

class Dialogs;
class FileSystem;

inline constexpr const char* kMensagemArquivoImproprio =
    "Arquivo/caminho impróprio ou dispositivo inválido/defeituoso (ou protegido contra "
    "gravação).";
inline constexpr const char* kMensagemDispositivoDefeituoso =
    "Dispositivo defeituoso ou com espaço insuficiente.";

// "Arquivo <path> defeituoso. Remova-o, se não conseguir restaurá-lo.", for a damaged
// settings file.
std::string mensagemArquivoDefeituoso(const std::filesystem::path& caminho);

// Lines ended by CR LF (a bare LF is accepted too); the end of the last line is optional.
// Empty lines at the very end of the file are dropped.
std::vector<std::string> linhasArquivo(std::string_view bytes);

// Reads whole integers separated by blanks or tabs from the start of a line, as many as
// asked; the rest of the line is left alone. Nothing when a number is missing or malformed.
// With `resto`, receives the text after the last number (its separating blank included).
std::optional<std::vector<int>> lerInteiros(std::string_view linha, int quantos,
                                            std::string_view* resto = nullptr);

// A decimal number as the edits take it: digits with at most one "," or "." between or after
// them. Nothing when the text is empty or holds anything else.
std::optional<double> numeroDecimal(std::string_view texto);

enum class ResultadoGravacao {
    Gravado,     // the new file is in place
    NaoCriado,   // "Arquivo/caminho impróprio ..." was shown
    Incompleto,  // created but not written whole: "Dispositivo defeituoso ..." was shown
};

// Writes the bytes to "NAME.tmp" beside the file, then renames it over the file. On a failure
// the old file stays, the temporary one is removed, and the user is told why. A failed rename
// counts as a file that could not be created.
ResultadoGravacao gravarArquivoConfiguracao(FileSystem& fs, const std::filesystem::path& caminho,
                                            std::string_view bytes, Dialogs& dialogs);

}  // namespace trovale
