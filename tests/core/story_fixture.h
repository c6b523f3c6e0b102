#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "files/data_field.h"
#include "files/field_reader.h"
#include "files/story_file.h"

namespace kz::test {

// Lines as a record holds them: each ended by CR LF.
inline std::string record(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (auto line : lines) (out += line) += "\r\n";
    return out;
}

// The head record of a story with the given counts.
inline std::string headRecord(std::string_view pages, std::string_view pictureSlots,
                              std::string_view textSlots, std::string_view wordCapacity,
                              std::string_view fontSize = "24") {
    return record(
        {"Title", pages, pictureSlots, textSlots, wordCapacity, fontSize, "0", "0", "0", "0"});
}

// A story file: the header as the plain first line (written as given, so it may be quoted), then
// each record scrambled into one quoted field, the key running on.
inline std::string storyFile(const std::vector<std::string>& records,
                             std::string_view header = kStoryHeader) {
    std::string file = std::string(header) + "\r\n";
    DataKey key = 0;
    decodeDataField(FieldReader(header).next().value_or(""), key);
    for (const auto& r : records) file += "\"" + encodeDataField(r, key) + "\"\r\n";
    return file;
}

}  // namespace kz::test
