#include "catalogue/symbol_normalizer.h"

#include <gtest/gtest.h>

#include <string>

namespace trovale {
namespace {

struct Caso {
    std::string simbolo;
    std::string canonica;
    std::string sobra;  // what NormalizarCifra could not consume
};

void verificar(const Caso& c) {
    std::string texto = c.simbolo;
    EXPECT_EQ(NormalizarCifra(texto), c.canonica) << "symbol: " << c.simbolo;
    EXPECT_EQ(texto, c.sobra) << "symbol: " << c.simbolo;
}

TEST(NormalizarCifra, SynonymsGiveTheirCanonicalTokenInRowOrder) {
    const Caso casos[] = {
        {"", "", ""},
        {"m", "m", ""},
        {"-", "m", ""},
        {"7", "b7", ""},
        {"m7", "b7m", ""},
        {"-7", "b7m", ""},
        {"7M", "7M", ""},
        {"maj7", "7M", ""},
        {"7+", "7M", ""},
        {"M7", "7M", ""},
        {"m7M", "7Mm", ""},
        {"m(7M)", "7Mm", ""},
        {"2", "sus2", ""},
        {"sus", "sus4", ""},
        {"4", "sus4", ""},
        {"7/4", "sus4b7", ""},
        {"7sus4", "sus4b7", ""},
        {"9", "add9", ""},
        {"(add9)", "add9", ""},
        {"m7(9)", "add9b7m", ""},
        {"7M(9)", "7Madd9", ""},
        {"6/9", "add96", ""},
        {"m6/9", "add96m", ""},
        {"7(9/13)", "add913b7", ""},
        {"7(b9)", "b9b7", ""},
        {"7(9b)", "b9b7", ""},
        {"7(9-)", "b9b7", ""},  // a minus inside a flat-ninth form is no minor sign
        {"7(#9)", "#9b7", ""},
        {"7(+9)", "#9b7", ""},
        {"7(#11)", "#11b7", ""},
        {"7(11+)", "#11b7", ""},
        {"m7(11)", "11b7m", ""},
        {"7(13)", "13b7", ""},
        {"7(b13)", "b13b7", ""},
        {"7(13-)", "b13b7", ""},
        {"6", "6", ""},
        {"m6", "6m", ""},
        {"m7(b5)", "b7b5m", ""},
        {"m7b5", "b7b5m", ""},
        {"7(5-)", "b7b5", ""},
        {"+", "#5", ""},
        {"5+", "#5", ""},
        {"(#5)", "#5", ""},
        {"7(#5)", "b7#5", ""},
    };
    for (const Caso& c : casos) verificar(c);
}

TEST(NormalizarCifra, DiminishedSpellingsAllGiveO7) {
    const Caso casos[] = {
        {"dim", "o7", ""},
        {"dim7", "o7", ""},
        {"o", "o7", ""},
        {"o7", "o7", ""},
        {"\xBA", "o7", ""},
        {"\xB0", "o7", ""},
        {"\xBA"
         "7",
         "o7", ""},
        {"bb7", "o7", ""},
    };
    for (const Caso& c : casos) verificar(c);
}

TEST(NormalizarCifra, AlternativeSpellingsAreRead) {
    const Caso casos[] = {
        {"7(b2)", "b9b7", ""}, {"7(#2)", "#9b7", ""}, {"b3", "m", ""},
        {"b37", "b7m", ""},    {"(b6)", "b13", ""},
    };
    for (const Caso& c : casos) verificar(c);
}

TEST(NormalizarCifra, AltStandsForSharpNinthSeventhAndSharpFifth) {
    verificar({"alt", "#9b7#5", ""});
    verificar({"7alt", "#9b7#5", ""});
}

TEST(NormalizarCifra, IgnorableMarksAndSeparatorsVanish) {
    const Caso casos[] = {
        {"5", "", ""},  {"3", "", ""},     {"8", "", ""},     {"/", "", ""},
        {"()", "", ""}, {"7()", "b7", ""}, {"(7)", "b7", ""}, {"7//9", "add9b7", ""},
    };
    for (const Caso& c : casos) verificar(c);
}

TEST(NormalizarCifra, LeavesWhatItCannotReadInTheText) {
    const Caso casos[] = {
        {"x", "", "x"},
        {"7x", "b7", "x"},
        {"aug", "", "aug"},
        {"(((", "", "(("},
        {"\xC2\xBA", "o7", "\xC2"},  // UTF-8 "º" is not a Windows-1252 symbol
        // A minor sign after another token stays behind: C7m is no chord.
        {"7m", "b7m", "m"},
        {"9m", "add9m", "m"},
        {"7-", "b7m", "-"},
    };
    for (const Caso& c : casos) verificar(c);
}

}  // namespace
}  // namespace trovale
