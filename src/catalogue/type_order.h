#pragma once
// The presentation order of chord types: separator captions and the order written back.
// Texts are Windows-1252.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"

namespace trovale {

// The caption every separator is made as wide as.
inline constexpr std::string_view kSeparadorModelo = "-------- Acordes personalizados --------";

inline constexpr std::string_view kMensagemLimiteEntradas =
    "Limite de 120 itens na lista de apresentação (tipos e separadores) já atingido.";

// The text without blanks and dashes at its ends.
std::string textoSemTracos(std::string_view texto);

// A separator made from typed text: its words between one blank and dashes on each side,
// as many dashes as keep it within `limite` as `largura` measures it. It always has one
// dash on each side and never more characters than a caption keeps on disk.
std::string legendaSeparador(std::string_view texto,
                             const std::function<int(const std::string&)>& largura, int limite);

// The list as the user left it: every caption a separator or a type's name. The order,
// the captions and the tables that depend on the order follow it.
void aplicarOrdem(Catalogo& catalogo, const std::vector<std::string>& legendas);

}  // namespace trovale
