#pragma once

#include <optional>
#include <string>
#include <vector>

#include "files/story.h"
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
    // How the teacher asks for force, in the message that refuses a taken number.
    std::string howToReplace = "give --force";
};

struct StoryMakeResult {
    std::string problem;               // why nothing was written; empty when the story was made
    std::vector<std::string> written;  // the files written, as the terminal shows paths
    std::vector<std::string> removed;  // story files of the same number replaced (with force)
    std::vector<std::string> kept;     // word recordings that were there already
};

// A story made in memory and not yet written: what the reader will read, every file's bytes, and
// the rows for the shared tables. The teacher may look at it page by page before it is kept.
struct PreparedStory {
    StoryMakeRequest request;
    std::string code;  // upper-case
    Story story;       // as the reader reads it (quotes still as "@")
    std::string phraseRow, catalogueLine;
    struct File {
        std::string name;  // relative to the data directory, such as BMPS\17WALK\PIC02.BMP
        std::string bytes;
        bool wordSound = false;  // kept as it is if one appears before the story is written
    };
    std::vector<File> files;           // pictures, palette, page and word recordings
    std::vector<std::string> kept;     // word recordings that were there already
    std::vector<std::string> bitmaps;  // per page: its picture's bitmap (empty when none)
};

struct StoryPreparation {
    std::optional<PreparedStory> story;
    std::string problem;  // why the story cannot be made; empty when it was prepared
};

// Everything makeStory does short of writing: reads and checks story.txt, the code and the
// pictures, lays the pages out, converts the pictures and speaks every page and missing word.
// Nothing is written anywhere.
StoryPreparation prepareStory(const StoryMakeRequest& request);

// Writes a prepared story into its data directory. The story number is checked again against the
// DATA folder as it is now, and a word recording that appeared meanwhile is kept as it is. A
// failure at any point leaves the data directory as it was.
StoryMakeResult writeStory(const PreparedStory& prepared);

// Makes the story: checks story.txt, the code and the pictures, lays the pages out, converts the
// pictures, speaks every page and every missing word with espeak-ng (trimmed), and only then
// writes the story file, pictures, palette, recordings, its phrase table row (PHRASES.TXT) and
// its catalogue row (TITLES.TXT). A failure at any point leaves the data directory as it was:
// what had been written is taken back.
StoryMakeResult makeStory(const StoryMakeRequest& request);

}  // namespace kz::admin
