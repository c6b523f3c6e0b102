#include "audio_output.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <thread>

#include "files/paths.h"
#include "recording.h"
#include "wav_fixtures.h"

namespace kz {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using test::ToneWav;

// Only a guard against hanging: every wait in these tests ends within a second or so.
constexpr auto kHangGuard = 20s;

bool waitUntil(const std::function<bool()>& done) {
    const auto giveUp = std::chrono::steady_clock::now() + kHangGuard;
    while (!done()) {
        if (std::chrono::steady_clock::now() > giveUp) return false;
        std::this_thread::sleep_for(2ms);
    }
    return true;
}

bool waitWhilePlaying(const WavePlayer& player) {
    return waitUntil([&] { return player.mode() != WavePlayer::kModePlaying; });
}

// The sequence the windows send to get a sound ready.
void openFile(WavePlayer& player, const std::string& file) {
    player.command(SoundCommand::Close);
    player.setDeviceType("WaveAudio");
    player.setFileName(file);
    player.command(SoundCommand::Open);
}

void playToEnd(WavePlayer& player) {
    player.command(SoundCommand::Prev);
    player.command(SoundCommand::Play);
    EXPECT_EQ(player.mode(), WavePlayer::kModePlaying);
    ASSERT_TRUE(waitWhilePlaying(player));
    EXPECT_EQ(player.mode(), WavePlayer::kModeStopped);
}

// Every test sends what it plays through SDL's disk driver to a file of its own: the driver
// writes in real time, silence while nothing sounds, until the device is closed.
class AudioOutputTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "." + info->name();
        std::replace(name.begin(), name.end(), '/', '_');
        m_dir = fs::temp_directory_path() / ("kzaudio-" + std::to_string(::getpid()) + "-" + name);
        fs::create_directories(m_dir);
        useDiskDriver(path("output.raw"));
    }

    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }

    static void useDiskDriver(const std::string& file) {
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
        ::unsetenv("SDL_DISKAUDIODELAY");  // its default paces the driver; 0 would make it spin
    }

    std::string path(const std::string& name) const { return (m_dir / name).string(); }

    std::string toneFile(const std::string& name, const ToneWav& tone) const {
        test::writeToneWav(path(name), tone);
        return path(name);
    }

    // The device stays open for the whole test, so its file holds everything played.
    static std::unique_ptr<AudioOutput> makeOutput() {
        return std::make_unique<AudioOutput>(AudioOutput::Options{.idleClose = 60s});
    }

    // Ends the output, which closes the device and its file, and reads what the device wrote.
    test::Recording finish(std::unique_ptr<AudioOutput>& output) const {
        const auto format = output->deviceFormat();
        output.reset();
        if (!format) return {};
        EXPECT_EQ(format->channels, 2);
        return test::readRecording(path("output.raw"), *format);
    }

    fs::path m_dir;
};

struct WavKind {
    const char* name;
    int format;
    int channels;
    int rate;
};

void PrintTo(const WavKind& kind, std::ostream* out) { *out << kind.name; }

class EachWavKind : public AudioOutputTest, public ::testing::WithParamInterface<WavKind> {};

// The whole clip comes out at the right pitch and loudness, its left and right where they belong:
// a wrong rate would change the length and pitch, a lost tail the length, a swap the channels.
TEST_P(EachWavKind, PlaysWholeAtItsPitch) {
    const WavKind kind = GetParam();
    const ToneWav tone{.format = kind.format, .channels = kind.channels, .rate = kind.rate};
    auto output = makeOutput();
    auto player = output->createPlayer();
    openFile(*player, toneFile("TONE.WAV", tone));
    playToEnd(*player);

    const auto recording = finish(output);
    const auto spans = test::soundSpans(recording);
    ASSERT_EQ(spans.size(), 1u);
    EXPECT_NEAR(spans[0].seconds(recording.rate), tone.seconds, 0.005);
    for (int c = 0; c < 2; ++c) {
        const bool right = kind.channels == 2 && c == 1;
        const double own = right ? tone.rightHz : tone.leftHz;
        const double other = right ? tone.leftHz : tone.rightHz;
        EXPECT_NEAR(test::toneAmplitude(recording, c, spans[0], own), tone.amplitude, 0.05) << c;
        EXPECT_LT(test::toneAmplitude(recording, c, spans[0], other), 0.03) << c;
        EXPECT_NEAR(test::rms(recording, c, spans[0]), tone.amplitude / std::sqrt(2.0), 0.04) << c;
    }
}

