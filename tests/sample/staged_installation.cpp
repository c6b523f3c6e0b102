#include "staged_installation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "files/paths.h"
#include "files/story_file.h"

namespace kz::sample {
namespace {

std::vector<std::string> namesIn(std::string_view folder, std::string_view extension) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(stagePath(folder))) {
        if (entry.path().extension() == extension) names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<StagedStory> readStories() {
    std::vector<StagedStory> stories;
    for (const auto& code : namesIn("DATA", ".DAT")) {
        auto story = readStoryFile(stagePath("DATA\\" + code + ".DAT"));
        EXPECT_TRUE(story.ok()) << code << " does not decode";
        if (story.ok()) stories.push_back({code, *story});
    }
    return stories;
}

}  // namespace

const std::string& stageDir() {
    static const std::string dir = KZ_STAGE_DIR;
    return dir;
}

std::string stagePath(std::string_view relative) {
    return resolvePath(joinPath(stageDir(), relative));
}

const std::vector<StagedStory>& stagedStories() {
    static const std::vector<StagedStory> stories = readStories();
    return stories;
}

std::vector<std::string> stagedWordLists() { return namesIn("WORDLIST", ".TXT"); }

int storyNumber(std::string_view code) { return std::stoi(std::string(code.substr(0, 2))); }

std::vector<std::string> pageWords(const StoryPage& page) {
    std::vector<std::string> words;
    for (const auto& item : page.texts) {
        if (item.lineLeft < 1) continue;
        std::istringstream in(item.text);
        for (std::string word; in >> word;) words.push_back(word);
    }
    return words;
}

}  // namespace kz::sample
