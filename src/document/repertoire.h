#pragma once
// A repertoire ("Repertório"): the evening's songs in order, each with the transposition and
// capo it is played with that night and a note, kept in a small UTF-8 text file (*.rep) apart
// from the songs, whose own files it never changes.
//
// The file: lines starting with "#" are comments, blank lines are skipped, and every other line
// is an entry, its fields separated by tabs:
//     song file <TAB> semitones (+2, -1, 0) <TAB> capo fret (0..11, or - for the song's own)
//     <TAB> note <TAB> seconds each page stays on stage before it turns by itself (0: it waits)
// Only the song file is required. A song path is relative to the repertoire's folder where it
// can be, so that a folder moved whole keeps working.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trovale {

inline constexpr std::string_view kExtensaoRepertorio = ".rep";
inline constexpr int kMaxSegundosPorPagina = 600;

struct EntradaRepertorio {
    std::filesystem::path musica;    // absolute, or as written when it names no folder
    int semitons = 0;                // -11..11
    std::optional<int> capotraste;   // none: the song's own
    std::string nota;                // UTF-8, no tabs or line ends
    int segundosPorPagina = 0;       // 0..kMaxSegundosPorPagina; 0: pages turn by hand
    // A line that could not be read: kept as it was, written back unchanged.
    std::string danificada;
    bool valida() const { return danificada.empty(); }
};

struct Repertorio {
    std::vector<EntradaRepertorio> entradas;
};

struct RepertorioLido {
    Repertorio repertorio;
    std::vector<std::string> problemas;  // "Linha 4: ...", UTF-8, one per damaged line
};

// `pasta`: the repertoire file's folder, where relative song paths start.
RepertorioLido lerRepertorio(std::string_view texto, const std::filesystem::path& pasta);

// The file's text: its explaining comment, then one line per entry (damaged ones as they were).
std::string textoDoRepertorio(const Repertorio& repertorio, const std::filesystem::path& pasta);

// How an entry shows its transposition, capo and pace: "+2 semitons, capotraste na 3ª casa",
// "tom original, vira a cada 20 s".
std::string resumoDaEntrada(const EntradaRepertorio& entrada);

}  // namespace trovale
