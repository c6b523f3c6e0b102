// Any bytes read as a sound file give no clip or a clip in the mix format: never empty, every
// sample finite and within [-1, 1], no longer than the longest sound kept.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "fuzz_input.h"
#include "wave_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto clip = kz::decodeWaveBytes(kz::fuzz::bytesOf(data, size));
    if (!clip) return 0;
    if (clip->samples.empty() || clip->samples.size() % kz::kMixChannels != 0) std::abort();
    // One frame more than the longest sound for the rounding of the rate conversion.
    if (clip->frames() > std::size_t{kz::kMaxClipSeconds} * kz::kMixRate + 1) std::abort();
    for (const float v : clip->samples) {
        if (!std::isfinite(v) || v < -1.0f || v > 1.0f) std::abort();
    }
    return 0;
}
