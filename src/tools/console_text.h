#pragma once

#include <cstdio>
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

// UTF-8 text for the terminal with its control characters shown as \xHH (ESC, BEL, NUL and the
// C1 controls that Windows-1252's unused bytes become): a name in a file must not move the
// cursor, ring the bell or recolour the teacher's terminal. Line breaks and tabs stay.
inline std::string escapedControls(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    auto hex = [&out](unsigned value) {
        char code[8];
        std::snprintf(code, sizeof code, "\\x%02X", value);
        out += code;
    };
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7F) {
            hex(c);
        } else if (c == 0xC2 && i + 1 < utf8.size() &&
                   static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
            hex(static_cast<unsigned char>(utf8[++i]));
        } else {
            out += utf8[i];
        }
    }
    return out;
}

// The text with every byte that is not part of a well-formed UTF-8 sequence replaced by U+FFFD:
// a folder's name is the system's bytes, which a page declaring UTF-8 must not carry as they are.
inline std::string withValidUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        size_t length = lead < 0x80                    ? 1
                        : lead >= 0xC2 && lead <= 0xDF ? 2
                        : lead >= 0xE0 && lead <= 0xEF ? 3
                        : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                       : 0;
        bool ok = length > 0 && i + length <= bytes.size();
        for (size_t k = 1; ok && k < length; ++k) {
            ok = (static_cast<unsigned char>(bytes[i + k]) & 0xC0) == 0x80;
        }
        if (ok && length >= 3) {  // no overlong forms, surrogates or code points past U+10FFFF
            const auto second = static_cast<unsigned char>(bytes[i + 1]);
            ok = !(lead == 0xE0 && second < 0xA0) && !(lead == 0xED && second > 0x9F) &&
                 !(lead == 0xF0 && second < 0x90) && !(lead == 0xF4 && second > 0x8F);
        }
        if (ok) {
            out.append(bytes.substr(i, length));
            i += length;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

}  // namespace kz::admin
