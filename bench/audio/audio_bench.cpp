// How long a sound takes from "Play" to the device, with the device open and with it closed
// after a quiet spell; what "Open" (decoding) and building the output cost the calling thread.
//
// Runs through SDL's disk driver, which paces itself like a sound card, unless SDL_AUDIODRIVER
// names another driver:   audio_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>
#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "audio_output.h"
#include "wav_fixtures.h"

namespace kz {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Sound files and the disk driver's output, removed when the run ends.
class Scratch {
public:
    Scratch() : m_dir(fs::temp_directory_path() / ("kzaudio-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(m_dir);
        if (std::getenv("SDL_AUDIODRIVER") == nullptr) {
            ::setenv("SDL_AUDIODRIVER", "disk", 1);
            ::setenv("SDL_DISKAUDIOFILE", path("output.raw").c_str(), 1);
        }
        test::writeToneWav(path("WORD.WAV"), {.format = SF_FORMAT_PCM_16, .seconds = 1.0});
        test::writeToneWav(path("PAGE.WAV"), {.format = SF_FORMAT_IMA_ADPCM, .seconds = 30.0});
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }
    std::string path(const std::string& name) const { return (m_dir / name).string(); }

private:
    fs::path m_dir;
};

const Scratch& scratch() {
    static const Scratch instance;
    return instance;
}

// Notes when the mixer hands a sound's first samples to the device.
struct FirstSample {
    std::atomic<Clock::rep> at{0};

    AudioOutput::Options options(std::chrono::milliseconds idleClose) {
        return {.appName = "audio_bench", .idleClose = idleClose, .onSoundStart = [this] {
                    at = Clock::now().time_since_epoch().count();
                }};
    }
    // Seconds from start to the first sample; negative when none came.
    double secondsSince(Clock::time_point start) {
        const auto giveUp = Clock::now() + 2s;
        while (at == 0 && Clock::now() < giveUp) std::this_thread::sleep_for(50us);
        if (at == 0) return -1;
        return std::chrono::duration<double>(Clock::duration(at.load()) - start.time_since_epoch())
            .count();
    }
};

void openFile(WavePlayer& player, const std::string& name) {
    player.command(SoundCommand::Close);
    player.setDeviceType("WaveAudio");
    player.setFileName(scratch().path(name));
    player.command(SoundCommand::Open);
}

void reportMilliseconds(benchmark::State& state, std::vector<double> ms, const std::string& what) {
    if (ms.empty()) return;
    std::sort(ms.begin(), ms.end());
    state.counters[what + "_p50_ms"] = ms[ms.size() / 2];
    state.counters[what + "_p95_ms"] = ms[ms.size() * 95 / 100];
    state.counters[what + "_max_ms"] = ms.back();
}

// One "Play" and the wait for its first sample; false when the device gave none.
bool measurePlay(benchmark::State& state, WavePlayer& player, FirstSample& probe,
                 std::vector<double>& latency, std::vector<double>& call) {
    probe.at = 0;
    const auto start = Clock::now();
    player.command(SoundCommand::Play);
    call.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    const double seconds = probe.secondsSince(start);
    if (seconds < 0) {
        state.SkipWithError("no sound device");
        return false;
    }
    state.SetIterationTime(seconds);
    latency.push_back(seconds * 1000);
    player.command(SoundCommand::Prev);
    return true;
}

// From "Play" to the first sample at the device: with the device open, as for a sound shortly
// after another, and with it closed after a quiet spell and opened again by the "Play".
void BM_PlayToFirstSample(benchmark::State& state, bool deviceOpen) {
    scratch();  // chooses the driver before the output starts SDL
    FirstSample probe;
    AudioOutput output(probe.options(deviceOpen ? 60s : 20ms));
    auto player = output.createPlayer();
    openFile(*player, "WORD.WAV");
    if (deviceOpen) {
        player->command(SoundCommand::Play);
        while (!output.isDeviceOpen()) std::this_thread::sleep_for(1ms);
        player->command(SoundCommand::Prev);
    }
    std::mt19937 random(7);
    std::uniform_int_distribution<int> phase(0, 12000);  // anywhere in the device's buffer cycle
    std::vector<double> latency;
    std::vector<double> call;
    for (auto _ : state) {
        if (deviceOpen) std::this_thread::sleep_for(std::chrono::microseconds(phase(random)));
        while (!deviceOpen && output.isDeviceOpen()) std::this_thread::sleep_for(1ms);
        if (!measurePlay(state, *player, probe, latency, call)) break;
    }
    reportMilliseconds(state, latency, "first_sample");
    reportMilliseconds(state, call, "play_call");
}
BENCHMARK_CAPTURE(BM_PlayToFirstSample, DeviceOpen, true)
    ->UseManualTime()
    ->Iterations(200)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlayToFirstSample, DeviceReopened, false)
    ->UseManualTime()
    ->Iterations(100)
    ->Unit(benchmark::kMillisecond);

// "Open" on the calling thread (the file's header; the decoding goes to the player's thread): a
// one-second word (16-bit, 22 kHz) and a 30-second page recording (IMA ADPCM, 22 kHz).
void BM_Open(benchmark::State& state, const char* name) {
    scratch();
    AudioOutput output;
    auto player = output.createPlayer();
    for (auto _ : state) openFile(*player, name);
}
BENCHMARK_CAPTURE(BM_Open, Word1s, "WORD.WAV")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Open, Page30s, "PAGE.WAV")->Unit(benchmark::kMillisecond);

