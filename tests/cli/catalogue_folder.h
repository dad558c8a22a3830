#pragma once
// Temporary catalogue folders for the trovale-cli tests, with a small hand-written catalogue.

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace trovale::testing {

// A fresh folder under the system's temporary folder, removed with its contents at the end.
class PastaTemporaria {
  public:
    PastaTemporaria();
    ~PastaTemporaria();
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;

    const std::filesystem::path& caminho() const { return caminho_; }
    std::string texto() const { return caminho_.string(); }
    // Writes a file inside the folder (subfolders are created) and returns its path.
    std::filesystem::path gravar(const std::filesystem::path& nome, std::string_view bytes) const;
    // The names of the files in the folder, sorted.
    std::vector<std::string> nomes() const;

  private:
    std::filesystem::path caminho_;
};

// Lines joined with CR LF, the last one ended too.
std::string linhasCrLf(std::initializer_list<std::string_view> linhas);

// ACORDES.TIP of the sample catalogue: eight types and a separator (Windows-1252 bytes).
std::string tiposExemplo();
// ACORDES.TIP with one type "Maior" under its own name, to tell folders apart.
std::string tiposSo(std::string_view nome);

// POSICOES.DIG of the sample catalogue: A minor, two C major, G major, C augmented; with
// `comInconsistente` a C major shape filed as C minor stands after the second C major.
std::string digitacoesExemplo(bool comInconsistente = false);
// POSICOES.DIG with only the open C major.
std::string digitacoesSoDoMaior();

}  // namespace trovale::testing
