#include <gtest/gtest.h>

#include "catalogue/fingering.h"
#include "catalogue/frets_notation.h"

namespace trovale {
namespace {

TDigitacaoGravada gravada(int w0, int w1, int w2) {
    return TDigitacaoGravada{{static_cast<std::uint16_t>(w0), static_cast<std::uint16_t>(w1),
                              static_cast<std::uint16_t>(w2)}};
}

TEST(FingeringCodec, DecodesTheFirstWord) {
    const TDigitacao d = Decodificar(gravada(12 * 600 + 4 * 40 + 1 * 3, 0, 0));
    EXPECT_EQ(d.Tipo, 12);
    EXPECT_EQ(d.Nota, 4);
    EXPECT_EQ(d.Casa, 1);
    EXPECT_EQ(d.Estado, (std::array<std::uint8_t, 6>{1, 1, 1, 1, 1, 0}));
}

TEST(FingeringCodec, MutedStringsAndBass) {
    const struct {
        int w0, w1, w2;
        std::array<std::uint8_t, 6> estado;
    } casos[] = {
        {603, 0, 3, {1, 1, 1, 0, 2, 2}},  // strings 5 and 6 muted: string 4 is the bass
        {604, 3, 7, {2, 2, 2, 2, 2, 2}},  // everything muted: no bass at all
        {604, 2, 0, {2, 2, 1, 1, 1, 0}},
        {603, 1, 4, {1, 1, 2, 2, 1, 0}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Decodificar(gravada(c.w0, c.w1, c.w2)).Estado, c.estado) << c.w0 << " " << c.w1;
}

TEST(FingeringCodec, FullBarreIsValue151) {
    TDigitacao d;
    d.Tipo = 1;
    d.Nota = 9;
    d.Casa = 1;
    d.Pestanas[0] = {1, 6, 1};
    const TDigitacaoGravada g = Codificar(d);
    EXPECT_EQ(g.W[1] / 300, 151);
    const TDigitacao volta = Decodificar(g);
    EXPECT_EQ(volta.Pestanas[0], (Pestana{1, 6, 1}));
    EXPECT_TRUE(volta.Notas[0].vazia());
}

TEST(FingeringCodec, RoundTripsKeepSlotsAndStates) {
    TDigitacao f;  // F major, E shape: barre, three notes
    f.Tipo = 1;
    f.Nota = 9;
    f.Casa = 1;
    f.Pestanas[0] = {1, 6, 1};
    f.Notas = {NotaDedo{5, 3}, NotaDedo{4, 3}, NotaDedo{3, 2}, NotaDedo{}};
    f.Estado = {1, 1, 1, 1, 1, 0};

    TDigitacao c7;  // C7 x 3 2 3 1 0
    c7.Tipo = 2;
    c7.Nota = 4;
    c7.Casa = 1;
    c7.Notas = {NotaDedo{5, 3}, NotaDedo{4, 2}, NotaDedo{3, 3}, NotaDedo{2, 1}};
    c7.Estado = {1, 1, 1, 1, 0, 2};

    TDigitacao duas;  // two barres at a high start fret, muted strings on both sides
    duas.Tipo = 100;
    duas.Nota = 12;
    duas.Casa = 12;
    duas.Pestanas = {Pestana{1, 4, 1}, Pestana{2, 3, 3}};
    duas.Notas[0] = NotaDedo{5, 4};
    duas.Estado = {2, 1, 1, 1, 0, 2};

    for (const TDigitacao& d : {f, c7, duas}) {
        const TDigitacao volta = Decodificar(Codificar(d));
        EXPECT_EQ(volta.Tipo, d.Tipo);
        EXPECT_EQ(volta.Nota, d.Nota);
        EXPECT_EQ(volta.Casa, d.Casa);
        EXPECT_EQ(volta.Notas, d.Notas);
        EXPECT_EQ(volta.Pestanas, d.Pestanas);
        EXPECT_EQ(volta.Estado, d.Estado);
        EXPECT_EQ(Codificar(volta), Codificar(d));
    }
}

TEST(FingeringCodec, SingleStringBarreReadsBackAsNote) {
    TDigitacao d;
    d.Tipo = 1;
    d.Nota = 4;
    d.Casa = 1;
    d.Pestanas[0] = {2, 2, 1};
    const TDigitacao volta = Decodificar(Codificar(d));
    EXPECT_TRUE(volta.Pestanas[0].vazia());
    EXPECT_EQ(volta.Notas[0], (NotaDedo{2, 1}));
}

TEST(FingeringCodec, BytesAreLittleEndian) {
    const auto bytes = paraBytes(gravada(0x1234, 0xABCD, 0x0001));
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 6>{0x34, 0x12, 0xCD, 0xAB, 0x01, 0x00}));
    EXPECT_EQ(deBytes(bytes.data()), gravada(0x1234, 0xABCD, 0x0001));
}

TEST(FingeringCodec, SoundingNotesInStringOrder) {
    TDigitacao c;  // x 3 2 0 1 0
    c.Casa = 1;
    c.Notas = {NotaDedo{5, 3}, NotaDedo{4, 2}, NotaDedo{2, 1}, NotaDedo{}};
    c.Estado = {1, 1, 1, 1, 0, 2};
    // E, C, G, E (again), C (again): distinct in string order 1..6
    EXPECT_EQ(notasSoantes(c), (std::vector<int>{8, 4, 11}));
    EXPECT_EQ(escreverTrastes(trastesDe(c)), "x 3 2 0 1 0");
}

TEST(FretsNotation, ReadsBothFormsAndRefusesTheRest) {
    const struct {
        const char* texto;
        bool aceito;
        const char* normal;
    } casos[] = {
        {"x 3 2 0 1 0", true, "x 3 2 0 1 0"},
        {"x32010", true, "x 3 2 0 1 0"},
        {"  8 10 10 9 8 8 ", true, "8 10 10 9 8 8"},
        {"X 0 2 2 2 0", true, "x 0 2 2 2 0"},
        {"x 3 2 0 1", false, ""},
        {"x 3 2 0 1 0 0", false, ""},
        {"x3201", false, ""},
        {"x 3 2 0 1 25", false, ""},
        {"x 3 2 0 1 -1", false, ""},
        {"a 3 2 0 1 0", false, ""},
        {"", false, ""},
    };
    for (const auto& c : casos) {
        const auto lidos = lerTrastes(c.texto);
        ASSERT_EQ(lidos.has_value(), c.aceito) << c.texto;
        if (lidos) {
            EXPECT_EQ(escreverTrastes(*lidos), c.normal);
        }
    }
}

}  // namespace
}  // namespace trovale
