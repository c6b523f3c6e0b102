#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/word_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto list =
        kz::parseWordList(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& word : list.words) {
        if (!kz::isListWord(word, list.accented)) std::abort();
    }
    // A list loaded writes as a file that loads as the same words, with the plain marker unless
    // a word needs the accented one; and that file writes again as the same bytes.
    if (list.outcome == kz::WordListOutcome::Loaded) {
        const std::string file = kz::formatWordList(list.words);
        const auto again = kz::parseWordList(file);
        if (again.words != list.words || kz::formatWordList(again.words) != file) std::abort();
        bool accents = false;
        for (const auto& word : list.words) accents = accents || kz::hasAccentedLetter(word);
        if (again.accented != accents) std::abort();
    }
    if (list.outcome == kz::WordListOutcome::Loaded && list.words.size() < kz::kMinListWords)
        std::abort();
    return 0;
}
