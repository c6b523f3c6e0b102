#include "files/cp1252.h"

#include <gtest/gtest.h>

namespace kz {
namespace {

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const auto back = utf8ToCp1252(cp1252ToUtf8(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Cp1252, HighControlsAreNotLatin1) {
    struct Case {
        unsigned char byte;
        const char* utf8;
    };
    const Case cases[] = {
        {0x80, "\u20AC"}, {0x93, "\u201C"}, {0x94, "\u201D"}, {0x91, "\u2018"}, {0x92, "\u2019"},
        {0x85, "\u2026"}, {0x9F, "\u0178"}, {0xE9, "\u00E9"}, {0xA0, "\u00A0"}, {0x81, "\xC2\x81"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp1252ToUtf8(std::string(1, static_cast<char>(c.byte))), c.utf8) << int(c.byte);
    }
}

TEST(Cp1252, RefusesWhatItCannotStore) {
    EXPECT_FALSE(utf8ToCp1252("\u4E2D").has_value());            // CJK
    EXPECT_FALSE(utf8ToCp1252("\xF0\x9F\x98\x80").has_value());  // emoji
    EXPECT_FALSE(utf8ToCp1252("\xC3").has_value());              // truncated sequence
    EXPECT_FALSE(utf8ToCp1252("\xC0\xAF").has_value());          // overlong
    EXPECT_EQ(utf8ToCp1252("caf\u00E9 \u201Chi\u201D"), "caf\xE9 \x93hi\x94");
}

}  // namespace
}  // namespace kz
