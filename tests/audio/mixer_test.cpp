#include "mixer.h"

#include <gtest/gtest.h>

#include <vector>

#include "ports/wave_player.h"

namespace kz {
namespace {

constexpr std::size_t kBuffer = 512;

// Frame f holds (f + 1) / 10000 on both channels, so every sample tells where it came from.
std::shared_ptr<const Clip> rampClip(std::size_t frames, float scale = 1.0f) {
    auto clip = std::make_shared<Clip>();
    for (std::size_t f = 0; f < frames; ++f) {
        const float v = scale * static_cast<float>(f + 1) / 10000.0f;
        clip->samples.insert(clip->samples.end(), {v, v});
    }
    return clip;
}

std::vector<float> mixBuffer(Mixer& mixer) {
    std::vector<float> out(kBuffer * kMixChannels, 99.0f);
    mixer.mix(out.data(), kBuffer);
    return out;
}

float frameAt(const std::vector<float>& out, std::size_t frame) {
    return out[frame * kMixChannels];
}

TEST(Mixer, PlaysUntilTheDeviceAsksForTheBufferAfterTheLastSample) {
    Mixer mixer;
    const auto voice = mixer.addVoice();
    EXPECT_EQ(mixer.mode(voice), WavePlayer::kModeNotOpen);
    mixer.load(voice, rampClip(1000));
    EXPECT_EQ(mixer.mode(voice), WavePlayer::kModeStopped);
    ASSERT_TRUE(mixer.play(voice));
    EXPECT_EQ(mixer.mode(voice), WavePlayer::kModePlaying);

    auto out = mixBuffer(mixer);
    EXPECT_FLOAT_EQ(frameAt(out, 0), 0.0001f);
    EXPECT_FLOAT_EQ(frameAt(out, kBuffer - 1), 0.0512f);
    EXPECT_EQ(mixer.mode(voice), WavePlayer::kModePlaying);

    out = mixBuffer(mixer);  // frames 512..999, then silence: handed over, not yet played
    EXPECT_FLOAT_EQ(frameAt(out, 0), 0.0513f);
    EXPECT_FLOAT_EQ(frameAt(out, 487), 0.1f);
    EXPECT_EQ(frameAt(out, 488), 0.0f);
    EXPECT_EQ(mixer.mode(voice), WavePlayer::kModePlaying);
    EXPECT_TRUE(mixer.anyPlaying());

    out = mixBuffer(mixer);
    EXPECT_EQ(out, std::vector<float>(kBuffer * kMixChannels, 0.0f));
    EXPECT_EQ(mixer.mode(voice), WavePlayer::kModeStopped);
    EXPECT_FALSE(mixer.anyPlaying());

    EXPECT_FALSE(mixer.play(voice)) << "at the end, only a rewind makes it play again";
    mixer.rewind(voice);
    ASSERT_TRUE(mixer.play(voice));
    EXPECT_FLOAT_EQ(frameAt(mixBuffer(mixer), 0), 0.0001f);
}

TEST(Mixer, CloseAndPrevStopTheSoundAtTheNextBuffer) {
    Mixer mixer;
    const auto voice = mixer.addVoice();
    mixer.load(voice, rampClip(5000));
    mixer.play(voice);
    mixBuffer(mixer);

    mixer.rewind(voice);
    EXPECT_EQ(mixer.mode(voice), WavePlayer::kModeStopped);
    EXPECT_EQ(frameAt(mixBuffer(mixer), 0), 0.0f);
    mixer.play(voice);
    EXPECT_FLOAT_EQ(frameAt(mixBuffer(mixer), 0), 0.0001f) << "Prev rewinds to the start";

    mixer.load(voice, nullptr);
    EXPECT_EQ(mixer.mode(voice), WavePlayer::kModeNotOpen);
    EXPECT_EQ(mixBuffer(mixer), std::vector<float>(kBuffer * kMixChannels, 0.0f));
    EXPECT_FALSE(mixer.play(voice));
}

TEST(Mixer, VoicesSoundTogetherAndTheSumIsClipped) {
    Mixer mixer;
    const auto quiet = mixer.addVoice();
    const auto loud = mixer.addVoice();
    mixer.load(quiet, rampClip(kBuffer));
    mixer.load(loud, rampClip(kBuffer, 30.0f));
    mixer.play(quiet);
    mixer.play(loud);
    const auto out = mixBuffer(mixer);
    EXPECT_FLOAT_EQ(frameAt(out, 9), 0.001f + 0.03f);
    EXPECT_FLOAT_EQ(frameAt(out, 400), 1.0f) << "0.0401 + 1.203 is clipped";
}

TEST(Mixer, WithoutADeviceSoundsEndSilentlyAtOnce) {
    Mixer mixer;
    const auto voice = mixer.addVoice();
    mixer.load(voice, rampClip(1000));
    ASSERT_TRUE(mixer.play(voice));
    mixer.endPlaying();
    EXPECT_EQ(mixer.mode(voice), WavePlayer::kModeStopped);
    EXPECT_FALSE(mixer.anyPlaying());

    mixer.rewind(voice);
    mixer.setDeviceGone(true);
    EXPECT_FALSE(mixer.play(voice));
    EXPECT_EQ(mixer.mode(voice), WavePlayer::kModeStopped);

    mixer.setDeviceGone(false);
    mixer.rewind(voice);
    EXPECT_TRUE(mixer.play(voice));
}

}  // namespace
}  // namespace kz