INSTANTIATE_TEST_SUITE_P(
    AudioOutput, EachWavKind,
    ::testing::Values(WavKind{"U8Mono8000", SF_FORMAT_PCM_U8, 1, 8000},
                      WavKind{"U8Stereo11025", SF_FORMAT_PCM_U8, 2, 11025},
                      WavKind{"Pcm16Mono16000", SF_FORMAT_PCM_16, 1, 16000},
                      WavKind{"Pcm16Stereo22050", SF_FORMAT_PCM_16, 2, 22050},
                      WavKind{"Pcm16Stereo44100", SF_FORMAT_PCM_16, 2, 44100},
                      WavKind{"Pcm16Mono48000", SF_FORMAT_PCM_16, 1, 48000},
                      WavKind{"ImaAdpcmMono11025", SF_FORMAT_IMA_ADPCM, 1, 11025},
                      WavKind{"ImaAdpcmStereo32000", SF_FORMAT_IMA_ADPCM, 2, 32000},
                      WavKind{"MsAdpcmMono8000", SF_FORMAT_MS_ADPCM, 1, 8000},
                      WavKind{"MsAdpcmStereo22050", SF_FORMAT_MS_ADPCM, 2, 22050}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AudioOutputTest, CloseCutsTheSoundAtOnce) {
    auto output = makeOutput();
    auto player = output->createPlayer();
    openFile(*player, toneFile("LONG.WAV", {.format = SF_FORMAT_PCM_16, .seconds = 3}));
    player->command(SoundCommand::Play);
    ASSERT_TRUE(waitUntil([&] { return output->isDeviceOpen(); }));
    std::this_thread::sleep_for(200ms);
    player->command(SoundCommand::Close);
    EXPECT_EQ(player->mode(), WavePlayer::kModeNotOpen);
    std::this_thread::sleep_for(200ms);

    const auto recording = finish(output);
    const auto spans = test::soundSpans(recording);
    ASSERT_EQ(spans.size(), 1u);
    EXPECT_LT(spans[0].seconds(recording.rate), 1.5) << "of 3 seconds";
    EXPECT_GT(recording.frames() - spans[0].end, recording.rate / 20u) << "silence follows";
}

// A file opened while the last one is still being decoded (a page turned at once) is the one
// played; a Close straight after Open plays nothing.
TEST_F(AudioOutputTest, OnlyTheLastFileOpenedIsHeard) {
    auto output = makeOutput();
    auto player = output->createPlayer();
    const std::string low = toneFile(
        "LOW.WAV", {.format = SF_FORMAT_IMA_ADPCM, .rate = 22050, .seconds = 20, .leftHz = 440});
    const std::string high =
        toneFile("HIGH.WAV", {.format = SF_FORMAT_PCM_16, .seconds = 0.3, .leftHz = 880});
    openFile(*player, low);
    player->command(SoundCommand::Play);
    openFile(*player, low);
    player->command(SoundCommand::Close);
    openFile(*player, low);
    player->command(SoundCommand::Play);
    openFile(*player, high);
    player->command(SoundCommand::Play);
    ASSERT_TRUE(waitWhilePlaying(*player));
    std::this_thread::sleep_for(300ms);  // anything late would sound meanwhile

    const auto recording = finish(output);
    const auto spans = test::soundSpans(recording);
    ASSERT_FALSE(spans.empty());
    // The high file, whole and alone, ends what was heard.
    const auto highFrames = static_cast<std::size_t>(0.3 * recording.rate);
    ASSERT_GE(spans.back().end - spans.back().begin + 0.005 * recording.rate, highFrames);
    const test::Span heard{spans.back().end - highFrames, spans.back().end};
    EXPECT_NEAR(test::toneAmplitude(recording, 0, heard, 880), 0.5, 0.1);
    EXPECT_LT(test::toneAmplitude(recording, 0, heard, 440), 0.05);
    // The low file may have sounded only while its "Play" waited for the next "Close": a device
    // buffer or so when the machine is busy and the audio thread runs in between, never its 20 s.
    double before = 0;
    for (const auto& span : spans)
        before += double(std::min(span.end, heard.begin) - std::min(span.begin, heard.begin)) /
                  recording.rate;
    EXPECT_LT(before, 1.0);
}

TEST_F(AudioOutputTest, PrevThenPlayAfterTheEndPlaysAgainFromTheStart) {
    auto output = makeOutput();
    auto player = output->createPlayer();
    openFile(*player, toneFile("WORD.WAV", {.format = SF_FORMAT_PCM_16, .seconds = 0.2}));
    player->command(SoundCommand::Play);  // straight after "Open", as the story reader does
    ASSERT_TRUE(waitWhilePlaying(*player));
    player->command(SoundCommand::Play);
    EXPECT_NE(player->mode(), WavePlayer::kModePlaying) << "at the end, Play alone plays nothing";
    std::this_thread::sleep_for(100ms);
    playToEnd(*player);

    const auto recording = finish(output);
    const auto spans = test::soundSpans(recording);
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_NEAR(spans[0].seconds(recording.rate), 0.2, 0.005);
    EXPECT_NEAR(spans[1].seconds(recording.rate), 0.2, 0.005);
    const auto& left = recording.channels[0];
    EXPECT_TRUE(std::equal(left.begin() + spans[0].begin, left.begin() + spans[0].end,
                           left.begin() + spans[1].begin))
        << "the second time sounds the same from its first sample";
}

TEST_F(AudioOutputTest, TwoPlayersSoundTogether) {
    auto output = makeOutput();
    auto words = output->createPlayer();
    auto click = output->createPlayer();
    const ToneWav low{
        .format = SF_FORMAT_PCM_16, .rate = 22050, .seconds = 0.4, .leftHz = 440, .amplitude = 0.4};
    const ToneWav high{.format = SF_FORMAT_IMA_ADPCM,
                       .rate = 11025,
                       .seconds = 0.4,
                       .leftHz = 880,
                       .amplitude = 0.4};
    openFile(*words, toneFile("LOW.WAV", low));
    openFile(*click, toneFile("HIGH.WAV", high));
    words->command(SoundCommand::Play);
    click->command(SoundCommand::Play);
    ASSERT_TRUE(waitWhilePlaying(*words));
    ASSERT_TRUE(waitWhilePlaying(*click));

    const auto recording = finish(output);
    const auto spans = test::soundSpans(recording);
    ASSERT_EQ(spans.size(), 1u);
    EXPECT_NEAR(spans[0].seconds(recording.rate), 0.4, 0.03);
    const std::size_t quarter = (spans[0].end - spans[0].begin) / 4;
    const test::Span middle{spans[0].begin + quarter, spans[0].end - quarter};
    for (int c = 0; c < 2; ++c) {
        EXPECT_NEAR(test::toneAmplitude(recording, c, middle, 440), 0.4, 0.05) << c;
        EXPECT_NEAR(test::toneAmplitude(recording, c, middle, 880), 0.4, 0.05) << c;
    }
}

TEST_F(AudioOutputTest, FaultyFilesAreSilentAndHarmless) {
    const std::string good = toneFile("GOOD.WAV", {.format = SF_FORMAT_PCM_16, .seconds = 0.2});
    const std::string wav = readWholeFile(good).value();
    std::string unknownCodec = wav;
    unknownCodec[20] = '\x77';  // the format tag
    unknownCodec[21] = '\x77';
    std::string noChannels = wav;
    noChannels[22] = '\0';
    noChannels[23] = '\0';
    test::writeBytes(path("CUT.WAV"), wav.substr(0, 30));
    test::writeBytes(path("CODEC.WAV"), unknownCodec);
    test::writeBytes(path("CHANNELS.WAV"), noChannels);
    test::writeBytes(path("TEXT.WAV"), "This is not a sound.\r\n");
    test::writeBytes(path("EMPTY.WAV"), "");
    test::writeBytes(path("NODATA.WAV"), wav.substr(0, 44));
    fs::create_directory(path("FOLDER.WAV"));

    auto output = makeOutput();
    auto player = output->createPlayer();
    player->command(SoundCommand::Close);  // never opened
    for (const std::string name : {"", "MISSING.WAV", "CUT.WAV", "CODEC.WAV", "CHANNELS.WAV",
                                   "TEXT.WAV", "EMPTY.WAV", "NODATA.WAV", "FOLDER.WAV"}) {
        openFile(*player, name.empty() ? name : path(name));
        player->command(SoundCommand::Prev);
        player->command(SoundCommand::Play);
        EXPECT_NE(player->mode(), WavePlayer::kModePlaying) << '"' << name << '"';
    }
    EXPECT_FALSE(output->isDeviceOpen()) << "nothing asked for the device";

    openFile(*player, good);  // the same player goes on playing good files
    playToEnd(*player);
    const auto recording = finish(output);
    const auto spans = test::soundSpans(recording);
    ASSERT_EQ(spans.size(), 1u);
    EXPECT_NEAR(spans[0].seconds(recording.rate), 0.2, 0.005);
}

TEST_F(AudioOutputTest, OpensPathsAsTheProgramsWriteThem) {
    fs::create_directories(m_dir / "wavs" / "wds");
    test::writeToneWav((m_dir / "wavs" / "wds" / "cat.wav").string(),
                       {.format = SF_FORMAT_PCM_16, .seconds = 0.1});
    auto output = makeOutput();
    auto player = output->createPlayer();
    openFile(*player, joinPath(m_dir.string(), "WAVS\\WDS\\CAT.WAV"));
    EXPECT_EQ(player->mode(), WavePlayer::kModeStopped);
    playToEnd(*player);
    EXPECT_EQ(test::soundSpans(finish(output)).size(), 1u);
}

// Without the device the windows must never wait for a sound: it ends at once, silently.
class WithoutADevice : public AudioOutputTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(WithoutADevice, SoundsEndAtOnce) {
    if (std::string(GetParam()) == "disk") {
        useDiskDriver(path("no-such-folder/output.raw"));  // the driver starts, the device fails
    } else {
        ::setenv("SDL_AUDIODRIVER", GetParam(), 1);
    }
    auto output = makeOutput();
    auto player = output->createPlayer();
    openFile(*player,
             toneFile("LONG.WAV",
                      {.format = SF_FORMAT_PCM_U8, .rate = 8000, .seconds = 2 * kHangGuard / 1s}));
    for (int i = 0; i < 2; ++i) {
        player->command(SoundCommand::Prev);
        player->command(SoundCommand::Play);
        ASSERT_TRUE(waitWhilePlaying(*player)) << "a sound nobody can hear must not last";
        EXPECT_EQ(player->mode(), WavePlayer::kModeStopped);
    }
    EXPECT_FALSE(output->isDeviceOpen());
}

INSTANTIATE_TEST_SUITE_P(AudioOutput, WithoutADevice, ::testing::Values("disk", "no-such-driver"),
                         [](const auto& info) {
                             return std::string(info.param) == "disk" ? "DeviceCannotOpen"
                                                                      : "DriverCannotStart";
                         });

// Whatever the machine offers (a sound server, a bare sound card or nothing at all, as on a build
// server), a sound ends. The clip is digital silence, in case there is a loudspeaker.
TEST_F(AudioOutputTest, TheDefaultOutputNeverHangs) {
    ::unsetenv("SDL_AUDIODRIVER");
    auto output = makeOutput();
    auto player = output->createPlayer();
    openFile(*player,
             toneFile("HUSH.WAV", {.format = SF_FORMAT_PCM_16, .seconds = 0.1, .amplitude = 0}));
    player->command(SoundCommand::Play);
    EXPECT_TRUE(waitWhilePlaying(*player));
}

// A device that stops taking samples, as a hung sound server would, must hold up neither its
// sound nor the next one: the disk driver writing into a FIFO that nobody reads stands in for it.
TEST_F(AudioOutputTest, AStalledDeviceEndsItsSounds) {
    const std::string fifo = path("stalled.raw");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);  // lets the driver open it
    ASSERT_GE(reader, 0);
    useDiskDriver(fifo);
    auto output = makeOutput();
    auto player = output->createPlayer();
    openFile(*player,
             toneFile("LONG.WAV",
                      {.format = SF_FORMAT_PCM_U8, .rate = 8000, .seconds = 2 * kHangGuard / 1s}));
    player->command(SoundCommand::Play);
    EXPECT_TRUE(waitWhilePlaying(*player));
    player->command(SoundCommand::Prev);
    player->command(SoundCommand::Play);
    EXPECT_TRUE(waitWhilePlaying(*player)) << "also while the stalled device is being closed";

    std::atomic<bool> closed = false;
    std::thread drain([&] {  // frees the driver, so that the device can close
        char buffer[65536];
        while (!closed) {
            if (::read(reader, buffer, sizeof buffer) <= 0) std::this_thread::sleep_for(1ms);
        }
    });
    output.reset();
    closed = true;
    drain.join();
    ::close(reader);
}

