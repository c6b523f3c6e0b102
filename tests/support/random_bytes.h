#pragma once

#include <random>
#include <string>

namespace kz::test {

// n bytes of every value, the same for the same seed: a record file full of what a program
// must carry unchanged.
inline std::string randomBytes(size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    std::string s(n, '\0');
    for (char& c : s) c = static_cast<char>(rng() & 0xFF);
    return s;
}

}  // namespace kz::test
