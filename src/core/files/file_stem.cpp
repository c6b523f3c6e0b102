#include "files/file_stem.h"

#include "files/text.h"

namespace kz {
namespace {

std::string safeForFileName(std::string stem) {
    for (size_t i = 0; i < stem.size(); ++i) {
        char& c = stem[i];
        if (c == '/' || c == '\\' || c == ':' || c == '\0' || (i == 0 && c == '.')) c = '_';
    }
    return stem;
}

}  // namespace

std::string fileStem(std::string_view text, int16_t voiceA) {
    if (text.empty()) return {};
    std::string stem;
    int sum = 0;
    for (char c : toUpperAscii(text)) {
        if (c >= 'A' && c <= 'Z') {
            stem += c;
            sum += c;
        }
    }
    if (stem.empty()) return safeForFileName(std::string(trimSpaces(text).substr(0, 8)));
    if (stem == "A") return voiceA == -1 ? "AY" : "UH";
    if (stem.size() > 8) {
        const std::string digits = std::to_string(sum);
        stem = stem.substr(0, 6) + digits.substr(digits.size() - 2);
    }
    return stem;
}

}  // namespace kz

namespace kz {

std::string wordSoundStem(std::string_view word, int16_t voiceA) {
    if (!hasAccentedLetter(word)) return fileStem(word, voiceA);
    std::string stem;
    int sum = 0;
    for (char c : toUpperCp1252(word)) {
        if ((c >= 'A' && c <= 'Z') || isAccentedLetter(c)) {
            stem += c;
            sum += static_cast<unsigned char>(c);
        }
    }
    if (stem.size() > 8) {
        const std::string digits = std::to_string(sum);
        stem = stem.substr(0, 6) + digits.substr(digits.size() - 2);
    }
    return stem;
}

}  // namespace kz
