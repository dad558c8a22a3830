#include "document/chordpro_metadata.h"

#include <array>

#include "base/blanks.h"
#include "base/text_codec.h"
#include "document/capo.h"

namespace trovale {

namespace {

struct Rotulo {
    std::string_view diretiva;  // its own directive, or a {meta} name when empty
    std::string_view meta;
    std::string_view texto;  // Windows-1252
};

constexpr std::array<Rotulo, 10> kRotulos = {{
    {"capo", "capo", "Capotraste"},
    {"key", "key", "Tom"},
    {"tempo", "tempo", "Andamento"},
    {"time", "time", "Compasso"},
    {"duration", "duration", "Dura\xE7\xE3o"},
    {"", "album", "\xC1lbum"},
    {"", "year", "Ano"},
    {"", "lyricist", "Letra"},
    {"", "arranger", "Arranjo"},
    {"", "copyright", "Direitos"},
}};

constexpr std::string_view kCasa = "\xAA casa";  // "ª casa"

bool soDigitos(std::string_view texto) {
    return !texto.empty() && texto.size() <= 2 &&
           texto.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string nota(const Rotulo& r, std::string_view valor) {
    // A capo on a fret is the song's own capo line.
    if (r.meta == "capo" && soDigitos(valor)) {
        const int casa = std::stoi(std::string(valor));
        if (casa >= 1 && casa <= kMaxCapotraste) return linhaDoCapotraste(casa);
    }
    std::string texto = std::string(r.texto) + ": " + std::string(valor);
    if (r.meta == "capo" && soDigitos(valor)) texto += kCasa;
    return texto;
}

}  // namespace

std::optional<std::string> notaDaDiretiva(std::string_view nome, std::string_view valor) {
    valor = aparar(valor);
    if (valor.empty()) return std::nullopt;
    if (nome == "meta") {
        const std::size_t branco = valor.find_first_of(" :");
        if (branco == std::string_view::npos) return std::nullopt;
        const std::string_view chave = valor.substr(0, branco);
        const std::string_view resto = aparar(valor.substr(branco + 1));
        for (const Rotulo& r : kRotulos)
            if (r.meta == chave)
                return resto.empty() ? std::nullopt : std::optional(nota(r, resto));
        // A name of another program's own: shown as it is, kept as a note.
        return resto.empty() ? std::nullopt
                             : std::optional(std::string(chave) + ": " + std::string(resto));
    }
    for (const Rotulo& r : kRotulos)
        if (!r.diretiva.empty() && r.diretiva == nome) return nota(r, valor);
    return std::nullopt;
}

std::optional<std::string> diretivaDaNota(std::string_view texto) {
    if (const std::optional<int> casa = casaDoCapotraste(texto);
        casa && texto == linhaDoCapotraste(*casa))
        return "{capo: " + std::to_string(*casa) + "}";
    for (const Rotulo& r : kRotulos) {
        const std::string prefixo = std::string(r.texto) + ": ";
        if (!texto.starts_with(prefixo)) continue;
        std::string_view valor = texto.substr(prefixo.size());
        if (r.meta == "capo" && valor.ends_with(kCasa) &&
            soDigitos(valor.substr(0, valor.size() - kCasa.size())))
            valor.remove_suffix(kCasa.size());
        if (valor.empty() || aparar(valor) != valor) return std::nullopt;
        // Only a directive that reads back as this very note ("Capotraste: 05" would come
        // back as the capo line): any other stays a comment.
        const std::optional<std::string> deVolta =
            r.diretiva.empty() ? notaDaDiretiva("meta", std::string(r.meta) + " " + std::string(valor))
                               : notaDaDiretiva(r.diretiva, valor);
        if (deVolta != texto) return std::nullopt;
        const std::string utf8 = utf8DeWindows1252(valor);
        if (r.diretiva.empty()) return "{meta: " + std::string(r.meta) + " " + utf8 + "}";
        return "{" + std::string(r.diretiva) + ": " + utf8 + "}";
    }
    return std::nullopt;
}

}  // namespace trovale