TEST_F(AudioOutputTest, DeviceClosesWhenQuietAndReopensAtTheNextPlay) {
    auto output = std::make_unique<AudioOutput>(AudioOutput::Options{.idleClose = 100ms});
    auto player = output->createPlayer();
    openFile(*player, toneFile("CLICK.WAV", {.format = SF_FORMAT_PCM_16, .seconds = 0.1}));
    EXPECT_FALSE(output->isDeviceOpen()) << "nothing opens the device before a sound plays";
    playToEnd(*player);
    ASSERT_TRUE(waitUntil([&] { return !output->isDeviceOpen(); }));

    playToEnd(*player);  // reopening starts the driver's file afresh
    const auto recording = finish(output);
    const auto spans = test::soundSpans(recording);
    ASSERT_EQ(spans.size(), 1u);
    EXPECT_NEAR(spans[0].seconds(recording.rate), 0.1, 0.005);
}

TEST_F(AudioOutputTest, PlayersOutlivingTheOutputFallSilent) {
    auto output = makeOutput();
    auto player = output->createPlayer();
    openFile(*player, toneFile("LONG.WAV", {.format = SF_FORMAT_PCM_16, .seconds = 5}));
    player->command(SoundCommand::Play);
    output.reset();
    EXPECT_NE(player->mode(), WavePlayer::kModePlaying);
    player->command(SoundCommand::Prev);
    player->command(SoundCommand::Play);
    EXPECT_NE(player->mode(), WavePlayer::kModePlaying);
    player->command(SoundCommand::Close);
}

}  // namespace
}  // namespace kz
