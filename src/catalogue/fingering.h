#pragma once
// A fingering on the six-string guitar, decoded and in its six stored bytes.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trovale {

inline constexpr int kCordas = 6;
inline constexpr int kMaxNotasDedo = 4;
inline constexpr int kMaxPestanas = 2;
inline constexpr int kMaxElementosDigitacao = 4;
inline constexpr int kMaxTrasteRelativo = 5;
inline constexpr int kMaxCasa = 12;

// Open strings 1..6 (high E first): pitch classes and MIDI notes; index 0 unused.
inline constexpr std::array<int, kCordas + 1> NotaCordaSolta = {0, 8, 3, 11, 6, 1, 8};
inline constexpr std::array<int, kCordas + 1> MidiCordaSolta = {0, 64, 59, 55, 50, 45, 40};

// String states.
inline constexpr std::uint8_t kCordaBaixo = 0;  // played, the lowest sounding string
inline constexpr std::uint8_t kCordaTocada = 1;
inline constexpr std::uint8_t kCordaMuda = 2;

struct NotaDedo {
    std::uint8_t Corda = 0;   // 1..6
    std::uint8_t Traste = 0;  // relative 1..5
    bool vazia() const { return Corda == 0 || Traste == 0; }
    bool operator==(const NotaDedo&) const = default;
};

struct Pestana {
    std::uint8_t CordaInicial = 0;  // 0 = empty
    std::uint8_t CordaFinal = 0;
    std::uint8_t Traste = 0;
    bool vazia() const { return CordaInicial == 0; }
    bool operator==(const Pestana&) const = default;
};

struct TDigitacao {
    std::string NomeNota;  // root as the user wrote it; only used while Nota is 0
    int Casa = 0;          // start fret 0..12
    int Nota = 0;          // root 1..12
    int Tipo = 0;          // chord type 1..100
    std::array<NotaDedo, kMaxNotasDedo> Notas{};
    std::array<Pestana, kMaxPestanas> Pestanas{};
    std::array<std::uint8_t, kCordas> Estado{1, 1, 1, 1, 1, 1};  // [string - 1]

    std::uint8_t estado(int corda) const { return Estado[corda - 1]; }
    bool tocada(int corda) const { return estado(corda) != kCordaMuda; }
    // Highest relative fret pressed on a string by a note or barre, 0 when open.
    int trasteRelativo(int corda) const;
    // Absolute fret sounding on a played string (0 when open).
    int trasteAbsoluto(int corda) const;
    // Pitch class sounding on a played string.
    int notaDaCorda(int corda) const;
    // Gives state 0 to the first played string from string 6 towards string 1.
    void marcarBaixo();
};

// Three 16-bit words, stored least significant byte first.
struct TDigitacaoGravada {
    std::array<std::uint16_t, 3> W{};
    bool operator==(const TDigitacaoGravada&) const = default;
};

inline constexpr std::size_t kBytesDigitacaoGravada = 6;

TDigitacaoGravada Codificar(const TDigitacao& digitacao);
TDigitacao Decodificar(const TDigitacaoGravada& gravada);

// A fingering as songs refer to it, three words in decimal ("763 5118 3001"); nothing for "0"
// or for anything else.
std::optional<TDigitacaoGravada> digitacaoDoTexto(std::string_view texto);

std::array<std::uint8_t, kBytesDigitacaoGravada> paraBytes(const TDigitacaoGravada& gravada);
TDigitacaoGravada deBytes(const std::uint8_t* bytes);

// Root and type straight from the first word, without a full decode.
inline int notaGravada(const TDigitacaoGravada& g) {
    return (g.W[0] % 600) / 40;
}
inline int tipoGravado(const TDigitacaoGravada& g) {
    return g.W[0] / 600;
}

// Distinct pitch classes of the played strings, in string order 1..6.
std::vector<int> notasSoantes(const TDigitacao& digitacao);

}  // namespace trovale

namespace trovale {

// Strings 1..6, relative frets 1..5, start fret 0..12: what a stored record may hold.
bool digitacaoBemFormada(const TDigitacao& digitacao);

}  // namespace trovale
