#include "files/wave_trim.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace kz {
namespace {

void putU32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out += char((v >> (8 * i)) & 0xFF);
}
void putU16(std::string& out, uint16_t v) {
    out += char(v & 0xFF);
    out += char(v >> 8);
}

struct WaveShape {
    uint16_t format = 1, channels = 1, bits = 16;
    uint32_t rate = 22050;
    bool listChunkFirst = false;          // a chunk the reader must step over
    uint32_t dataSizeField = 0xFFFFFFFF;  // as written; all ones: the true size
};

std::string wave(const std::vector<int16_t>& samples, const WaveShape& shape = {}) {
    std::string data;
    for (int16_t s : samples) putU16(data, uint16_t(s));
    std::string out = "RIFF";
    putU32(out, 0x7FFFFFFF);  // as a program writing to a pipe leaves it
    out += "WAVE";
    if (shape.listChunkFirst) {
        out += "LIST";
        putU32(out, 3);
        out += std::string("abc") + '\0';  // odd size, padded to even
    }
    out += "fmt ";
    putU32(out, 16);
    putU16(out, shape.format);
    putU16(out, shape.channels);
    putU32(out, shape.rate);
    putU32(out, shape.rate * shape.channels * shape.bits / 8);
    putU16(out, uint16_t(shape.channels * shape.bits / 8));
    putU16(out, shape.bits);
    out += "data";
    putU32(out, shape.dataSizeField == 0xFFFFFFFF ? uint32_t(data.size()) : shape.dataSizeField);
    return out + data;
}

std::vector<int16_t> samplesOf(const std::string& trimmed) {
    std::vector<int16_t> out;
    for (size_t i = 44; i + 1 < trimmed.size(); i += 2)
        out.push_back(int16_t(uint8_t(trimmed[i]) | uint8_t(trimmed[i + 1]) << 8));
    return out;
}

constexpr size_t kWordStart = 1000, kWordEnd = 1500;

// Near-silence (zeros and a faint hiss under the threshold) before and after the word, which
// fills frames kWordStart to kWordEnd.
std::vector<int16_t> speechInSilence() {
    std::vector<int16_t> s(kWordEnd + 4000, 0);
    for (size_t i = 0; i < s.size(); i += 7) s[i] = int16_t(i % 2 ? kSilenceThreshold : -200);
    for (size_t i = kWordStart; i < kWordEnd; ++i) s[i] = int16_t(i % 2 ? 8000 : -8000);
    return s;
}

TEST(WaveTrim, CutsTheSilenceAroundTheWordKeepingLeadInAndTail) {
    const auto samples = speechInSilence();
    for (const bool listChunk : {false, true}) {
        for (const uint32_t rate : {22050u, 11025u}) {
            const auto trimmed = trimSilence(wave(samples, {1, 1, 16, rate, listChunk}));
            ASSERT_TRUE(trimmed);
            const size_t leadIn = rate * kLeadInMilliseconds / 1000;
            const size_t tail = rate * kTailMilliseconds / 1000;
            const std::vector<int16_t> expected(samples.begin() + long(kWordStart - leadIn),
                                                samples.begin() + long(kWordEnd + tail));
            EXPECT_EQ(samplesOf(*trimmed), expected) << rate;
            // A plain header that keeps the rate and says how much data follows.
            EXPECT_EQ(trimmed->substr(0, 4), "RIFF");
            EXPECT_EQ(trimmed->substr(36, 4), "data");
            EXPECT_EQ(*trimmed,
                      wave(expected, {1, 1, 16, rate}).replace(4, 4, trimmed->substr(4, 4)));
            EXPECT_EQ(uint8_t((*trimmed)[4]) | uint8_t((*trimmed)[5]) << 8,
                      int(36 + 2 * expected.size()));
        }
    }
}

TEST(WaveTrim, SoundAtTheStartOrSilenceOnlyKeepsEverySample) {
    const std::vector<int16_t> loudAtOnce = {9000, -9000, 0, 0, 5};
    const std::vector<int16_t> silent(300, 3);
    for (const auto& samples : {loudAtOnce, silent}) {
        const auto trimmed = trimSilence(wave(samples));
        ASSERT_TRUE(trimmed);
        EXPECT_EQ(samplesOf(*trimmed), samples);
    }
}

TEST(WaveTrim, ReadsAnOverstatedDataChunkAsFarAsItGoes) {
    const auto samples = speechInSilence();
    WaveShape shape;
    shape.dataSizeField = 0x7FFFFFFF;
    const auto trimmed = trimSilence(wave(samples, shape));
    ASSERT_TRUE(trimmed);
    EXPECT_EQ(samplesOf(*trimmed).size(), 220 + (kWordEnd - kWordStart) + 2646);
}

TEST(WaveTrim, RefusesWhatIsNotSixteenBitMonoPcm) {
    const std::vector<int16_t> samples(100, 1000);
    const std::string cases[] = {
        wave(samples, {1, 2, 16}),  // stereo
        wave(samples, {1, 1, 8}),   // 8-bit
        wave(samples, {3, 1, 16}),  // floating point
        wave(samples, {1, 1, 16, 0}), "RIFF\x04\0\0\0WAVE",
        wave(samples).substr(0, 30),  // cut inside the format chunk
        "not a wave file at all",     "",
    };
    for (const auto& bytes : cases) EXPECT_FALSE(trimSilence(bytes)) << bytes.size();
}

}  // namespace
}  // namespace kz
