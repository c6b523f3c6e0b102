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

}  // namespace
}  // namespace kz
