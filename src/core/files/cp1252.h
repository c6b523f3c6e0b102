#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kz {

// Files hold Windows-1252 text; the screen, the terminal and JSON want UTF-8. These are the one
// place where the two meet. Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D have no glyph in Windows-1252;
// like Windows, they map to the C1 controls of the same value so that every byte survives.
std::string cp1252ToUtf8(std::string_view cp1252);

// nullopt when the text holds a character Windows-1252 cannot store or is not valid UTF-8.
std::optional<std::string> utf8ToCp1252(std::string_view utf8);

// Whether the text is valid UTF-8 holding a character Windows-1252 cannot store.
bool isUtf8BeyondCp1252(std::string_view text);

// The Unicode code point of one Windows-1252 byte.
char32_t cp1252ToCodePoint(unsigned char byte);

}  // namespace kz
