#include "files/data_field.h"

#include <gtest/gtest.h>

#include <random>

namespace kz {
namespace {

std::string bytes(std::initializer_list<int> codes) {
    std::string out;
    for (int c : codes) out += static_cast<char>(c);
    return out;
}

TEST(DecodeDataField, KeyZeroPassesTheHeaderAndSumsIt) {
    DataKey key = 0;
    EXPECT_EQ(decodeDataField("AB\xE9", key), "AB\xE9");
    EXPECT_EQ(key, 65 + 66 + 0xE9);
}

TEST(DecodeDataField, LowCodesStandForLineEndsSpaceAndBang) {
    struct Case {
        int code;
        DataKey key;
        char out;
    };
    const Case cases[] = {
        {0, 4, '!'},  {1, 4, '\n'}, {2, 4, '\r'},  {3, 4, ' '},   {0, 5, ' '},
        {33, 6, ' '}, {10, 7, ' '}, {13, 4, '\n'}, {26, 8, '\r'}, {31, 1, '\r'},
    };
    for (const auto& c : cases) {
        DataKey key = c.key;
        EXPECT_EQ(decodeDataField(bytes({c.code}), key), std::string(1, c.out))
            << "code " << c.code << " key " << c.key;
        EXPECT_EQ(key, c.key);
    }
}

TEST(DecodeDataField, HigherCodesRunTheKeyOn) {
    DataKey key = 1;
    // 35 - 35 - 1 wraps to 220; 100 - 35 - 221 wraps to 65; 255 - 35 - 286 wraps to 155.
    EXPECT_EQ(decodeDataField(bytes({35, '"', 100, 255}), key), bytes({220, '"', 65, 155}));
    EXPECT_EQ(key, 1 + 220 + 65 + 155);
}

std::string everyStorableCharacter() {
    std::string text;
    for (int c = 0; c <= 220; ++c) text += static_cast<char>(c);
    return text + "\r\n \r\n!!  \n\r";
}

TEST(EncodeDataField, IsTheInverseAndStaysOneQuotedLine) {
    const std::string text = everyStorableCharacter();
    std::mt19937 random(7);
    const CodeChooser chooseAny = [&](size_t n) {
        return std::uniform_int_distribution<size_t>(0, n - 1)(random);
    };
    for (const CodeChooser& choose : {CodeChooser{}, chooseAny}) {
        for (DataKey start :
             {DataKey{1}, DataKey{2}, DataKey{3}, DataKey{1406}, DataKey{5'000'000'000}}) {
            DataKey writeKey = start;
            const std::string field = encodeDataField(text, writeKey, choose);
            for (unsigned char c : field) {
                EXPECT_NE(c, '\r');
                EXPECT_NE(c, '\n');
                EXPECT_NE(c, '"');
                EXPECT_NE(c, 26);
                if (!choose) {
                    EXPECT_TRUE(c >= 35 || (c >= 14 && c <= 33));
                }
            }
            DataKey readKey = start;
            EXPECT_EQ(decodeDataField(field, readKey), text);
            EXPECT_EQ(readKey, writeKey);
        }
    }
}

TEST(EncodeDataField, RefusesWhatTheFormatCannotHold) {
    DataKey key = 5;
    EXPECT_THROW(encodeDataField("caf\xE9", key), std::invalid_argument);  // 233 > 220
    key = 0;
    EXPECT_THROW(encodeDataField("abc", key), std::invalid_argument);
}

TEST(EncodeDataField, KeyBeyond32BitsOnALargeField) {
    const std::string text(12'000'000, static_cast<char>(220));
    DataKey writeKey = 1406;
    const std::string field = encodeDataField(text, writeKey);
    EXPECT_EQ(writeKey, 1406 + 220LL * 12'000'000);  // past 2^31
    DataKey readKey = 1406;
    EXPECT_EQ(decodeDataField(field, readKey), text);
    EXPECT_EQ(readKey, writeKey);
}

TEST(DataLines, SplitsAtCrLfOnly) {
    DataLines lines("x\ry\nz\r\n\r\nlast");
    EXPECT_EQ(lines.next(), "x\ry\nz");
    EXPECT_EQ(lines.next(), "");
    EXPECT_EQ(lines.next(), "last");
    EXPECT_TRUE(lines.atEnd());
    EXPECT_EQ(lines.next(), "");
    EXPECT_EQ(lines.next(), "");

    DataLines ended("only\r\n");
    EXPECT_EQ(ended.next(), "only");
    EXPECT_TRUE(ended.atEnd());
}

}  // namespace
}  // namespace kz
