#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "files/story.h"

namespace kz::sample {

// The installation the build stages (<build>/stage), as the tests walk it.
struct StagedStory {
    std::string code;  // as the file is named: "25SAMPLE"
    Story story;       // texts as stored, "@" not yet converted
};

// The stage directory itself.
const std::string& stageDir();

// A path as the programs write them (backslashes, any case) under the stage, resolved to the disk.
std::string stagePath(std::string_view relative);

// Every story file in DATA, decoded, in name order; a story that fails to decode fails the test
// that asks for it.
const std::vector<StagedStory>& stagedStories();

// The names (without ".TXT") of the word lists in WORDLIST, in name order.
std::vector<std::string> stagedWordLists();

// The story's number: the two digits its code starts with.
int storyNumber(std::string_view code);

// The words of a page in reading order, split at spaces as the reader splits them.
std::vector<std::string> pageWords(const StoryPage& page);

}  // namespace kz::sample
