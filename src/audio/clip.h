#pragma once

#include <cstddef>
#include <vector>

namespace kz {

// The one format every sound is mixed in: 32-bit float, stereo, 48 kHz. Clips are converted to
// it when they are opened, so playing costs nothing, and a device reopened later can never change
// the format under a clip already decoded (SDL converts for hardware that wants another format).
inline constexpr int kMixRate = 48000;
inline constexpr int kMixChannels = 2;

// A decoded sound in the mix format: interleaved samples in [-1, 1], never empty.
struct Clip {
    std::vector<float> samples;

    std::size_t frames() const { return samples.size() / kMixChannels; }
};

}  // namespace kz
