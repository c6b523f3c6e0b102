#include "recording.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <numbers>
#include <stdexcept>

namespace kz::test {

namespace {

constexpr float kSilence = 0.02f;

float sampleAt(const char* bytes, const AudioDeviceFormat& format) {
    if (format.isFloat && format.bitsPerSample == 32) {
        float v;
        std::memcpy(&v, bytes, sizeof v);
        return v;
    }
    if (!format.isFloat && format.bitsPerSample == 16) {
        std::int16_t v;
        std::memcpy(&v, bytes, sizeof v);
        return static_cast<float>(v) / 32768.0f;
    }
    throw std::runtime_error("output format not handled by the test");
}

}  // namespace

Recording readRecording(const std::string& path, const AudioDeviceFormat& format) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t sampleBytes = static_cast<std::size_t>(format.bitsPerSample) / 8;
    const std::size_t channels = static_cast<std::size_t>(format.channels);
    Recording recording;
    recording.rate = format.rate;
    recording.channels.resize(channels);
    const std::size_t frames = bytes.size() / (sampleBytes * channels);
    for (std::size_t f = 0; f < frames; ++f) {
        for (std::size_t c = 0; c < channels; ++c) {
            const char* at = bytes.data() + (f * channels + c) * sampleBytes;
            recording.channels[c].push_back(sampleAt(at, format));
        }
    }
    return recording;
}

std::vector<Span> soundSpans(const Recording& recording, double minGapSeconds) {
    const auto minGap = static_cast<std::size_t>(minGapSeconds * recording.rate);
    std::vector<Span> spans;
    for (std::size_t f = 0; f < recording.frames(); ++f) {
        bool loud = false;
        for (const auto& channel : recording.channels)
            loud = loud || std::fabs(channel[f]) > kSilence;
        if (!loud) continue;
        if (spans.empty() || f - spans.back().end >= minGap) spans.push_back({f, f});
        spans.back().end = f + 1;
    }
    return spans;
}

double toneAmplitude(const Recording& recording, int channel, Span span, double hz) {
    const auto& x = recording.channels.at(static_cast<std::size_t>(channel));
    double re = 0;
    double im = 0;
    for (std::size_t f = span.begin; f < span.end; ++f) {
        const double phase = 2 * std::numbers::pi * hz * static_cast<double>(f) / recording.rate;
        re += x[f] * std::cos(phase);
        im += x[f] * std::sin(phase);
    }
    return 2 * std::hypot(re, im) / static_cast<double>(span.end - span.begin);
}

double rms(const Recording& recording, int channel, Span span) {
    const auto& x = recording.channels.at(static_cast<std::size_t>(channel));
    double sum = 0;
    for (std::size_t f = span.begin; f < span.end; ++f) sum += double{x[f]} * x[f];
    return std::sqrt(sum / static_cast<double>(span.end - span.begin));
}

}  // namespace kz::test
