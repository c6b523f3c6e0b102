#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "files/data_field.h"
#include "files/file_error.h"
#include "files/story.h"

namespace kz {

// The plain first line of every story file; its character codes seed the key.
inline constexpr std::string_view kStoryHeader = "VELMOOR DATA FILE.";

// The first line of a story file whose texts may hold the characters 221-255 of Windows-1252 (the
// small accented letters: é, ñ, ü ...), which the scrambling cannot store. Such a file is written
// only for a story that holds one of them; readers that know only kStoryHeader refuse it as a bad
// file instead of showing wrong letters. Its records are scrambled the same way, after each
// character 221-255 has been written as two: kHighEscape and the character 'A' + (code - 221);
// kHighEscape itself is written twice. The reader undoes this after unscrambling a record.
inline constexpr std::string_view kAccentedStoryHeader = "VELMOOR DATA FILE 1252.";
inline constexpr char kHighEscape = '\x01';

// A record's text with every character 221-255 and kHighEscape written as two characters 0-220,
// and the inverse. unescapeHigh keeps a kHighEscape that is not followed by 'A' to 'c' or by
// itself as it stands, so it never fails.
std::string escapeHigh(std::string_view text);
std::string unescapeHigh(std::string_view text);

// "DATA\<code>.DAT" joined to the data directory.
std::string storyFilePath(std::string_view dataDir, std::string_view storyCode);

// Reads a story from the bytes of its file (ReadStoryFile without the window work). The texts
// come as stored, "@" not yet converted. Faults, each with path as detail:
// - "file": the header field or the head record field is missing;
// - "badfile": the header, trimmed of spaces, is neither kStoryHeader nor kAccentedStoryHeader;
// - "badframe": a frame record is missing or its marker is wrong, or the head record or a frame
//   holds a number out of 16-bit range or a count that cannot be (no page, slots outside 0-10, a
//   negative word capacity, more items than the slots, more reals than the word capacity).
Result<Story> decodeStory(std::string_view bytes, std::string_view path);

// decodeStory of the file at path (a path as the programs form it); "file" if it cannot be read.
Result<Story> readStoryFile(std::string_view path);

// Why the story cannot be written as a file that reads back the same; nullopt when it can.
std::optional<std::string> storyProblem(const Story& story);

// Whether the story holds a character 221-255, so that only kAccentedStoryHeader's file can hold
// it.
bool needsAccentedStoryFile(const Story& story);

// The bytes of a story file that decodeStory reads back as this story: headed kStoryHeader, or
// kAccentedStoryHeader when needsAccentedStoryFile. The story must have no storyProblem
// (std::invalid_argument otherwise). choose, when given, picks among the equivalent codes of CR,
// LF, space and "!" (see encodeDataField).
std::string encodeStory(const Story& story, const CodeChooser& choose = {});

}  // namespace kz
