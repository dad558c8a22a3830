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
