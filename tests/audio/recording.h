#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "audio_output.h"

namespace kz::test {

// What SDL's disk driver wrote: the device's output, one vector of samples per channel.
struct Recording {
    int rate = 0;
    std::vector<std::vector<float>> channels;

    std::size_t frames() const { return channels.empty() ? 0 : channels[0].size(); }
};

// Reads the raw output file in the format the device was opened with (float or 16-bit).
Recording readRecording(const std::string& path, const AudioDeviceFormat& format);

// A stretch of sound: frames [begin, end) of the recording.
struct Span {
    std::size_t begin = 0;
    std::size_t end = 0;

    double seconds(int rate) const { return static_cast<double>(end - begin) / rate; }
};

// The stretches where any channel leaves silence, split where it is silent for minGapSeconds.
std::vector<Span> soundSpans(const Recording& recording, double minGapSeconds = 0.005);

// The amplitude of the frequency hz in one channel over a span.
double toneAmplitude(const Recording& recording, int channel, Span span, double hz);

// The root mean square of one channel over a span.
double rms(const Recording& recording, int channel, Span span);

}  // namespace kz::test
