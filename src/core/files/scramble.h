#pragma once

#include <string>
#include <string_view>

namespace kz {

// The stored form of the teacher password. Both directions pad or cut the text to the field
// width with spaces; codes below 32 pass through unchanged, and each character's shift depends on
// every stored code before it.
std::string scrambleText(std::string_view plain, size_t width = 8);

// The plain text of a stored field, trimmed of spaces.
std::string unscrambleText(std::string_view stored, size_t width = 8);

}  // namespace kz
