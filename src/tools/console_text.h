#pragma once

#include <string>
#include <string_view>

namespace kz::admin {

// A message of the programs (lines joined by CR LF) as the terminal shows it: one "\n" a line.
inline std::string withNewlines(std::string_view message) {
    std::string out;
    for (size_t i = 0; i < message.size(); ++i) {
        if (message[i] == '\r' && i + 1 < message.size() && message[i + 1] == '\n') continue;
        out += message[i];
    }
    return out;
}

}  // namespace kz::admin
