#pragma once
// What fontconfig answered, kept on disk between runs: reading its configuration costs more
// than laying out and drawing a long song. The answers hold while every file and folder that
// could change them (configuration, font folders, fontconfig's caches, the environment that
// points at them) is as it was when they were kept.

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "fonts/font_library.h"

namespace trovale::fontes {

// What decides fontconfig's answers, as fontconfig itself told it.
struct OrigensDasRespostas {
    std::vector<std::filesystem::path> caminhos;  // files and folders, present or not
    std::string versao;                           // fontconfig's
};

class MemoriaFontes {
  public:
    // A request: family (UTF-8), bold, italic, and for a fallback the character (0 for the
    // face itself). The answer is the face's file, or nothing when fontconfig had none.
    using Pedido = std::tuple<std::string, bool, bool, char32_t>;
    using Resposta = std::optional<ArquivoFonte>;

    // The answers kept in `arquivo`, none when it is missing, damaged, or no longer holds; an
    // answer naming anything but a regular file counts as damage.
    static MemoriaFontes ler(const std::filesystem::path& arquivo, const std::string& versao);

    // Nothing when the request was never answered; else fontconfig's answer.
    const Resposta* resposta(const Pedido& pedido) const;
    void guardar(const Pedido& pedido, Resposta resposta);
    bool mudou() const { return mudou_; }

    // Writes the answers with the present state of `origens`; false when it could not.
    bool gravar(const std::filesystem::path& arquivo, const OrigensDasRespostas& origens) const;

  private:
    std::map<Pedido, Resposta> respostas_;
    bool mudou_ = false;
};

// Where the command line keeps its answers: in the user's cache folder; nothing without one.
std::optional<std::filesystem::path> memoriaDoUsuario();

// A library that remembers its answers there, so that fontconfig starts only for new ones.
std::unique_ptr<BibliotecaFontes> bibliotecaDoUsuario();

}  // namespace trovale::fontes
