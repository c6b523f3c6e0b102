#pragma once

#include <nlohmann/json_fwd.hpp>

#include "files/story.h"

namespace kz::admin {

// A story as JSON, texts and names in UTF-8:
// {"pageCount","pictureSlots","textSlots","wordCapacity","fontSize","pages":[{"texts":[{"lineLeft",
// "lineTop","lineWidth","lineHeight","textLeft","text"}],"pictures":[{"left","top","width",
// "height","name"}],"reals":[numbers],"nextPicture"}]}
nlohmann::ordered_json storyToJson(const Story& story);

// The inverse. Every key is required and no other is allowed; numbers other than the reals must
// be whole and fit 16 bits; texts must be UTF-8 that Windows-1252 can hold. Throws CommandFailed
// naming the first fault. Whether the story can be written is storyProblem's business.
Story storyFromJson(const nlohmann::json& json);

}  // namespace kz::admin
