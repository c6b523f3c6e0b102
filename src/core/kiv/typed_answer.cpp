#include "kiv/typed_answer.h"

#include "files/text.h"

namespace kz {

std::optional<char> filterAnswerKey(int code, bool accents) {
    if (accents && code >= 128 && code <= 255 && isAccentedLetter(static_cast<char>(code)))
        return toLowerCp1252(std::string(1, static_cast<char>(code)))[0];
    if (code < 95) code += 32;
    if (code < 'a' || code > 'z') return std::nullopt;
    return static_cast<char>(code);
}

TypedCheck checkTyped(std::string_view text, std::string_view word) {
    if (text == word) return {TypedVerdict::Right, std::string(text)};
    if (text.size() <= word.size() &&
        toUpperCp1252(word.substr(0, text.size())) == toUpperCp1252(text))
        return {TypedVerdict::Beginning, std::string(word.substr(0, text.size()))};
    return {TypedVerdict::Wrong, std::string(text)};
}

std::string keptBeginning(std::string_view text, std::string_view word) {
    const std::string t = toUpperCp1252(text);
    const std::string w = toUpperCp1252(word);
    size_t n = 0;
    while (n < t.size() && n < w.size() && t[n] == w[n]) ++n;
    return std::string(word.substr(0, n));
}

}  // namespace kz
