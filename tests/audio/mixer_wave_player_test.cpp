// The player decodes a recording a little ahead of what its voice has played, and what the voice
// plays, piece after piece, is the whole recording to the sample.
#include "mixer_wave_player.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <chrono>
#include <functional>
#include <thread>
#include <vector>

#include "temp_dir.h"
#include "wav_fixtures.h"
#include "wave_decoder.h"

namespace kz {
namespace {

using namespace std::chrono_literals;

// Only a guard against hanging.
bool waitUntil(const std::function<bool()>& done) {
    const auto giveUp = std::chrono::steady_clock::now() + 20s;
    while (!done()) {
        if (std::chrono::steady_clock::now() > giveUp) return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

TEST(MixerWavePlayer, DecodesAboutASecondAheadAndPlaysEverySample) {
    test::TempDir dir;
    const std::string file = (dir / "PAGE.WAV").string();
    test::writeToneWav(file, {.format = SF_FORMAT_IMA_ADPCM, .rate = 22050, .seconds = 20});
    const auto whole = decodeWave(file);
    ASSERT_TRUE(whole);

    auto mixer = std::make_shared<Mixer>();
    MixerWavePlayer player(mixer, [] {});
    const Mixer::VoiceId voice = 0;  // the first voice of a fresh mixer
    player.setDeviceType("WaveAudio");
    player.setFileName(file);
    player.command(SoundCommand::Open);

    // Opened, not played: a second in hand, and no more however long it waits.
    ASSERT_TRUE(waitUntil([&] { return mixer->lead(voice).frames >= kMixRate; }));
    std::this_thread::sleep_for(300ms);
    EXPECT_LT(mixer->lead(voice).frames, 3 * kMixRate / 2);

    // Played by a device far faster than real time: it waits for each piece.
    player.command(SoundCommand::Play);
    constexpr std::size_t kBuffer = 4800;
    std::vector<float> heard;
    std::vector<float> buffer(kBuffer * kMixChannels);
    std::size_t mostAhead = 0;
    while (heard.size() < whole->samples.size()) {
        const std::size_t left = (whole->samples.size() - heard.size()) / kMixChannels;
        ASSERT_TRUE(waitUntil([&] { return mixer->lead(voice).frames >= std::min(kBuffer, left); }))
            << "stuck " << heard.size() / kMixChannels << " frames in";
        mostAhead = std::max(mostAhead, mixer->lead(voice).frames);
        mixer->mix(buffer.data(), kBuffer);
        heard.insert(
            heard.end(), buffer.begin(),
            buffer.begin() + static_cast<std::ptrdiff_t>(std::min(kBuffer, left) * kMixChannels));
    }
    EXPECT_TRUE(heard == whole->samples) << "every sample, in order";
    EXPECT_LT(mostAhead, 3 * kMixRate / 2) << "decoded as it plays, not all at once";
    mixer->mix(buffer.data(), kBuffer);
    EXPECT_EQ(buffer, std::vector<float>(kBuffer * kMixChannels, 0.0f)) << "nothing after its end";
    mixer->mix(buffer.data(), kBuffer);
    EXPECT_EQ(player.mode(), WavePlayer::kModeStopped);
}

}  // namespace
}  // namespace kz
