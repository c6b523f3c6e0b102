#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "ports/wave_player.h"

namespace kz {

// The format an output device was opened with: what SDL's disk driver writes to its file.
struct AudioDeviceFormat {
    int rate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    bool isFloat = false;
};

// The program's one sound output: one SDL audio device with a software mixer behind every player
// it creates, so the players sound together without two devices fighting over one output.
// main() owns it. Players may outlive it: they then stay silent.
//
// A thread of its own opens the device at the first "Play" and closes it again after a quiet
// spell, since SDL's audio thread keeps waking while a device is open; so neither building the
// output nor playing a sound ever waits for a sound server. When no device can be opened, sounds
// end at once, silently, and the device is tried again at a later "Play".
class AudioOutput {
public:
    // Durations of zero or less (as a positional "{}" gives) stand for the defaults.
    struct Options {
        // Name shown by sound servers for the program's stream.
        std::string appName{};
        // Quiet time after which the device is closed.
        std::chrono::milliseconds idleClose{2000};
        // After a failed open, "Play" tries again only once this much time has passed.
        std::chrono::milliseconds retryDelay{5000};
        // Called on the audio thread when a sound's first samples go to the device; for measuring
        // latency, must return at once.
        std::function<void()> onSoundStart{};
    };

    AudioOutput();
    // The usual output: the program's name for sound servers, every other option as default.
    explicit AudioOutput(std::string appName);
    explicit AudioOutput(Options options);
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    std::unique_ptr<WavePlayer> createPlayer();

    bool isDeviceOpen() const;
    // The format of the device while open, or of the last one opened; nullopt before any.
    std::optional<AudioDeviceFormat> deviceFormat() const;

private:
    class Keeper;
    std::shared_ptr<Keeper> m_keeper;
};

}  // namespace kz
