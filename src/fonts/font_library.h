#pragma once
// The faces a template names, found as Qt finds them (fontconfig's substitutions: "Arial" is
// Liberation Sans where Arial is not installed) and opened once each with FreeType.

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

namespace trovale::fontes {

class FaceFonte;

// Where a face lives: its file and its index inside a collection.
struct ArquivoFonte {
    std::filesystem::path caminho;
    int indice = 0;
    // Compared as strings: looked up for every text drawn.
    bool operator<(const ArquivoFonte& o) const {
        const int c = caminho.native().compare(o.caminho.native());
        return c != 0 ? c < 0 : indice < o.indice;
    }
};

class MemoriaFontes;

class BibliotecaFontes {
  public:
    BibliotecaFontes();
    // Answers fontconfig gave before are taken from the file `memoria` while they still hold,
    // and new ones are added to it: fontconfig is then only started for what it never answered.
    explicit BibliotecaFontes(const std::filesystem::path& memoria);
    ~BibliotecaFontes();
    BibliotecaFontes(const BibliotecaFontes&) = delete;
    BibliotecaFontes& operator=(const BibliotecaFontes&) = delete;

    // False when FreeType could not start.
    bool pronta() const;

    // The face fontconfig chooses for a family name (UTF-8) and style; nothing when it offers
    // none, or only one that Qt would have to embolden or slant itself, since those measure
    // differently from their file.
    const FaceFonte* face(const std::string& familia, bool negrito, bool italico);

    // The face Qt would draw a character in that `face` lacks: the first of fontconfig's
    // fallbacks for the same request that has it; nothing when none has.
    const FaceFonte* substituta(const std::string& familia, bool negrito, bool italico,
                                char32_t caractere);

  private:
    const FaceFonte* abrir(const ArquivoFonte& arquivo);
    // fontconfig's file for the face (`caractere` 0) or for a character's fallback, from the
    // memory when it holds the answer.
    std::optional<ArquivoFonte> escolher(const std::string& familia, bool negrito, bool italico,
                                         char32_t caractere = 0);
    std::optional<ArquivoFonte> escolherSubstituta(const std::string& familia, bool negrito,
                                                   bool italico, char32_t caractere);
    struct Estado;
    std::unique_ptr<Estado> estado_;
    std::optional<std::filesystem::path> arquivoDaMemoria_;
    std::unique_ptr<MemoriaFontes> memoria_;
    std::map<ArquivoFonte, std::unique_ptr<FaceFonte>> abertas_;
    std::map<std::tuple<std::string, bool, bool>, const FaceFonte*> escolhidas_;
};

}  // namespace trovale::fontes
