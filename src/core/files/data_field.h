#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kz {

// The running key of a story file's scrambling. It only grows (by at most 220 a character), so it
// is held in 64 bits: 32 bits would overflow on a file of some ten million characters.
using DataKey = int64_t;

// Unscrambles one field of a story file and carries the key on. With key 0 the field is the plain
// header: it comes back unchanged and the key becomes the sum of its character codes. Otherwise
// each code 0-33 stands for CR, LF, space or "!" (chosen by the code and the key, key unchanged),
// the double quote stays itself, and each code 35-255 gives a character 0-220 that is added to
// the key.
std::string decodeDataField(std::string_view field, DataKey& key);

// Picks one of `choices` equivalent codes for a character: returns an index below choices.
using CodeChooser = std::function<size_t(size_t choices)>;

// The inverse of decodeDataField for a key above 0 (one that follows a header); every character
// must be 0-220. CR, LF, space and "!" are stored as a code 0-33 of their class, by default one
// of 14-33 other than 26 (Ctrl-Z ends text files for some readers). Given a chooser, any code that
// decodes to the same character may be used: a code 0-33 of the class or the scrambled code
// itself. Never written: the double quote (it would end the field) and raw CR or LF, so a field
// stays on one physical line.
std::string encodeDataField(std::string_view text, DataKey& key, const CodeChooser& choose = {});

// The lines of a decoded field, taken one by one from the front (NextDataLine). A line ends at
// CR LF; the last line needs none; past the end every line is empty.
class DataLines {
public:
    explicit DataLines(std::string text) : m_text(std::move(text)) {}

    std::string next();
    bool atEnd() const { return m_pos >= m_text.size(); }

private:
    std::string m_text;
    size_t m_pos = 0;
};

}  // namespace kz
