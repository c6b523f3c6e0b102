#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/story_catalogue.h"

namespace kz {

// The data files of a story, as names relative to the data (or installation) directory.
std::string paletteFileName(std::string_view code);                         // BMPS\c\c.DIB
std::string pictureFileName(std::string_view code, std::string_view name);  // BMPS\c\n.BMP
std::string pageRecordingName(std::string_view code, int page);             // WAVS\c\SNTnn.WAV
std::string wordSoundName(std::string_view stem);                           // WAVS\WDS\s.WAV
inline constexpr std::string_view kClickSoundName = "WAVS\\CLICK.WAV";

// Whether a relative name stays inside the directory it is joined to: not absolute, no drive, and
// no ".." that climbs above its start. Names read from story files must, or they are not used.
bool staysInside(std::string_view relativeName);

// Whether a stored story code can name a file of the DATA folder: not empty, without "/", "\",
// ":" or "..". Any other code names no story.
bool isPlainStoryCode(std::string_view code);

// The story code of a chosen file name: the name up to its first "." (the whole name without).
std::string storyCodeOfFile(std::string_view fileName);

// The start-up fallback among the DATA folder's files in name order: the code of the first whose
// leading number is 17 to 32 (its final ".DAT", any case, removed) and that usable accepts;
// nullopt when none is.
std::optional<std::string> fallbackStoryCode(
    const std::vector<std::string>& fileNames,
    const std::function<bool(const std::string& code)>& usable);

// The credits label of page 1: "Story <credit>", a line break, "Pictures by <illustrator>". A
// story without a credit line (a teacher's own) shows only "Pictures by <illustrator>", or
// nothing when it names no illustrator either.
std::string creditsText(const StoryInfo& info);

}  // namespace kz
