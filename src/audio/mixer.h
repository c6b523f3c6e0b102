#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <utility>
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
    using Ticket = std::uint64_t;

    VoiceId addVoice();
    void removeVoice(VoiceId id);

    // Puts a clip (or none) into the voice, stopped at its start. Returns the clip it held, for
    // the caller to release outside the lock.
    std::shared_ptr<const Clip> load(VoiceId id, std::shared_ptr<const Clip> clip);
    // Empties the voice for a clip still being decoded elsewhere; the ticket names that clip for
    // deliver(). Until it comes the voice acts as if it held it: play() makes it playing (the
    // sound starts once delivered), rewind() stops it. A load() or a later expect() voids the
    // ticket. Returns the clip it held, as load() does, with the ticket.
    std::pair<Ticket, std::shared_ptr<const Clip>> expect(VoiceId id);
    // The decoded clip for the ticket (nullptr: it could not be decoded, the voice is left
    // empty). Ignored when the ticket is void. True when the voice now waits for the device
    // to take it, because it was played meanwhile.
    bool deliver(VoiceId id, Ticket ticket, const std::shared_ptr<const Clip>& clip);
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
        // Waiting for the clip of this ticket; meanwhile whether it was played, or played while
        // there was no device (so it is to stay at its end, as a clip played then does).
        Ticket ticket = 0;
        bool pending = false;
        bool playWanted = false;
        bool pendingAtEnd = false;
    };

    bool mixVoice(Voice& voice, float* out, std::size_t frames);

    mutable std::mutex m_mutex;
    std::vector<Voice> m_voices;
    Clock::time_point m_lastSound{};
    bool m_deviceGone = false;
    Ticket m_lastTicket = 0;
    std::function<void()> m_soundStartObserver;
};

}  // namespace kz
