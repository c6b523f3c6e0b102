#include <gtest/gtest.h>

#include "files/story_catalogue.h"

namespace kz {
namespace {

TEST(StoryTitle, FindsRowsWhateverTheSpelling) {
    for (const char* name : {"25sample", "25SAMPLE", " 25Sample.DAT ", "25sample.dat.bak"}) {
        for (Program p : {Program::Kiv, Program::Zan}) {
            const auto info = storyTitle(name, p);
            EXPECT_EQ(info.title, "25 Sam and the Kite") << name;
            EXPECT_EQ(info.illustrator, "Jo Marsh") << name;
            EXPECT_EQ(info.credit, "by Ruth Penrose") << name;
        }
    }
    EXPECT_EQ(storyTitle("07hen", Program::Zan).credit, "retold by Ruth Penrose");
    EXPECT_EQ(storyTitle("07hen", Program::Zan).illustrator, "Jo Marsh and Ben Ashdown");
}

TEST(StoryTitle, RangesDifferBetweenThePrograms) {
    struct Case {
        const char* name;
        const char* kiv;
        const char* zan;
    };
    const Case cases[] = {
        {"0009TO24.TXT", "Books 9 to 24", ""},
        {"0001to24", "Books 1 to 24", ""},
        {"0109TO24", "", ""},
        {"_01_64", "", "All books 1 to 64"},
        {"_01_08.dat", "", "Up to book 8"},
        {"99none", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(storyTitle(c.name, Program::Kiv).title, c.kiv) << c.name;
        EXPECT_EQ(storyTitle(c.name, Program::Zan).title, c.zan) << c.name;
    }
    const auto unknown = storyTitle("99none", Program::Zan);
    EXPECT_EQ(unknown.credit, "by Ruth Penrose");
    EXPECT_EQ(unknown.illustrator, "");
}

// Books 01 to 64, then 65 to 70: the titles of the French, Spanish and German sample word lists.
TEST(StoryTitle, CatalogueHoldsBooks01To70InOrder) {
    const auto keys = storyCatalogueKeys();
    ASSERT_EQ(keys.size(), 70u);
    for (size_t i = 0; i < keys.size(); ++i) {
        const std::string number = (i < 9 ? "0" : "") + std::to_string(i + 1);
        EXPECT_EQ(keys[i].substr(0, 2), number);
        EXPECT_LE(keys[i].size(), 8u) << keys[i];
        EXPECT_EQ(storyTitle(keys[i], Program::Zan).title.substr(0, 3), number + " ") << keys[i];
    }
}

}  // namespace
}  // namespace kz
