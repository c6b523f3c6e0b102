#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kz {

// Reads comma-delimited fields the way word lists and story files are written. Blanks (spaces,
// tabs) and line ends before a field are skipped. A field that starts with a double quote runs
// to the next double quote, which may be lines further on: commas and line ends inside belong to
// the value, and whatever follows the closing quote up to the next comma or line end is dropped.
// Any other field runs to the next comma or line end (CR, LF or CR LF) and loses its trailing
// blanks. A quote that is never closed runs to the end of the text.
class FieldReader {
public:
    explicit FieldReader(std::string_view bytes) : m_bytes(bytes) {}

    // The next field; nullopt once only blanks and line ends are left.
    std::optional<std::string> next();

private:
    void skipDelimiter();

    std::string_view m_bytes;
    size_t m_pos = 0;
};

}  // namespace kz
