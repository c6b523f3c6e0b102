// A stem for any text is at most 8 characters and always a plain file name in its folder.
#include <cstdlib>

#include "files/file_stem.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int16_t voiceA = data[0] & 1 ? -1 : 0;
    const std::string stem = kz::fileStem(kz::fuzz::bytesOf(data + 1, size - 1), voiceA);
    if (stem.size() > 8) std::abort();
    if (stem.find_first_of(std::string_view("/\\:\0", 4)) != std::string::npos) std::abort();
    if (!stem.empty() && stem.front() == '.') std::abort();
    return 0;
}
