#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "clip.h"

namespace kz {

// The software mixer behind all players of a program: one voice per player, summed into the one
// output device. The user-interface thread changes voices, the device's audio thread calls mix(),
// and the thread that keeps the device asks whether anything sounds; one short lock covers all.
class Mixer {
public:
    using Clock = std::chrono::steady_clock;
    using VoiceId = std::size_t;

    VoiceId addVoice();
    void removeVoice(VoiceId id);

    // Puts a clip (or none) into the voice, stopped at its start. Returns the clip it held, for
    // the caller to release outside the lock.
    std::shared_ptr<const Clip> load(VoiceId id, std::shared_ptr<const Clip> clip);
    void rewind(VoiceId id);
    // Starts the voice from its position. True when it now waits for the device to take it.
    bool play(VoiceId id);
    // WavePlayer::kModeNotOpen, kModeStopped or kModePlaying.
    int mode(VoiceId id) const;

    // Audio thread: fills `frames` frames of the mix format. A voice counts as playing until the
    // device asks for the buffer after the one holding its last sample, so it ends at the device's
    // pace rather than when it was handed over.
    void mix(float* out, std::size_t frames);

    bool anyPlaying() const;
    // When a voice last sounded or was started.
    Clock::time_point lastSound() const;
    // The device cannot be had: every playing voice ends at once, silently.
    void endPlaying();
    // While there is no device at all (or one that hangs), sounds end as soon as they are played.
    void setDeviceGone(bool gone);
    // Called on the audio thread when a voice's first samples go to the device.
    void setSoundStartObserver(std::function<void()> observer);

private:
    enum class State { Stopped, Playing, Ending };
    struct Voice {
        bool inUse = false;
        std::shared_ptr<const Clip> clip;
        std::size_t position = 0;
        State state = State::Stopped;
        bool started = false;
    };

    bool mixVoice(Voice& voice, float* out, std::size_t frames);

    mutable std::mutex m_mutex;
    std::vector<Voice> m_voices;
    Clock::time_point m_lastSound{};
    bool m_deviceGone = false;
    std::function<void()> m_soundStartObserver;
};

}  // namespace kz
