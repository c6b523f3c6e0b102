#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kz::fuzz {

// The fuzzer's bytes as a string.
inline std::string_view bytesOf(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The bytes cut into `count` parts at the first count - 1 NUL bytes; missing parts are empty.
// Lets one input carry a file and the arguments an operation takes with it.
inline std::vector<std::string_view> splitParts(std::string_view bytes, size_t count) {
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < count) {
        const size_t nul = bytes.find('\0');
        if (nul == std::string_view::npos) break;
        parts.push_back(bytes.substr(0, nul));
        bytes.remove_prefix(nul + 1);
    }
    parts.push_back(bytes);
    parts.resize(count);
    return parts;
}

}  // namespace kz::fuzz
