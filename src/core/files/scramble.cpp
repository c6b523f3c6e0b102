#include "files/scramble.h"

#include "files/text.h"

namespace kz {

std::string scrambleText(std::string_view plain, size_t width) {
    std::string field = padField(plain, width);
    long k = 17;
    for (size_t i = 1; i <= width; ++i) {
        const long m = k + 7 * static_cast<long>(i);
        const int p = static_cast<unsigned char>(field[i - 1]);
        const int s = p < 32 ? p : static_cast<int>((p + m) % 96) + 32;
        field[i - 1] = static_cast<char>(s);
        k = m + s;
    }
    return field;
}

std::string unscrambleText(std::string_view stored, size_t width) {
    std::string field = padField(stored, width);
    long k = 17;
    for (size_t i = 1; i <= width; ++i) {
        const long m = k + 7 * static_cast<long>(i);
        const int s = static_cast<unsigned char>(field[i - 1]);
        if (s >= 32) {
            long p = (s - 32 - m) % 96;
            while (p <= 32) p += 96;
            while (p > 127) p -= 96;
            field[i - 1] = static_cast<char>(p);
        }
        k = m + s;
    }
    return std::string(trimSpaces(field));
}

}  // namespace kz
