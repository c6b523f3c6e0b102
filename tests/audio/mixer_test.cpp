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

// A clip still being decoded (expect, then its first piece delivered from the decoding thread):
// the voice behaves as if it held it, and a ticket voided by a later Close or Open never reaches
// the voice.
TEST(Mixer, AClipStillDecodingActsAsIfLoaded) {
    enum Step { Play, Rewind, Close, OpenAnother, EndPlaying, Deliver, DeliverFailed };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        int mode;     // after the steps
        bool sounds;  // the next buffer holds the clip's first frame
    };
    const Case cases[] = {
        {"played before it came", {Play, Deliver}, WavePlayer::kModePlaying, true},
        {"came, then played", {Deliver, Play}, WavePlayer::kModePlaying, true},
        {"came, not played", {Deliver}, WavePlayer::kModeStopped, false},
        {"played, then Prev", {Play, Rewind, Deliver}, WavePlayer::kModeStopped, false},
        {"played, then Close", {Play, Close, Deliver}, WavePlayer::kModeNotOpen, false},
        {"another file opened", {Play, OpenAnother, Deliver}, WavePlayer::kModeStopped, false},
        {"could not be decoded", {Play, DeliverFailed}, WavePlayer::kModeNotOpen, false},
        {"played without a device",
         {Play, EndPlaying, Deliver, Play},
         WavePlayer::kModeStopped,
         false},
        {"without a device, then Prev",
         {Play, EndPlaying, Deliver, Rewind, Play},
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
                    mixer.deliver(voice, ticket, rampClip(1000), true);
                    break;
                case DeliverFailed:
                    mixer.deliver(voice, ticket, nullptr, true);
                    break;
            }
        }
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

// The frames of `from` to `to` (counted from 1, as rampClip's values), as one piece.
std::shared_ptr<const Clip> rampPiece(std::size_t from, std::size_t to) {
    auto clip = std::make_shared<Clip>();
    for (std::size_t f = from; f <= to; ++f) {
        const float v = static_cast<float>(f) / 10000.0f;
        clip->samples.insert(clip->samples.end(), {v, v});
    }
    return clip;
}

// A clip coming in pieces plays every frame once, in order, across the pieces and the device's
// buffers; when the voice catches up with the decoding it waits in silence, still playing, and
// goes on from the next frame; it ends only after the last piece.
TEST(Mixer, PiecesPlayInOrderAsTheyCome) {
    Mixer mixer;
    const auto voice = mixer.addVoice();
    const auto ticket = mixer.expect(voice).first;
    ASSERT_TRUE(mixer.play(voice));
    EXPECT_EQ(mixBuffer(mixer), std::vector<float>(kBuffer * kMixChannels, 0.0f));
    EXPECT_EQ(mixer.mode(voice), WavePlayer::kModePlaying) << "waiting for its first piece";

    mixer.deliver(voice, ticket, rampPiece(1, 300), false);
    mixer.deliver(voice, ticket, rampPiece(301, 700), false);
    auto out = mixBuffer(mixer);
    for (std::size_t f = 0; f < kBuffer; ++f) ASSERT_FLOAT_EQ(frameAt(out, f), (f + 1) / 1e4f) << f;

    out = mixBuffer(mixer);  // frames 513..700, then it waits for the next piece
    EXPECT_FLOAT_EQ(frameAt(out, 0), 0.0513f);
    EXPECT_FLOAT_EQ(frameAt(out, 187), 0.07f);
    EXPECT_EQ(frameAt(out, 188), 0.0f);
    EXPECT_EQ(mixer.mode(voice), WavePlayer::kModePlaying);

    mixer.deliver(voice, ticket, rampPiece(701, 800), false);
    mixer.deliver(voice, ticket, nullptr, true);
    out = mixBuffer(mixer);
    EXPECT_FLOAT_EQ(frameAt(out, 0), 0.0701f) << "not a frame skipped after the wait";
    EXPECT_FLOAT_EQ(frameAt(out, 99), 0.08f);
    EXPECT_EQ(frameAt(out, 100), 0.0f);
    EXPECT_EQ(mixer.mode(voice), WavePlayer::kModePlaying);
    mixBuffer(mixer);
    EXPECT_EQ(mixer.mode(voice), WavePlayer::kModeStopped);

    // Prev and Play: the whole clip again, from its first piece.
    mixer.rewind(voice);
    ASSERT_TRUE(mixer.play(voice));
    out = mixBuffer(mixer);
    EXPECT_FLOAT_EQ(frameAt(out, 0), 0.0001f);
    EXPECT_FLOAT_EQ(frameAt(out, 511), 0.0512f);
    out = mixBuffer(mixer);
    EXPECT_FLOAT_EQ(frameAt(out, 287), 0.08f);
    EXPECT_EQ(frameAt(out, 288), 0.0f);
}

// Pieces of a clip still decoding when the voice was played without a device, closed, or given
// another file: none of them sounds.
TEST(Mixer, LatePiecesOfAStoppedOrVoidedClipStaySilent) {
    Mixer mixer;
    const auto voice = mixer.addVoice();
    auto ticket = mixer.expect(voice).first;
    mixer.deliver(voice, ticket, rampPiece(1, 100), false);
    ASSERT_TRUE(mixer.play(voice));
    mixer.endPlaying();
    mixer.deliver(voice, ticket, rampPiece(101, 200), false);
    EXPECT_FALSE(mixer.play(voice)) << "it stays at its end, as pieces come";
    EXPECT_EQ(mixBuffer(mixer), std::vector<float>(kBuffer * kMixChannels, 0.0f));
    mixer.deliver(voice, ticket, rampPiece(201, 300), true);
    EXPECT_FALSE(mixer.play(voice));
    mixer.rewind(voice);
    ASSERT_TRUE(mixer.play(voice));
    EXPECT_FLOAT_EQ(frameAt(mixBuffer(mixer), 299), 0.03f) << "all three pieces kept";

    ticket = mixer.expect(voice).first;
    mixer.deliver(voice, ticket, rampPiece(1, 100), false);
    const auto newer = mixer.expect(voice).first;
    mixer.deliver(voice, ticket, rampPiece(101, 200), true);
    EXPECT_EQ(mixer.mode(voice), WavePlayer::kModeStopped) << "still waiting for the newer file";
    mixer.deliver(voice, newer, rampPiece(1, 10), true);
    ASSERT_TRUE(mixer.play(voice));
    const auto out = mixBuffer(mixer);
    EXPECT_FLOAT_EQ(frameAt(out, 9), 0.001f);
    EXPECT_EQ(frameAt(out, 10), 0.0f) << "nothing of the older file";
}

TEST(Mixer, AVoiceGivenAgainIgnoresItsFormerOwnersClip) {
    Mixer mixer;
    const auto first = mixer.addVoice();
    const auto ticket = mixer.expect(first).first;
    mixer.play(first);
    mixer.removeVoice(first);
    const auto again = mixer.addVoice();
    ASSERT_EQ(again, first);
    mixer.deliver(again, ticket, rampClip(1000), true);
    EXPECT_EQ(mixer.mode(again), WavePlayer::kModeNotOpen);
    EXPECT_FALSE(mixer.anyPlaying());
}

}  // namespace
}  // namespace kz
