// The staged stories as the story reader will meet them: they decode, they fit the library's
// levels, every file the programs look up by name has a catalogue title, and the start files of
// the staged settings exist.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "files/story_catalogue.h"
#include "files/story_file.h"
#include "files/user_settings.h"
#include "staged_installation.h"

namespace kz::sample {
namespace {

// Every story is one the reader can open (numbered 01 to 32), so each has its phrase table.
TEST(SampleStories, LibraryHasRedAndYellowStoriesOnly) {
    const auto& stories = stagedStories();
    auto count = [&](int low, int high) {
        return std::count_if(stories.begin(), stories.end(), [&](const StagedStory& s) {
            return storyNumber(s.code) >= low && storyNumber(s.code) <= high;
        });
    };
    EXPECT_GE(count(1, 16), 2) << "red level";
    EXPECT_GE(count(17, 32), 3) << "yellow level";
    EXPECT_EQ(count(1, 32), static_cast<long>(stories.size())) << "a story the reader cannot open";
    EXPECT_TRUE(std::any_of(stories.begin(), stories.end(),
                            [](const StagedStory& s) { return s.code == "25SAMPLE"; }));
}

TEST(SampleStories, PagesAreShortWithTitleFirst) {
    bool quoted = false;
    for (const auto& [code, story] : stagedStories()) {
        SCOPED_TRACE(code);
        EXPECT_GE(story.pageCount, 3);
        EXPECT_LE(story.pageCount, 8);
        ASSERT_FALSE(story.page(1).texts.empty()) << "the title page has the title in text slot 1";
        size_t most = 0;
        for (int p = 1; p <= story.pageCount; ++p) {
            const auto words = pageWords(story.page(p));
            most = std::max(most, words.size());
            if (p == 1) continue;
            EXPECT_GE(words.size(), 5u) << "page " << p;
            EXPECT_LE(words.size(), 25u) << "page " << p;
            for (const auto& item : story.page(p).texts) {
                quoted = quoted || std::count(item.text.begin(), item.text.end(), '@') >= 2;
            }
        }
        EXPECT_EQ(story.wordCapacity, static_cast<int>(most))
            << "the word capacity is the longest page";
    }
    EXPECT_TRUE(quoted) << "some story quotes someone, written with @ marks";
}

std::string stagedBytes(const std::string& code) {
    std::ifstream in(stagePath("DATA\\" + code + ".DAT"), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The French, Spanish and German stories hold small accented letters, so only they are written
// in the accented form; the English ones keep the plain form. Every file is exactly what the
// encoder writes for the story it holds, so a story file reads and writes back byte for byte.
TEST(SampleStories, OnlyTheAccentedStoriesUseTheAccentedFileAndAllWriteBackByteForByte) {
    std::set<std::string> accented;
    for (const auto& [code, story] : stagedStories()) {
        SCOPED_TRACE(code);
        const auto bytes = stagedBytes(code);
        const bool plain = bytes.starts_with(std::string(kStoryHeader) + "\r\n");
        const bool accentedForm = bytes.starts_with(std::string(kAccentedStoryHeader) + "\r\n");
        EXPECT_TRUE(plain != accentedForm) << "header: " << bytes.substr(0, 24);
        EXPECT_EQ(accentedForm, needsAccentedStoryFile(story));
        if (accentedForm) accented.insert(code);
        EXPECT_TRUE(bytes == encodeStory(story)) << "the file is not what the encoder writes";
    }
    EXPECT_EQ(accented, (std::set<std::string>{"12BATEAU", "14COCO", "16BELLO"}));
}

TEST(SampleStories, EveryStoryAndWordListHasATitle) {
    for (const auto& staged : stagedStories()) {
        const auto info = storyTitle(staged.code, Program::Zan);
        EXPECT_EQ(info.title.substr(0, 3), staged.code.substr(0, 2) + " ") << staged.code;
        EXPECT_FALSE(info.illustrator.empty()) << staged.code;
    }
    const auto lists = stagedWordLists();
    EXPECT_GE(lists.size(), 4u);
    for (const auto& name : lists)
        EXPECT_FALSE(storyTitle(name, Program::Kiv).title.empty()) << name;
}

TEST(SampleStories, TeachersStartStoryAndListAreStaged) {
    const auto teacher = loadUserSettings(stageDir(), "TEACHER.WQ");
    ASSERT_TRUE(teacher.ok());
    EXPECT_TRUE(std::filesystem::exists(stagePath("WORDLIST\\" + teacher->kivWordlist() + ".TXT")));
    EXPECT_TRUE(std::filesystem::exists(stagePath("DATA\\" + teacher->zanStory() + ".DAT")));
}

}  // namespace
}  // namespace kz::sample
