#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kz {

// A key typed into the answer box (its Windows-1252 code): the small letter it becomes, or nothing
// when it is cancelled. Capitals become small letters; Backspace, digits, spaces and every other
// key are cancelled, so the child cannot erase: wrong letters are taken away by the correction
// instead. With accents (a list that may hold them), the accented letters pass too, small.
std::optional<char> filterAnswerKey(int code, bool accents = false);

// How the answer box's text stands against the word asked.
enum class TypedVerdict {
    Right,      // the text is the word exactly
    Beginning,  // a correct beginning; `text` is it in the word's own letter case
    Wrong,      // a wrong letter somewhere
};
struct TypedCheck {
    TypedVerdict verdict;
    std::string text;
};
TypedCheck checkTyped(std::string_view text, std::string_view word);

// The correction after a wrong letter: the longest correct beginning of the text, letter case
// ignored, written in the word's own letter case. Letter case is that of Windows-1252, so \xC9 and
// \xE9 are one letter in two cases, while \xE9 and e are two letters.
std::string keptBeginning(std::string_view text, std::string_view word);

}  // namespace kz
