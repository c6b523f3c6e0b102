// Recording a word: what SDL's capture hands over (here its disk driver reading a file that
// stands for the microphone) comes back as a wave file, which trimming cuts to the word.
#include "audio_capture.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "files/wave_trim.h"

namespace kz {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

uint32_t u32At(const std::string& b, size_t at) {
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 |
           uint32_t(uint8_t(b[at + 2])) << 16 | uint32_t(uint8_t(b[at + 3])) << 24;
}

// Raw little-endian 16-bit mono samples: silence, a tone, silence.
std::string spokenInput(int leadFrames, int toneFrames, int tailFrames) {
    std::string raw;
    auto put = [&](int16_t v) {
        raw += char(v & 0xFF);
        raw += char((v >> 8) & 0xFF);
    };
    for (int i = 0; i < leadFrames; ++i) put(0);
    for (int i = 0; i < toneFrames; ++i)
        put(int16_t(12000 * std::sin(2 * M_PI * 440.0 * i / AudioCapture::kCaptureRate)));
    for (int i = 0; i < tailFrames; ++i) put(0);
    return raw;
}

class AudioCaptureTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("kz-capture-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", (m_dir / "out.raw").c_str(), 1);
        ::unsetenv("SDL_DISKAUDIODELAY");
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }

    void feed(const std::string& raw) {
        const auto in = m_dir / "in.raw";
        std::ofstream(in, std::ios::binary) << raw;
        ::setenv("SDL_DISKAUDIOFILEIN", in.c_str(), 1);
    }

    // Records until at least `frames` have come in (the driver reads at the input's pace).
    static std::string recordAtLeast(AudioCapture& capture, size_t frames) {
        const auto deadline = std::chrono::steady_clock::now() + 60s;
        while (capture.recordedFrames() < frames && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(10ms);
        EXPECT_GE(capture.recordedFrames(), frames);
        return capture.stop();
    }

    fs::path m_dir;
};

TEST_F(AudioCaptureTest, AWordSpokenIntoTheInputComesBackTrimmedToTheWord) {
    const int rate = AudioCapture::kCaptureRate;
    const int lead = rate / 2, tone = rate * 4 / 10, tail = rate / 2;
    feed(spokenInput(lead, tone, tail));
    AudioCapture capture;
    ASSERT_TRUE(capture.start()) << capture.error();
    EXPECT_TRUE(capture.isRecording());
    // Past the input's end the driver gives silence, which trimming takes away again.
    const std::string wave = recordAtLeast(capture, size_t(lead + tone + tail + rate / 4));
    EXPECT_FALSE(capture.isRecording());

    ASSERT_GE(wave.size(), 44u);
    EXPECT_EQ(wave.substr(0, 4), "RIFF");
    EXPECT_EQ(u32At(wave, 24), uint32_t(rate));
    EXPECT_EQ(u32At(wave, 40), wave.size() - 44);
    ASSERT_TRUE(waveHasSound(wave));

    const auto trimmed = trimSilence(wave);
    ASSERT_TRUE(trimmed);
    EXPECT_EQ(u32At(*trimmed, 24), uint32_t(rate));
    EXPECT_EQ(trimmed->substr(20, 4), std::string("\x01\x00\x01\x00", 4));  // PCM, mono
    // The tone, the 10 ms lead-in and the 120 ms tail; a sine starts and ends at zero, so a
    // few frames either side of it count as quiet.
    const double frames = (trimmed->size() - 44) / 2.0;
    const double expected = tone + rate * (kLeadInMilliseconds + kTailMilliseconds) / 1000.0;
    EXPECT_NEAR(frames, expected, 10.0);
}

TEST_F(AudioCaptureTest, SilenceOnlyIsNoRecordingAndStoppingTwiceIsHarmless) {
    feed(spokenInput(AudioCapture::kCaptureRate / 4, 0, 0));
    AudioCapture capture;
    ASSERT_TRUE(capture.start()) << capture.error();
    const std::string wave = recordAtLeast(capture, AudioCapture::kCaptureRate / 4);
    EXPECT_FALSE(waveHasSound(wave));
    const std::string again = capture.stop();
    EXPECT_EQ(again.size(), 44u);
}

TEST_F(AudioCaptureTest, NoInputIsAnErrorNotARecording) {
    ::setenv("SDL_DISKAUDIOFILEIN", (m_dir / "missing.raw").c_str(), 1);
    AudioCapture capture;
    EXPECT_FALSE(capture.start());
    EXPECT_FALSE(capture.error().empty());
    EXPECT_FALSE(capture.isRecording());
}

}  // namespace
}  // namespace kz
