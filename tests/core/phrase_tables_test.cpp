#include "zan/phrase_tables.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kz {
namespace {

TEST(PhraseTables, RowsByStoryCode) {
    const PhraseTables tables = parsePhraseTables(
        "# comment\r\n"
        "\n"
        "01PIP\t|1,-3|2,4|\r\n"
        "25sample\t|1,-1|\n"
        "no tab here\n"
        "01PIP\t|1,9|\n"
        "03HATS\t|1,2,|");
    EXPECT_EQ(tables.size(), 3u);
    EXPECT_EQ(selectPhraseTable("01pip", tables), "|1,-3|2,4|");
    EXPECT_EQ(selectPhraseTable("25SAMPLE", tables), "|1,-1|");
    EXPECT_EQ(selectPhraseTable("03Hats", tables), "|1,2,|");
    EXPECT_EQ(selectPhraseTable("99NONE", tables), "");
    EXPECT_EQ(selectPhraseTable("", tables), "");
}

TEST(PhraseTables, Format) {
    for (const char* good : {"|1,-1|", "|1,-2|2,4,7|3,-3,6|", "|1,2,|", "|12,3,,5|"}) {
        EXPECT_TRUE(isPhraseTable(good)) << good;
    }
    for (const char* bad :
         {"", "|", "||", "1,2|", "|1,2", "|1|", "|a,2|", "|1,2x|", "|-1,2|", "|1,2||"}) {
        EXPECT_FALSE(isPhraseTable(bad)) << bad;
    }
}

// Rows added to data/phrase_tables.txt must keep the format the reader relies on, and belong to
// the stories the reader can open: those numbered 01 to 32.
TEST(PhraseTables, BuiltInRowsAreWellFormed) {
    for (const auto& [code, table] : builtInPhraseTables()) {
        EXPECT_LE(code.size(), 8u) << code;
        const int number = std::atoi(code.substr(0, 2).c_str());
        EXPECT_TRUE(number >= 1 && number <= 32) << code;
        EXPECT_TRUE(isPhraseTable(table)) << code << ": " << table;
    }
}

}  // namespace
}  // namespace kz
