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
