#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/word_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto list =
        kz::parseWordList(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& word : list.words) {
        if (!kz::isListWord(word)) std::abort();
    }
    if (list.outcome == kz::WordListOutcome::Loaded && list.words.size() < kz::kMinListWords)
        std::abort();
    return 0;
}
