#include "base/text_codec.h"

#include <gtest/gtest.h>

namespace trovale {
namespace {

TEST(TextCodec, ConvertsBothWays) {
    const struct {
        std::string windows1252, utf8;
    } casos[] = {
        {"Maior com 7\xAA", "Maior com 7ª"},
        {"C\xB0 e C\xBA", "C° e Cº"},
        {"Cora\xE7\xE3o \x80 \x96 \x93x\x94", "Coração € – “x”"},
        {"Refr\xE3o", "Refrão"},
        {"ASCII puro", "ASCII puro"},
        {"", ""},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(utf8DeWindows1252(c.windows1252), c.utf8);
        EXPECT_EQ(windows1252DeUtf8(c.utf8), c.windows1252);
    }
}

TEST(TextCodec, Utf16WithItsMarkBecomesUtf8) {
    const struct {
        std::string bytes;
        std::optional<std::string> utf8;
    } casos[] = {
        {std::string("\xFF\xFE"
                     "A\0\xE7\0",
                     6),
         "A\xC3\xA7"},
        {std::string("\xFE\xFF"
                     "\0A\0\xE7",
                     6),
         "A\xC3\xA7"},
        {std::string("\xFF\xFE"
                     "\x3D\xD8\x00\xDE",
                     6),
         "\xF0\x9F\x98\x80"},  // a pair
        {std::string("\xFF\xFE"
                     "\x00\xDE"
                     "A\0",
                     6),
         "\xEF\xBF\xBD"
         "A"},  // a lone low half
        {std::string("\xFF\xFE"
                     "\x3D\xD8",
                     4),
         "\xEF\xBF\xBD"},  // a high half at the end
        {std::string("\xFF\xFE"
                     "A\0B",
                     5),
         "A\xEF\xBF\xBD"},  // an odd byte
        {"\xFF\xFE", ""},
        {"\xEF\xBB\xBF"
         "A",
         std::nullopt},
        {"AB", std::nullopt},
        {"\xFF", std::nullopt},
    };
    for (const auto& c : casos) EXPECT_EQ(utf8DeUtf16ComMarca(c.bytes), c.utf8) << c.bytes;
}

TEST(TextCodec, Utf16WithoutItsMarkIsRecognisedByItsNuls) {
    const std::string nulos(8, '\0');
    const struct {
        std::string bytes;
        std::optional<std::string> utf8;
    } casos[] = {
        {std::string("C\0\xE7\0\r\0\n\0", 8), "C\xC3\xA7\r\n"},
        {std::string("\0C\0\xE7\0\r\0\n", 8), "C\xC3\xA7\r\n"},
        {std::string("A\0B\0C\0\x3C\xD8\xB8\xDF", 10), "ABC\xF0\x9F\x8E\xB8"},  // a pair
        // Units of U+xx00 are few in a text: one in ten is too many.
        {std::string("\0\x01"
                     "A\0B\0C\0D\0E\0F\0G\0H\0I\0",
                     20),
         "\xC4\x80"
         "ABCDEFGHI"},
        {std::string("\0\x01\0\x01"
                     "A\0B\0C\0",
                     10),
         std::nullopt},
        // A broken surrogate, an odd byte, no NUL or NULs on both sides: no UTF-16.
        {std::string("A\0\x3D\xD8", 4), std::nullopt},
        {std::string("A\0\x00\xDE"
                     "B\0",
                     6),
         std::nullopt},
        {std::string("A\0B\0C", 5), std::nullopt},
        {"ABCD", std::nullopt},
        {nulos, std::nullopt},
        {std::string("A\0\0B", 4), std::nullopt},
    };
    for (const auto& c : casos) EXPECT_EQ(utf8DeUtf16SemMarca(c.bytes), c.utf8) << c.bytes;
    // With a mark, the mark decides: a lone surrogate is replaced, not refused.
    EXPECT_EQ(utf8DeUtf16(std::string("\xFF\xFE\x00\xDE"
                                      "B\0",
                                      6)),
              "\xEF\xBF\xBD"
              "B");
    EXPECT_EQ(utf8DeUtf16(std::string("B\0", 2)), "B");
    EXPECT_EQ(utf8DeUtf16("B"), std::nullopt);
}

TEST(TextCodec, EveryByteRoundTrips) {
    std::string todos;
    for (int b = 0; b < 256; ++b) todos += static_cast<char>(b);
    EXPECT_EQ(windows1252DeUtf8(utf8DeWindows1252(todos)), todos);
}

TEST(TextCodec, UnmappableAndMalformedBecomeQuestionMarks) {
    EXPECT_EQ(windows1252DeUtf8("日本 ok"), "?? ok");
    EXPECT_EQ(windows1252DeUtf8("a\xC3"), "a?");
    EXPECT_EQ(windows1252DeUtf8("\xE2\x82"), "??");
    EXPECT_EQ(windows1252DeUtf8("\xC0\xAF"), "??");  // overlong "/"
    EXPECT_EQ(windows1252DeUtf8("🎸"), "?");
}

TEST(TextCodec, RecognisesUtf8Text) {
    EXPECT_TRUE(pareceUtf8("Canção"));
    EXPECT_FALSE(pareceUtf8("Can\xE7\xE3o"));
    EXPECT_FALSE(pareceUtf8("plain"));
}

}  // namespace
}  // namespace trovale
