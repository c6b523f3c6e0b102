#include "mixer_wave_player.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "files/paths.h"
#include "files/text.h"
#include "wave_decoder.h"

namespace kz {

// Decodes one file at a time into the player's voice, piece by piece: the first piece is short, so
// that the sound starts after a fraction of a second's decoding whatever the recording's length,
// and the next ones keep about a second ahead of what the voice has played. So a long recording
// is decoded a little at a time while it plays, never in one long burst that would take the
// processor from the window on a slow machine. A newer file (or a Close) supersedes the one
// being decoded, which is then dropped before its next piece. The thread sleeps while it has
// nothing to do, and while the voice is stopped with a second or more in hand.
class MixerWavePlayer::Decoder {
public:
    Decoder(std::shared_ptr<Mixer> mixer, Mixer::VoiceId voice)
        : m_mixer(std::move(mixer)), m_voice(voice), m_thread([this] { run(); }) {}

    ~Decoder() {
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
            m_wanted = 0;
        }
        m_wake.notify_one();
        m_thread.join();
    }
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    void start(Mixer::Ticket ticket, std::string path) {
        {
            std::lock_guard lock(m_mutex);
            m_job = Job{ticket, std::move(path)};
            m_wanted = ticket;
        }
        m_wake.notify_one();
    }

    // Drops the decoding under way, if any.
    void cancel() {
        {
            std::lock_guard lock(m_mutex);
            m_wanted = 0;
        }
        m_wake.notify_one();
    }

    // The voice was played or rewound: it may want more decoded.
    void nudge() {
        { std::lock_guard lock(m_mutex); }
        m_wake.notify_one();
    }

private:
    struct Job {
        Mixer::Ticket ticket;
        std::string path;
    };

    void run() {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_wake.wait(lock, [this] { return m_stopping || m_job; });
            if (m_stopping) return;
            const Job job = std::move(*m_job);
            m_job.reset();
            lock.unlock();
            decode(job);
            lock.lock();
        }
    }

    void decode(const Job& job) {
        const auto stream = WaveStream::open(job.path);
        if (!stream) {
            m_mixer->deliver(m_voice, job.ticket, nullptr, true);
            return;
        }
        std::size_t frames = kFirstPieceFrames;
        while (m_wanted.load() == job.ticket) {
            auto piece = stream->next(frames);
            const bool last = !piece || stream->done();
            m_mixer->deliver(m_voice, job.ticket, std::move(piece), last);
            if (last || !waitForRoom(job.ticket)) return;
            frames = kPieceFrames;
        }
    }

    // Waits while the voice holds enough it has not played yet. False when the file is
    // superseded or the player goes.
    bool waitForRoom(Mixer::Ticket ticket) {
        std::unique_lock lock(m_mutex);
        for (;;) {
            if (m_stopping || m_job || m_wanted.load() != ticket) return false;
            const Mixer::Lead lead = m_mixer->lead(m_voice);
            if (lead.frames < kLeadFrames) return true;
            if (!lead.playing) {
                m_wake.wait(lock);
                continue;
            }
            // Until it is down to the lead, as the device plays it.
            const auto spare =
                std::chrono::milliseconds((lead.frames - kLeadFrames) * 1000 / kMixRate);
            m_wake.wait_for(lock, spare + std::chrono::milliseconds(5));
        }
    }

    // In frames of the file: 1/8 s at 22 kHz, then 0.37 s (about a millisecond's decoding).
    static constexpr std::size_t kFirstPieceFrames = 2756;
    static constexpr std::size_t kPieceFrames = 8192;
    // In frames of the mix: what the voice is to hold ahead of the device.
    static constexpr std::size_t kLeadFrames = kMixRate;

    const std::shared_ptr<Mixer> m_mixer;
    const Mixer::VoiceId m_voice;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Job> m_job;
    bool m_stopping = false;
    std::atomic<Mixer::Ticket> m_wanted{0};
    std::thread m_thread;
};

MixerWavePlayer::MixerWavePlayer(std::shared_ptr<Mixer> mixer, std::function<void()> requestDevice)
    : m_mixer(std::move(mixer)),
      m_requestDevice(std::move(requestDevice)),
      m_voice(m_mixer->addVoice()) {}

// The decoder goes first: its thread may be handing a clip to the voice.
MixerWavePlayer::~MixerWavePlayer() {
    m_decoder.reset();
    m_mixer->removeVoice(m_voice);
}

void MixerWavePlayer::setDeviceType(std::string type) { m_deviceType = std::move(type); }

void MixerWavePlayer::setFileName(std::string name) { m_fileName = std::move(name); }

void MixerWavePlayer::command(SoundCommand command) {
    switch (command) {
        case SoundCommand::Close:
            close();
            break;
        case SoundCommand::Open:
            open();
            break;
        case SoundCommand::Prev:
            m_mixer->rewind(m_voice);
            if (m_decoder) m_decoder->nudge();
            break;
        case SoundCommand::Play:
            play();
            break;
    }
}

int MixerWavePlayer::mode() const { return m_mixer->mode(m_voice); }

// A file whose header is not a sound's stays not open, as before any decoding.
void MixerWavePlayer::open() {
    close();
    if (m_fileName.empty()) return;
    std::string path = resolvePath(m_fileName);
    if (!waveHasSamples(path)) return;
    if (!m_decoder) m_decoder = std::make_unique<Decoder>(m_mixer, m_voice);
    auto [ticket, released] = m_mixer->expect(m_voice);
    m_decoder->start(ticket, std::move(path));
}

// The old clip is released here, outside the mixer's lock.
void MixerWavePlayer::close() {
    if (m_decoder) m_decoder->cancel();
    m_mixer->load(m_voice, nullptr);
}

void MixerWavePlayer::play() {
    if (m_mixer->play(m_voice)) m_requestDevice();
    if (m_decoder) m_decoder->nudge();
}

}  // namespace kz
