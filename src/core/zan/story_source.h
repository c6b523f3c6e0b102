#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/story.h"
#include "files/story_rows.h"

namespace kz {

// A teacher's story as written in a story.txt (UTF-8): the first line is the title; further lines
// before the first blank line are the title page's credits ("by ...", "Pictures by ...") and, in
// brackets, an optional picture; after each blank line comes a page: its picture in brackets,
// then its text lines. " / " inside a line ends a phrase there; each text line ends one too.
//
// This is the story-making engine's first half, free of pictures and sound: it reads the text,
// refuses what the reader could not show, and lays the pages out once the pictures' sizes are
// known. wqadmin's "story make" and the teacher's desk both call it.

// The most lines of text a page shows below its picture, and the letters a line holds at the
// story font (24 points in a line of 6300 twips beside the word list): longer text lines are
// wrapped at spaces.
inline constexpr int kMaxPageLines = 5;
inline constexpr int kMaxTitleLines = 3;
inline constexpr size_t kLineLetters = 32;

struct SourcePage {
    std::string picture;             // the picture file's name as story.txt gives it (UTF-8)
    int pictureLine = 0;             // where story.txt names it, for messages
    std::vector<std::string> lines;  // the text as shown: Windows-1252, wrapped, quotes as "@"
    std::vector<std::string> words;  // in reading order
    std::vector<int> phraseEnds;     // the word numbers at which the teacher's phrases end
};

struct StorySource {
    std::string code;               // upper-case
    std::string title;              // Windows-1252, without the number
    std::string credit;             // "by ..." (Windows-1252), empty when story.txt gives none
    std::string illustrator;        // Windows-1252, empty when story.txt gives none
    std::vector<SourcePage> pages;  // pages[0] is the title page, whose picture is optional
};

// Why code cannot name a teacher's story (not two digits numbered 01 to 32 and up to six letters
// or digits); nullopt when it can.
std::optional<std::string> storyCodeProblem(std::string_view code);

struct StorySourceResult {
    std::optional<StorySource> source;
    std::string problem;  // why story.txt was refused, for the teacher; empty when it was not
};
StorySourceResult parseStorySource(std::string_view text, std::string_view code);

// A picture's size in pixels.
struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

// Everything the reader needs of the story besides its pictures and recordings.
struct LaidOutStory {
    Story story;                          // pictures named PICnn after their page number
    std::vector<PixelSize> pictureSizes;  // per page: the size its picture is converted to
                                          // (0 x 0 for a title page without one)
    std::string phraseTable;              // its row in PHRASES.TXT, without the code
    CatalogueRow catalogueRow;            // its row in TITLES.TXT
    std::vector<std::string> pageSpeech;  // per page: what SNTnn.WAV says (UTF-8)
};

// Lays the story out on the 9600 x 6630 design page: each page's picture at the top left, as
// large as the room above its text allows (its shape kept), the text lines below it; the title
// page centred, above the credits. sourceSizes: the pictures' sizes, one per page (0 x 0 where a
// title page has none).
LaidOutStory layOutStory(const StorySource& source, const std::vector<PixelSize>& sourceSizes);

// The words a child clicks (those of every page after the title page), each once, in reading
// order (letter case counts, as the recording's name does not: callers compare stems).
std::vector<std::string> clickedWords(const StorySource& source);

// What espeak-ng is given to say a word: its letters without the punctuation around it (UTF-8).
std::string spokenWord(std::string_view word);

}  // namespace kz
