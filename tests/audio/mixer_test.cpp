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

// A clip still being decoded (expect, then deliver from the decoding thread): the voice behaves
// as if it held it, and a ticket voided by a later Close or Open never reaches the voice.
TEST(Mixer, AClipStillDecodingActsAsIfLoaded) {
    enum Step { Play, Rewind, Close, OpenAnother, EndPlaying, Deliver, DeliverFailed };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        bool deliverStarts;  // the last Deliver asks for the device
        int mode;            // after the steps
        bool sounds;         // the next buffer holds the clip's first frame
    };
    const Case cases[] = {
        {"played before it came", {Play, Deliver}, true, WavePlayer::kModePlaying, true},
        {"came, then played", {Deliver, Play}, false, WavePlayer::kModePlaying, true},
        {"came, not played", {Deliver}, false, WavePlayer::kModeStopped, false},
        {"played, then Prev", {Play, Rewind, Deliver}, false, WavePlayer::kModeStopped, false},
        {"played, then Close", {Play, Close, Deliver}, false, WavePlayer::kModeNotOpen, false},
        {"another file opened",
         {Play, OpenAnother, Deliver},
         false,
         WavePlayer::kModeStopped,
         false},
        {"could not be decoded", {Play, DeliverFailed}, false, WavePlayer::kModeNotOpen, false},
        {"played without a device",
         {Play, EndPlaying, Deliver, Play},
         false,
         WavePlayer::kModeStopped,
         false},
        {"without a device, then Prev",
         {Play, EndPlaying, Deliver, Rewind, Play},
         false,
         WavePlayer::kModePlaying,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Mixer mixer;
        const auto voice = mixer.addVoice();
        mixer.load(voice, rampClip(100));
        const auto ticket = mixer.expect(voice).first;
        EXPECT_EQ(mixer.mode(voice), WavePlayer::kModeStopped);
        bool started = false;
        for (const Step step : c.steps) {
            switch (step) {
                case Play:
                    if (mixer.play(voice)) {
                        EXPECT_TRUE(mixer.anyPlaying());
                    }
                    break;
                case Rewind:
                    mixer.rewind(voice);
                    break;
                case Close:
                    mixer.load(voice, nullptr);
                    break;
                case OpenAnother:
                    mixer.expect(voice);
                    break;
                case EndPlaying:
                    mixer.endPlaying();
                    EXPECT_FALSE(mixer.anyPlaying());
                    break;
                case Deliver:
                    started = mixer.deliver(voice, ticket, rampClip(1000));
                    break;
                case DeliverFailed:
                    started = mixer.deliver(voice, ticket, nullptr);
                    break;
            }
        }
        EXPECT_EQ(started, c.deliverStarts);
        EXPECT_EQ(mixer.mode(voice), c.mode);
        EXPECT_EQ(mixer.anyPlaying(), c.mode == WavePlayer::kModePlaying);
        const auto out = mixBuffer(mixer);
        if (c.sounds) {
            EXPECT_FLOAT_EQ(frameAt(out, 0), 0.0001f) << "from its first frame";
        } else {
            EXPECT_EQ(out, std::vector<float>(kBuffer * kMixChannels, 0.0f));
        }
    }
}

TEST(Mixer, AVoiceGivenAgainIgnoresItsFormerOwnersClip) {
    Mixer mixer;
    const auto first = mixer.addVoice();
    const auto ticket = mixer.expect(first).first;
    mixer.play(first);
    mixer.removeVoice(first);
    const auto again = mixer.addVoice();
    ASSERT_EQ(again, first);
    EXPECT_FALSE(mixer.deliver(again, ticket, rampClip(1000)));
    EXPECT_EQ(mixer.mode(again), WavePlayer::kModeNotOpen);
    EXPECT_FALSE(mixer.anyPlaying());
}

}  // namespace
}  // namespace kz
