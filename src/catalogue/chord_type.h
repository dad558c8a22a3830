#pragma once
// A chord type: its intervals above the root, its name and two ways of writing its symbol.

#include <array>
#include <cstdint>
#include <string>

namespace trovale {

inline constexpr int kPosicoesCifra = 4;
inline constexpr int kSlotsPorPosicao = 2;
inline constexpr std::size_t kMaxElemento = 5;  // mark included
inline constexpr std::size_t kMaxNomeTipo = 50;
inline constexpr std::size_t kMaxCifraLinear = 20;
inline constexpr int kMaxIntervalosTipo = 5;

inline constexpr char kMarcaSobrescrito = '<';
inline constexpr char kMarcaSubscrito = '>';

// Symbol elements: [position 0..3][slot 0..1]; position 4 (index 3) is drawn in parentheses.
using ElementosCifra = std::array<std::array<std::string, kSlotsPorPosicao>, kPosicoesCifra>;
using IntervalosTipo = std::array<std::uint8_t, kMaxIntervalosTipo>;

int contarElementos(const ElementosCifra& elementos);
bool elementosVazios(const ElementosCifra& elementos);

// Texts are Windows-1252 bytes, exactly as stored.
struct TTipoAcorde {
    std::string Nome;  // empty: the slot is free
    IntervalosTipo Intervalos{};
    ElementosCifra CifraPadrao;
    ElementosCifra CifraOpcional;

    bool livre() const { return Nome.empty(); }
};

// Index (1-based) of the last non-zero interval, 0 when none.
int NumIntervalos(const TTipoAcorde& tipo);

// One letter per interval code (64 + code), the perfect fifth left out.
std::string AssinaturaDe(const IntervalosTipo& intervalos);

}  // namespace trovale
