#pragma once

#include <functional>
#include <string>
#include <vector>

#include "speech.h"

namespace kz::admin {

// What "wqadmin story make" (and, later, the teacher's desk) asks for: a story made from a folder
// holding story.txt and its pictures, written into a data directory.
struct StoryMakeRequest {
    std::string appDir;     // the installation directory: word recordings found there count too
    std::string dataDir;    // where DATA, BMPS and WAVS are written
    std::string code;       // such as 17WALK
    std::string sourceDir;  // the folder with story.txt and the pictures
    SpeechVoice voice;
    bool force = false;  // replace the story that already has this number
};

struct StoryMakeResult {
    std::string problem;               // why nothing was written; empty when the story was made
    std::vector<std::string> written;  // the files written, as the terminal shows paths
    std::vector<std::string> removed;  // story files of the same number replaced (with force)
    std::vector<std::string> kept;     // word recordings that were there already
};

// Makes the story: checks story.txt, the code and the pictures, lays the pages out, converts the
// pictures, speaks every page and every missing word with espeak-ng (trimmed), and only then
// writes the story file, pictures, palette, recordings, its phrase table row (PHRASES.TXT) and
// its catalogue row (TITLES.TXT). A failure at any point leaves the data directory as it was:
// what had been written is taken back.
StoryMakeResult makeStory(const StoryMakeRequest& request);

}  // namespace kz::admin
