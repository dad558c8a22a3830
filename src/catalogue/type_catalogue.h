#pragma once
// The chord types in memory: slots by type number, the presentation order and derived tables.

#include <array>
#include <string>
#include <vector>

#include "catalogue/chord_type.h"

namespace trovale {

inline constexpr int kMaxTipos = 100;
inline constexpr int kTiposBasicos = 54;
inline constexpr int kMaxEntradas = 120;
inline constexpr int kSomaForaDaOrdem = 1000;

struct CatalogoTipos {
    // Slot 0 is the scratch slot used for separators.
    std::array<TTipoAcorde, kMaxTipos + 1> TiposAcorde;
    // Presentation order: type numbers, 0 for a separator; captions run beside it.
    std::vector<int> OrdemTipos;
    std::vector<std::string> Legendas;
    int NumTipos = 0;
    // Highest type number ever given, deleted types included: songs may still name it.
    int MaiorNumeroUsado = 0;

    std::array<std::string, kMaxTipos + 1> CifraLinear;
    std::array<std::string, kMaxTipos + 1> AssinaturaIntervalos;
    std::array<int, kMaxTipos + 1> SomaIntervalos{};
    std::array<int, kMaxTipos + 1> EquivalenteSeguinte{};
    std::array<int, kMaxTipos + 1> EquivalenteAnterior{};

    CatalogoTipos() { limpar(); }

    int NumEntradas() const { return static_cast<int>(OrdemTipos.size()); }
    const TTipoAcorde& tipo(int numero) const { return TiposAcorde[numero]; }
    static bool numeroValido(int numero) { return numero >= 1 && numero <= kMaxTipos; }
    bool existe(int numero) const { return numeroValido(numero) && !TiposAcorde[numero].livre(); }

    // Empties every slot and table, as before a load.
    void limpar();
    // Recomputes CifraLinear and AssinaturaIntervalos of one type.
    void calcularDerivados(int numero);
    void CalcularEquivalentes();
    void CalcularSomas();
    // Highest number of a type present, 0 when none.
    int MaiorNumeroPresente() const;
    // The number for a new type: one above every number ever used while there is one, so
    // that a song never reads a deleted type as a new one; then the lowest free number; 101
    // when all are taken.
    int ProximoNumeroLivre() const;
};

}  // namespace trovale
