// Any JSON given to wqadmin's story encoder is a story or a named fault; a story read writes back
// as JSON that reads as the same story.
#include <cstdlib>
#include <nlohmann/json.hpp>

#include "command_failed.h"
#include "fuzz_input.h"
#include "story_json.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto json = nlohmann::json::parse(kz::fuzz::bytesOf(data, size), nullptr, false);
    if (json.is_discarded()) return 0;
    kz::Story story;
    try {
        story = kz::admin::storyFromJson(json);
    } catch (const kz::admin::CommandFailed&) {
        return 0;
    }
    const auto again = kz::admin::storyFromJson(nlohmann::json(kz::admin::storyToJson(story)));
    if (!(again == story)) std::abort();
    return 0;
}
