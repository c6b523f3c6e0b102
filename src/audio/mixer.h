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

    // The pieces of sound a voice held, for the caller to release outside the lock.
    using Pieces = std::vector<std::shared_ptr<const Clip>>;

    // Puts a clip (or none) into the voice, stopped at its start. Returns what it held.
    Pieces load(VoiceId id, std::shared_ptr<const Clip> clip);
    // Empties the voice for a clip that is to come in pieces, decoded elsewhere; the ticket
    // names that clip for deliver(). Until its last piece the voice acts as if it held the whole
    // clip: play() makes it playing, and it plays each piece as it comes (silence while it
    // waits for the next), rewind() stops it. A load() or a later expect() voids the ticket.
    // Returns the ticket and what the voice held, as load() does.
    std::pair<Ticket, Pieces> expect(VoiceId id);
    // The next piece of the clip for the ticket (nullptr: nothing more could be decoded); after
    // the one marked last no more come, and a voice that got no sound at all is left empty.
    // Ignored when the ticket is void.
    void deliver(VoiceId id, Ticket ticket, std::shared_ptr<const Clip> piece, bool last);
    void rewind(VoiceId id);
    // Starts the voice from its position. True when it now waits for the device to take it.
    bool play(VoiceId id);
    // WavePlayer::kModeNotOpen, kModeStopped or kModePlaying.
    int mode(VoiceId id) const;
    // Whether the voice is playing, and how many frames it holds that it has not played yet.
    struct Lead {
        bool playing = false;
        std::size_t frames = 0;
    };
    Lead lead(VoiceId id) const;

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
        Pieces pieces;
        std::size_t frames = 0;    // in all pieces
        std::size_t position = 0;  // frames played, and where that is: a piece and a frame in it
        std::size_t piece = 0;
        std::size_t offset = 0;
        State state = State::Stopped;
        bool started = false;
        // Pieces of this ticket's clip are still to come; meanwhile, whether the voice was played
        // while there was no device (so it stays at its end as pieces come, as a clip played
        // then does).
        Ticket ticket = 0;
        bool decoding = false;
        bool atEnd = false;

        void toStart() { position = piece = offset = 0; }
        void toEnd() {
            position = frames;
            piece = pieces.size();
            offset = 0;
        }
        // Empties the voice, stopped; returns what it held.
        Pieces reset();
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
