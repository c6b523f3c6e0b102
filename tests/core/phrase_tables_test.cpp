#include "zan/phrase_tables.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "files/story_rows.h"
#include "temp_dir.h"

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

// The rows the reader takes from DATA\\PHRASES.TXT: only stories numbered 01 to 32, only tables
// in the format; anything else leaves that story without a table.
TEST(PhraseTables, DeliveredFileKeepsOnlyUsableRows) {
    test::TempDir data;
    data.write("DATA/PHRASES.TXT",
               "01PIP\t|1,-1|2,3|\r\n"
               "32END\t|1,2|\n"
               "33FARM\t|1,-1|\n"  // the reader opens 01 to 32 only
               "00ZERO\t|1,-1|\n"
               "PIP\t|1,-1|\n"    // no number
               "19MOON\t|1,x|\n"  // not a table
               "20ZOO\t1,2|\n"
               "../21\t|1,2|\n"
               "\xff\xfe\x00\t|\n");
    const PhraseTables tables = readPhraseTableFile(data.str());
    EXPECT_EQ(tables, (PhraseTables{{"01PIP", "|1,-1|2,3|"}, {"32END", "|1,2|"}}));
    // A data directory may spell the folder in capitals or not; a missing file has no rows.
    test::TempDir lower;
    lower.write("data/phrases.txt", "19MOON\t|1,-1|\n");
    EXPECT_EQ(selectPhraseTable("19moon", readPhraseTableFile(lower.str())), "|1,-1|");
    test::TempDir none;
    EXPECT_TRUE(readPhraseTableFile(none.str()).empty());
    none.write("DATA/PHRASES.TXT/x", "");  // a folder where the file should be
    EXPECT_TRUE(readPhraseTableFile(none.str()).empty());
}

TEST(StoryRows, ReplaceRowChangesOnlyThatCodesRows) {
    struct Case {
        const char* before;
        const char* key;
        std::optional<std::string> line;
        const char* after;
    };
    const Case cases[] = {
        {"", "17WALK", "17WALK\t|1,-1|", "17WALK\t|1,-1|\r\n"},
        {"# c\n01PIP\t|1,2|", "17walk", "17WALK\t|1,-1|",
         "# c\n01PIP\t|1,2|\r\n17WALK\t|1,-1|\r\n"},
        {"17walk\t|old|\n01PIP\t|1,2|\r\n17WALK\t|again|\n", "17WALK", "17WALK\t|new|",
         "17WALK\t|new|\n01PIP\t|1,2|\r\n"},
        {"01PIP\t|1,2|\r\n17WALK\t|x|\r\n# 17WALK\tkept\n", "17WALK", std::nullopt,
         "01PIP\t|1,2|\r\n# 17WALK\tkept\n"},
        {"17WALKS\t|x|\n", "17WALK", std::nullopt, "17WALKS\t|x|\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(replaceRow(c.before, c.key, c.line), c.after) << c.before;
}

}  // namespace
}  // namespace kz
