#include <gtest/gtest.h>

#include <map>
#include <string>

#include "files/shown_text.h"
#include "files/story_catalogue.h"
#include "kiv/kiv_settings_form.h"
#include "zan/story_names.h"

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
        {"_01_56", "", "Up to book 56"},
        {"_01_09", "", ""},
        {"_01_72", "", ""},
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

// The names the programs make up for lists, frogs and credits are shown in the windows' language;
// a credit a teacher wrote some other way stays as written, and a list is still known as a book
// range by its name whatever its title says.
TEST(StoryTitle, MadeUpNamesFollowTheWindowsLanguage) {
    const std::map<std::string, std::string> french = {
        {"Books %1 to %2", "Livres %1 \xE0 %2"},  // Windows-1252, as the windows give it
        {"Up to book %1", "Jusqu'au livre %1"},
        {"All books 1 to %1", "Tous les livres de 1 \xE0 %1"},
        {"1 (no frogs)", "1 (sans grenouille)"},
        {"by %1", "de %1"},
        {"retold by %1", "racont\351e par %1"},
        {"Story %1\nPictures by %2", "Histoire %1\nImages de %2"}};
    setTextTranslator([&](const char*, const char* english) {
        const auto found = french.find(english);
        return found == french.end() ? std::string() : found->second;
    });
    EXPECT_EQ(storyTitle("0009TO24.TXT", Program::Kiv).title, "Livres 9 \xE0 24");
    EXPECT_EQ(storyTitle("_01_16", Program::Zan).title, "Jusqu'au livre 16");
    EXPECT_EQ(storyTitle("_01_64", Program::Zan).title, "Tous les livres de 1 \xE0 64");
    EXPECT_TRUE(isBookRangeName("0009TO24"));
    EXPECT_FALSE(isBookRangeName("0109TO24"));
    EXPECT_EQ(frogEntries().front(), " 1 (sans grenouille)");
    EXPECT_EQ(frogEntries().back(), " 10");
    const struct {
        StoryInfo info;
        const char* credits;
    } cases[] = {
        {storyTitle("25sample", Program::Zan), "Histoire de Ruth Penrose\r\nImages de Jo Marsh"},
        {storyTitle("07hen", Program::Zan),
         "Histoire racont\351e par Ruth Penrose\r\nImages de Jo Marsh and Ben Ashdown"},
        {{"40 Le chat", "de Mme Roy", "Lou"}, "Histoire de Mme Roy\r\nImages de Lou"},
        {{"41 Bye", "bye bye", "Lou"}, "Histoire bye bye\r\nImages de Lou"},
    };
    for (const auto& c : cases) EXPECT_EQ(creditsText(c.info), c.credits) << c.info.title;
    setTextTranslator({});
    EXPECT_EQ(storyTitle("0009TO24", Program::Kiv).title, "Books 9 to 24");
    EXPECT_EQ(creditsText(storyTitle("07hen", Program::Zan)),
              "Story retold by Ruth Penrose\r\nPictures by Jo Marsh and Ben Ashdown");
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
