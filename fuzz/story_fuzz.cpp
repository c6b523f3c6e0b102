// Any bytes read as a story file must give a story or a fault; a story read must write back as a
// file that reads as the same story.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/story_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto story = kz::decodeStory(bytes, "FUZZ.DAT");
    if (!story.ok()) return 0;
    if (kz::storyProblem(*story)) std::abort();
    const auto again = kz::decodeStory(kz::encodeStory(*story), "FUZZ.DAT");
    if (!again.ok() || !(*again == *story)) std::abort();
    return 0;
}
