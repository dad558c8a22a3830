#pragma once
// The interval codes 1..18 of chord types, as stored in ACORDES.TIP.

#include <array>
#include <string_view>

namespace trovale {

struct Intervalo {
    std::string_view nome;       // as written in symbols
    int grau;                    // degree
    int semitons;                // above the root
    int semitonsMod12;
    std::string_view descricao;  // the type editor's line (UTF-8)
};

inline constexpr int kMaxCodigoIntervalo = 18;
inline constexpr int kIntervaloQuinta = 6;   // the perfect fifth, "5"
inline constexpr int kIntervaloBb7 = 9;      // "bb7"
inline constexpr int kIntervaloSexta = 8;    // "6"

// Index 0 is "no interval"; 1..18 are the codes.
inline constexpr std::array<Intervalo, kMaxCodigoIntervalo + 1> TabelaIntervalos = {{
    {"", 0, 0, 0, ""},
    {"2", 2, 2, 2, "2 Segunda (terça suspensa)"},
    {"b3", 3, 3, 3, "b3 Terça menor"},
    {"3", 3, 4, 4, "3 Terça maior"},
    {"4", 4, 5, 5, "4 Quarta (terça suspensa)"},
    {"b5", 5, 6, 6, "b5 Quinta diminuta"},
    {"5", 5, 7, 7, "5 Quinta justa"},
    {"#5", 5, 8, 8, "#5 Quinta aumentada"},
    {"6", 6, 9, 9, "6 Sexta"},
    {"bb7", 7, 9, 9, "bb7 Sétima diminuta"},
    {"b7", 7, 10, 10, "b7 Sétima (sétima menor)"},
    {"7M", 7, 11, 11, "7M Sétima maior"},
    {"b9", 9, 13, 1, "b9 Nona menor"},
    {"9", 9, 14, 2, "9 Nona"},
    {"#9", 9, 15, 3, "#9 Nona aumentada"},
    {"11", 11, 17, 5, "11 Décima primeira"},
    {"#11", 11, 18, 6, "#11 Décima primeira aumentada"},
    {"b13", 13, 20, 8, "b13 Décima terceira menor"},
    {"13", 13, 21, 9, "13 Décima terceira"},
}};

constexpr bool codigoIntervaloValido(int codigo) {
    return codigo >= 1 && codigo <= kMaxCodigoIntervalo;
}

// Two intervals give the same note when their semitones agree modulo 12.
constexpr bool mesmaNota(int codigoA, int codigoB) {
    return TabelaIntervalos[codigoA].semitonsMod12 == TabelaIntervalos[codigoB].semitonsMod12;
}

}  // namespace trovale