// "Open" and "Play" at once, as a page shown with its recording, to the first sample: the
// decoding of the whole file and the wait for the device's next buffer (the device open).
void BM_OpenPlayToFirstSample(benchmark::State& state, const char* name) {
    scratch();
    FirstSample probe;
    AudioOutput output(probe.options(60s));
    auto player = output.createPlayer();
    openFile(*player, "WORD.WAV");
    player->command(SoundCommand::Play);
    while (!output.isDeviceOpen()) std::this_thread::sleep_for(1ms);
    std::vector<double> ms;
    for (auto _ : state) {
        player->command(SoundCommand::Close);
        probe.at = 0;
        const auto start = Clock::now();
        openFile(*player, name);
        player->command(SoundCommand::Play);
        const double seconds = probe.secondsSince(start);
        if (seconds < 0) {
            state.SkipWithError("no first sample");
            return;
        }
        state.SetIterationTime(seconds);
        ms.push_back(seconds * 1000);
    }
    reportMilliseconds(state, ms, "first_sample");
}
BENCHMARK_CAPTURE(BM_OpenPlayToFirstSample, Word1s, "WORD.WAV")
    ->UseManualTime()
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenPlayToFirstSample, Page30s, "PAGE.WAV")
    ->UseManualTime()
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);

// Context switches of all the process's threads so far.
long contextSwitches() {
    long total = 0;
    for (const auto& task : fs::directory_iterator("/proc/self/task")) {
        std::ifstream status(task.path() / "status");
        for (std::string line; std::getline(status, line);) {
            if (line.find("ctxt_switches:") != std::string::npos) {
                total += std::stol(line.substr(line.find(':') + 1));
            }
        }
    }
    return total;
}

// How often the program wakes while no sound plays, the device kept open or closed when quiet.
void BM_QuietWakeups(benchmark::State& state, bool keepOpen) {
    scratch();
    AudioOutput output(AudioOutput::Options{.idleClose = keepOpen ? 60s : 100ms});
    auto player = output.createPlayer();
    openFile(*player, "WORD.WAV");
    player->command(SoundCommand::Play);
    while (player->mode() == WavePlayer::kModePlaying) std::this_thread::sleep_for(10ms);
    while (!keepOpen && output.isDeviceOpen()) std::this_thread::sleep_for(10ms);
    for (auto _ : state) {
        const long before = contextSwitches();
        std::this_thread::sleep_for(2s);
        state.SetIterationTime(2);
        state.counters["wakeups_per_s"] = static_cast<double>(contextSwitches() - before) / 2;
    }
}
BENCHMARK_CAPTURE(BM_QuietWakeups, DeviceKeptOpen, true)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_QuietWakeups, DeviceClosedWhenQuiet, false)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// What a program's start pays for its sound: the output and its two players.
void BM_OutputStart(benchmark::State& state) {
    scratch();
    std::vector<double> ms;
    for (auto _ : state) {
        const auto start = Clock::now();
        auto output = std::make_unique<AudioOutput>();
        auto words = output->createPlayer();
        auto other = output->createPlayer();
        const auto took = Clock::now() - start;
        state.SetIterationTime(std::chrono::duration<double>(took).count());
        ms.push_back(std::chrono::duration<double, std::milli>(took).count());
    }
    reportMilliseconds(state, ms, "start");
}
BENCHMARK(BM_OutputStart)->UseManualTime()->Iterations(50)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kz

BENCHMARK_MAIN();
