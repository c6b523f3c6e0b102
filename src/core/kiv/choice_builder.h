#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kz {

class Random;

// The choices offered for a word: the word itself and look-alike wrong words of the list, in
// shuffled order, and the widest of their measured widths.
struct Choices {
    std::vector<std::string> texts;
    int widestTwips = 0;
};

// Builds up to `count` choices (2 to 4) for `word` from `words` (the list, in file order).
// Wrong choices are drawn at random among words of about the word's width, a window that widens
// with every draw; a wrong choice never equals the word or another choice, letter case ignored,
// so a list with too few different words gets fewer choices. For a word starting with a capital
// (between "A" and "ZZZ" in character order) every wrong choice starts with a capital too.
// width(text) measures in the window's font, in twips.
Choices buildChoices(std::string_view word, const std::vector<std::string>& words, int count,
                     Random& random, const std::function<int(std::string_view)>& width);

}  // namespace kz
