// Writes a sound file as the programs play it: decoded and converted to the mix format (32-bit
// float, stereo, 48 kHz), samples in the machine's order, on standard output. The end-to-end
// tests look for these samples in what SDL's disk driver took from a program.
#include <cstdio>

#include "wave_decoder.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.WAV\n", argv[0]);
        return 2;
    }
    const auto clip = kz::decodeWave(argv[1]);
    if (!clip) {
        std::fprintf(stderr, "%s: not a sound the programs can play\n", argv[1]);
        return 1;
    }
    const size_t n = clip->samples.size();
    return std::fwrite(clip->samples.data(), sizeof(float), n, stdout) == n ? 0 : 1;
}
