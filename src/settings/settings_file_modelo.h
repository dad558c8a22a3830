#pragma once
// MODELO.INI: the default presentation template given to new documents.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "settings/template.h"

namespace trovale {

class Dialogs;
class FileSystem;

inline constexpr std::string_view kArquivoModelo = "MODELO.INI";

// The file's bytes: line 1 "Presentation DiagramListOrder", then the nine elements as
// "size colour bold italic name", Windows-1252, CR LF.
std::string formatarModelo(const Modelo& modelo);

// One element line without its line end: "12 0 1 0 Arial".
std::string formatarLinhaFonte(const FonteElemento& fonte);

// Reading the bytes. A file may end after any element line; the elements not in it keep their
// factory values. Nothing when the file is damaged.
std::optional<Modelo> interpretarModelo(std::string_view bytes);

// The default template at start-up: the factory template when the file is missing; when it is
// damaged, the factory template and the message "Arquivo <path> defeituoso. Remova-o, se não
// conseguir restaurá-lo.". A damaged file is never rewritten here.
Modelo carregarModelo(FileSystem& fs, const std::filesystem::path& pastaPrograma, Dialogs& dialogs);

// Writes MODELO.INI; false (message shown) when it could not be saved.
bool gravarModelo(FileSystem& fs, const std::filesystem::path& pastaPrograma, const Modelo& modelo,
                  Dialogs& dialogs);

// "Tornar padrão" of the template window: the fonts (diagram size included) always enter the
// stored default; Presentation and DiagramListOrder only when the file could be created.
bool tornarModeloPadrao(FileSystem& fs, const std::filesystem::path& pastaPrograma,
                        const Modelo& daJanela, Modelo& padrao, Dialogs& dialogs);

}  // namespace trovale
