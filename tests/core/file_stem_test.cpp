#include "files/file_stem.h"

#include <gtest/gtest.h>

namespace kz {
namespace {

TEST(FileStem, WorkedExamples) {
    struct Case {
        const char* text;
        int16_t voiceA;
        const char* stem;
    };
    const Case cases[] = {
        {"", 0, ""},
        {"Teacher", 0, "TEACHER"},
        {"Blue-Group Seven", 0, "BLUEGR78"},  // 14 letters summing to 1078
        {"a", -1, "AY"},
        {"a", 0, "UH"},
        {"A", 1, "UH"},
        {" a. ", -1, "AY"},
        {"123", 0, "123"},
        {"  1234567890  ", 0, "12345678"},
        {"Red Team", 0, "REDTEAM"},
        {"red-team", 0, "REDTEAM"},
        {"Samantha", 0, "SAMANTHA"},   // exactly 8 letters stay whole
        {"Alexandra", 0, "ALEXAN56"},  // 9 letters summing to 656
        {"J\xE9r\xF4me", 0, "JRME"},   // accented letters are not A-Z
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fileStem(c.text, c.voiceA), c.stem) << '"' << c.text << '"';
    }
}

TEST(FileStem, NeverLeadsOutsideTheFolder) {
    struct Case {
        const char* text;
        const char* stem;
    };
    const Case cases[] = {
        {"../12", "_._12"}, {"..\\12", "_._12"}, {"/1", "_1"},
        {"9:30", "9_30"},   {".12", "_12"},      {"1.2", "1.2"},  // an inner dot is harmless
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fileStem(c.text, 0), c.stem) << c.text;
    }
    EXPECT_EQ(fileStem(std::string("1\0"
                                   "2",
                                   3),
                       0),
              "1_2");
}

// A word's recording keeps its accents apart ("t\xFA" and "t\xE9" must not share one), while
// every word without an accented letter keeps the name it always had, and a user's settings file
// (fileStem) keeps its name whatever the accents.
TEST(WordSoundStem, KeepsAccentedLettersAndLeavesOtherNamesAlone) {
    struct Case {
        const char* word;
        const char* stem;
    };
    const Case cases[] = {
        {"cat", "CAT"},
        {"elephants", "ELEPHA76"},
        {"don't", "DONT"},
        {"a", "UH"},
        {"t\xFA", "T\xDA"},
        {"t\xE9", "T\xC9"},
        {"T\xC9", "T\xC9"},
        {"\xE9t\xE9", "\xC9T\xC9"},
        {"ni\xF1o", "NI\xD1O"},
        {"Stra\xDF"
         "e",
         "STRA\xDF"
         "E"},                                  // ß has no capital and stays
        {"c\x9Cur", "C\x8CUR"},                 // œ and its capital Œ
        {"\xFF", "\x9F"},                       // ÿ and Ÿ
        {"l'\xE9t\xE9!", "L\xC9T\xC9"},         // other characters are dropped as always
        {"\xE9l\xE9phants", "\xC9L\xC9PHA40"},  // 9 letters summing to 940
    };
    for (const auto& c : cases) {
        EXPECT_EQ(wordSoundStem(c.word, 0), c.stem) << '"' << c.word << '"';
    }
    EXPECT_NE(wordSoundStem("t\xFA", 0), wordSoundStem("t\xE9", 0));
    EXPECT_NE(wordSoundStem("t\xFA", 0), wordSoundStem("tu", 0));
    EXPECT_EQ(wordSoundStem("a", -1), "AY");
    EXPECT_EQ(fileStem("J\xE9r\xF4me", 0), "JRME");
}

}  // namespace
}  // namespace kz
