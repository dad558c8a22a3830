#include "fingering/fingering_editing.h"

#include <algorithm>

#include "fingering/fingering_validation.h"
#include "fingering/string_states.h"

namespace trovale {

namespace {

constexpr const char* kCordaPressionada =
    "Corda já pressionada. Caso queira introduzir uma pestana, comece pelo outro extremo.";
constexpr const char* kExcederia =
    "Digitação excederia o número máximo de elementos (notas ou pestanas).";
constexpr const char* kDuasPestanas = "Acorde já contém 2 pestanas.";
constexpr const char* kTrasteComPestana = "Traste já contém pestana.";

// Removes the notes that match, the later ones moving forward.
template <typename Condicao>
void removerNotasSe(TDigitacao& d, Condicao condicao) {
    auto fim = std::remove_if(d.Notas.begin(), d.Notas.end(),
                              [&](const NotaDedo& n) { return !n.vazia() && condicao(n); });
    std::fill(fim, d.Notas.end(), NotaDedo{});
}

bool temNota(const TDigitacao& d, const NotaDedo& nota) {
    return std::find(d.Notas.begin(), d.Notas.end(), nota) != d.Notas.end();
}

NotaDedo notaEm(int corda, int casa) {
    return {static_cast<std::uint8_t>(corda), static_cast<std::uint8_t>(casa)};
}

}  // namespace

int elementCount(const TDigitacao& d) {
    const auto notas =
        std::count_if(d.Notas.begin(), d.Notas.end(), [](const NotaDedo& n) { return !n.vazia(); });
    const auto pestanas = std::count_if(d.Pestanas.begin(), d.Pestanas.end(),
                                        [](const Pestana& p) { return !p.vazia(); });
    return static_cast<int>(notas + pestanas);
}

NoteClick placeNote(TDigitacao& d, int corda, int casa) {
    if (corda < 1 || corda > kCordas || casa < 1 || casa > kMaxTrasteRelativo) return {};
    const NotaDedo nova = notaEm(corda, casa);
    if (temNota(d, nova)) {
        removerNotasSe(d, [&](const NotaDedo& n) { return n == nova; });
        return {true, false, {}};
    }
    const bool cordaOcupada = std::any_of(d.Notas.begin(), d.Notas.end(), [&](const NotaDedo& n) {
        return !n.vazia() && n.Corda == corda;
    });
    if (cordaOcupada) return {false, false, kCordaPressionada};
    if (elementCount(d) >= kMaxElementosDigitacao) return {false, false, kExcederia};

    *std::find_if(d.Notas.begin(), d.Notas.end(), [](const NotaDedo& n) { return n.vazia(); }) =
        nova;
    d.Estado[corda - 1] = kCordaTocada;
    recomputeBass(d);
    return {true, true, checkNoteBeforeBarre(d).message};
}

std::string barreRefusal(const TDigitacao& d, int casa) {
    if (!d.Pestanas[0].vazia() && !d.Pestanas[1].vazia()) return kDuasPestanas;
    if (!d.Pestanas[0].vazia() && d.Pestanas[0].Traste == casa) return kTrasteComPestana;
    return {};
}

std::string finishBarre(TDigitacao& d, int corda, int casa, int cordaFinal) {
    // A drag that ends off the strings, or from a note that is gone, changes nothing.
    if (cordaFinal == corda || cordaFinal < 1 || cordaFinal > kCordas) return {};
    if (!temNota(d, notaEm(corda, casa))) return {};
    if (std::string recusa = barreRefusal(d, casa); !recusa.empty()) return recusa;

    const int de = std::min(corda, cordaFinal);
    const int ate = std::max(corda, cordaFinal);
    removerNotasSe(
        d, [&](const NotaDedo& n) { return n.Traste == casa && n.Corda >= de && n.Corda <= ate; });
    Pestana& livre = d.Pestanas[0].vazia() ? d.Pestanas[0] : d.Pestanas[1];
    livre = {static_cast<std::uint8_t>(de), static_cast<std::uint8_t>(ate),
             static_cast<std::uint8_t>(casa)};
    for (int c = de; c <= ate; ++c) d.Estado[c - 1] = kCordaTocada;
    recomputeBass(d);
    return checkNoteBeforeBarre(d).message;
}

void removeBarre(TDigitacao& d, int slot) {
    if (slot < 0 || slot >= kMaxPestanas) return;
    if (slot == 0) d.Pestanas[0] = d.Pestanas[1];
    d.Pestanas[1] = Pestana{};
}

bool moveWindow(TDigitacao& d, int passo) {
    const int casa = d.Casa + passo;
    if (casa < 1 || casa > kMaxCasa) return false;
    d.Casa = casa;
    return true;
}

}  // namespace trovale
