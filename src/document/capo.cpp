#include "document/capo.h"

#include <cctype>

#include "base/blanks.h"
#include "document/site_text.h"

namespace trovale {

namespace {

constexpr std::string_view kOrdinal = "\xAA";  // "ª"

char minuscula(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// Consumes `palavra` at the front, ignoring letter case.
bool tirar(std::string_view& texto, std::string_view palavra) {
    if (texto.size() < palavra.size()) return false;
    for (std::size_t i = 0; i < palavra.size(); ++i)
        if (minuscula(texto[i]) != palavra[i]) return false;
    texto.remove_prefix(palavra.size());
    return true;
}

void tirarBrancos(std::string_view& texto) {
    while (!texto.empty() && (texto.front() == ' ' || texto.front() == ':')) texto.remove_prefix(1);
}

std::optional<int> numero(std::string_view& texto) {
    std::size_t n = 0;
    while (n < texto.size() && n < 3 && std::isdigit(static_cast<unsigned char>(texto[n]))) ++n;
    if (n == 0 || n > 2) return std::nullopt;
    const int valor = std::stoi(std::string(texto.substr(0, n)));
    texto.remove_prefix(n);
    return valor;
}

// What may follow the number: "ª casa", "a casa", "º traste", or nothing of that.
bool fimValido(std::string_view texto) {
    if (!texto.empty() && (texto.front() == '\xAA' || texto.front() == '\xBA' ||
                           minuscula(texto.front()) == 'a' || minuscula(texto.front()) == 'o'))
        texto.remove_prefix(1);
    texto = aparar(texto);
    if (!tirar(texto, "casa")) tirar(texto, "traste");
    texto = aparar(texto);
    return texto.empty() || texto.front() == '(' || texto.front() == ',' || texto.front() == '-' ||
           texto.front() == '.';
}

bool ehLinhaDoTom(const SongDocument& doc, std::size_t i) {
    return doc.LineKinds[i] == kNotesLine && !tomDaLinha(doc.Lines[i]).empty();
}

}  // namespace

std::optional<int> casaDoCapotraste(std::string_view linha) {
    std::string_view t = aparar(linha);
    if (!tirar(t, "capotraste") && !tirar(t, "capo")) return std::nullopt;
    tirarBrancos(t);
    if (tirar(t, "na ") || tirar(t, "no ") || tirar(t, "em ")) tirarBrancos(t);
    const bool casaAntes = tirar(t, "casa ");
    const std::optional<int> casa = numero(t);
    if (!casa || *casa < 1 || *casa > kMaxCapotraste) return std::nullopt;
    if (casaAntes) {
        t = aparar(t);
        return t.empty() || t.front() == '(' ? casa : std::nullopt;
    }
    return fimValido(t) ? casa : std::nullopt;
}

std::string linhaDoCapotraste(int casa) {
    return "Capotraste na " + std::to_string(casa) + std::string(kOrdinal) + " casa";
}

std::optional<std::size_t> linhaDoCapotrasteNaCancao(const SongDocument& doc) {
    for (std::size_t i = 0; i < doc.Lines.size() && i < doc.LineKinds.size(); ++i)
        if (doc.LineKinds[i] == kNotesLine && casaDoCapotraste(doc.Lines[i])) return i;
    return std::nullopt;
}

int capotrasteDaCancao(const SongDocument& doc) {
    const auto i = linhaDoCapotrasteNaCancao(doc);
    return i ? *casaDoCapotraste(doc.Lines[*i]) : 0;
}

bool definirCapotraste(SongDocument& doc, int casa) {
    if (casa < 0 || casa > kMaxCapotraste) return false;
    const auto i = linhaDoCapotrasteNaCancao(doc);
    if (casa == 0) {
        if (!i) return true;
        doc.Lines.erase(doc.Lines.begin() + static_cast<std::ptrdiff_t>(*i));
        doc.LineKinds.erase(doc.LineKinds.begin() + static_cast<std::ptrdiff_t>(*i));
        doc.Modified = true;
        return true;
    }
    if (i) {
        if (casaDoCapotraste(doc.Lines[*i]) == casa) return true;
        doc.Lines[*i] = linhaDoCapotraste(casa);
        doc.Modified = true;
        return true;
    }
    if (doc.lineCount() >= kMaxLines) return false;
    std::size_t onde = 0;
    while (onde < doc.Lines.size() && onde < doc.LineKinds.size() &&
           (doc.LineKinds[onde] == kTitleLine || doc.LineKinds[onde] == kAuthorLine ||
            ehLinhaDoTom(doc, onde)))
        ++onde;
    doc.Lines.insert(doc.Lines.begin() + static_cast<std::ptrdiff_t>(onde), linhaDoCapotraste(casa));
    doc.LineKinds.insert(doc.LineKinds.begin() + static_cast<std::ptrdiff_t>(onde), kNotesLine);
    doc.Modified = true;
    return true;
}

std::string nomeDaCasa(int casa) {
    if (casa == 0) return "Sem capotraste";
    return std::to_string(casa) + "\u00AA casa";
}

}  // namespace trovale
