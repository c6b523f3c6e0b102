#include "mixer.h"

#include <algorithm>
#include <utility>

#include "ports/wave_player.h"

namespace kz {

Mixer::VoiceId Mixer::addVoice() {
    std::lock_guard lock(m_mutex);
    for (VoiceId id = 0; id < m_voices.size(); ++id) {
        if (!m_voices[id].inUse) {
            m_voices[id].inUse = true;
            return id;
        }
    }
    m_voices.emplace_back().inUse = true;
    return m_voices.size() - 1;
}

Mixer::Pieces Mixer::Voice::reset() {
    toStart();
    frames = 0;
    state = State::Stopped;
    ticket = 0;
    decoding = atEnd = false;
    return std::exchange(pieces, {});
}

void Mixer::removeVoice(VoiceId id) {
    Pieces released;
    std::lock_guard lock(m_mutex);
    released = m_voices.at(id).reset();
    m_voices[id] = Voice{};
}

Mixer::Pieces Mixer::load(VoiceId id, std::shared_ptr<const Clip> clip) {
    std::lock_guard lock(m_mutex);
    Voice& voice = m_voices.at(id);
    Pieces held = voice.reset();
    if (clip && clip->frames() > 0) {
        voice.frames = clip->frames();
        voice.pieces.push_back(std::move(clip));
    }
    return held;
}

std::pair<Mixer::Ticket, Mixer::Pieces> Mixer::expect(VoiceId id) {
    std::lock_guard lock(m_mutex);
    Voice& voice = m_voices.at(id);
    Pieces held = voice.reset();
    voice.ticket = ++m_lastTicket;
    voice.decoding = true;
    return {voice.ticket, std::move(held)};
}

void Mixer::deliver(VoiceId id, Ticket ticket, std::shared_ptr<const Clip> piece, bool last) {
    std::lock_guard lock(m_mutex);
    Voice& voice = m_voices.at(id);
    if (!voice.inUse || !voice.decoding || voice.ticket != ticket) return;
    if (piece && piece->frames() > 0) {
        voice.frames += piece->frames();
        voice.pieces.push_back(std::move(piece));
        if (voice.atEnd) voice.toEnd();
    }
    if (!last) return;
    voice.decoding = voice.atEnd = false;
    voice.ticket = 0;
    // Nothing at all came: the voice is left empty, as for a file that could not be opened.
    if (voice.pieces.empty()) voice.state = State::Stopped;
}

void Mixer::rewind(VoiceId id) {
    std::lock_guard lock(m_mutex);
    Voice& voice = m_voices.at(id);
    voice.toStart();
    voice.state = State::Stopped;
    voice.atEnd = false;
}

bool Mixer::play(VoiceId id) {
    std::lock_guard lock(m_mutex);
    Voice& voice = m_voices.at(id);
    if (voice.state != State::Stopped) return false;
    if (voice.decoding) {
        if (voice.atEnd) return false;
    } else if (voice.position >= voice.frames) {
        return false;  // at its end, or empty
    }
    if (m_deviceGone) {
        voice.toEnd();
        voice.atEnd = voice.decoding;
        return false;
    }
    // While pieces are still to come, the device is asked for now, so that it is ready for them.
    voice.state = State::Playing;
    voice.started = false;
    m_lastSound = Clock::now();
    return true;
}

int Mixer::mode(VoiceId id) const {
    std::lock_guard lock(m_mutex);
    const Voice& voice = m_voices.at(id);
    if (!voice.decoding && voice.pieces.empty()) return WavePlayer::kModeNotOpen;
    return voice.state == State::Stopped ? WavePlayer::kModeStopped : WavePlayer::kModePlaying;
}

Mixer::Lead Mixer::lead(VoiceId id) const {
    std::lock_guard lock(m_mutex);
    const Voice& voice = m_voices.at(id);
    return {voice.state == State::Playing, voice.frames - std::min(voice.position, voice.frames)};
}

void Mixer::mix(float* out, std::size_t frames) {
    std::fill(out, out + frames * kMixChannels, 0.0f);
    std::lock_guard lock(m_mutex);
    bool sounded = false;
    for (Voice& voice : m_voices) sounded = mixVoice(voice, out, frames) || sounded;
    if (!sounded) return;
    m_lastSound = Clock::now();
    std::transform(out, out + frames * kMixChannels, out,
                   [](float v) { return std::clamp(v, -1.0f, 1.0f); });
}

// Adds the voice's next samples to out; true when the voice was active in this buffer (a voice
// waiting for its next piece counts: it is playing, only late).
bool Mixer::mixVoice(Voice& voice, float* out, std::size_t frames) {
    if (voice.state == State::Ending) {
        voice.state = State::Stopped;  // the device took the buffer with the last samples
        return true;
    }
    if (voice.state != State::Playing) return false;
    std::size_t done = 0;
    while (done < frames && voice.piece < voice.pieces.size()) {
        const Clip& clip = *voice.pieces[voice.piece];
        const std::size_t count = std::min(frames - done, clip.frames() - voice.offset);
        const float* in = clip.samples.data() + voice.offset * kMixChannels;
        float* to = out + done * kMixChannels;
        for (std::size_t i = 0; i < count * kMixChannels; ++i) to[i] += in[i];
        done += count;
        voice.position += count;
        voice.offset += count;
        if (voice.offset >= clip.frames()) {
            ++voice.piece;
            voice.offset = 0;
        }
    }
    if (voice.position >= voice.frames && !voice.decoding) voice.state = State::Ending;
    if (done > 0 && !voice.started) {
        voice.started = true;
        if (m_soundStartObserver) m_soundStartObserver();
    }
    return true;
}

bool Mixer::anyPlaying() const {
    std::lock_guard lock(m_mutex);
    return std::any_of(m_voices.begin(), m_voices.end(),
                       [](const Voice& v) { return v.state != State::Stopped; });
}

Mixer::Clock::time_point Mixer::lastSound() const {
    std::lock_guard lock(m_mutex);
    return m_lastSound;
}

void Mixer::endPlaying() {
    std::lock_guard lock(m_mutex);
    for (Voice& voice : m_voices) {
        if (voice.state == State::Stopped) continue;
        voice.state = State::Stopped;
        voice.toEnd();
        voice.atEnd = voice.decoding;
    }
}

void Mixer::setDeviceGone(bool gone) {
    {
        std::lock_guard lock(m_mutex);
        m_deviceGone = gone;
    }
    if (gone) endPlaying();
}

void Mixer::setSoundStartObserver(std::function<void()> observer) {
    std::lock_guard lock(m_mutex);
    m_soundStartObserver = std::move(observer);
}

}  // namespace kz
