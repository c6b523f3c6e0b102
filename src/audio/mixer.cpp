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

void Mixer::removeVoice(VoiceId id) {
    std::shared_ptr<const Clip> released;
    std::lock_guard lock(m_mutex);
    released = std::exchange(m_voices.at(id).clip, nullptr);
    m_voices[id] = Voice{};
}

std::shared_ptr<const Clip> Mixer::load(VoiceId id, std::shared_ptr<const Clip> clip) {
    std::lock_guard lock(m_mutex);
    Voice& voice = m_voices.at(id);
    voice.position = 0;
    voice.state = State::Stopped;
    voice.ticket = 0;
    voice.pending = voice.playWanted = voice.pendingAtEnd = false;
    return std::exchange(voice.clip, std::move(clip));
}

std::pair<Mixer::Ticket, std::shared_ptr<const Clip>> Mixer::expect(VoiceId id) {
    std::lock_guard lock(m_mutex);
    Voice& voice = m_voices.at(id);
    voice.position = 0;
    voice.state = State::Stopped;
    voice.ticket = ++m_lastTicket;
    voice.pending = true;
    voice.playWanted = false;
    voice.pendingAtEnd = false;
    return {voice.ticket, std::exchange(voice.clip, nullptr)};
}

bool Mixer::deliver(VoiceId id, Ticket ticket, const std::shared_ptr<const Clip>& clip) {
    std::lock_guard lock(m_mutex);
    Voice& voice = m_voices.at(id);
    if (!voice.inUse || !voice.pending || voice.ticket != ticket) return false;
    const bool played = std::exchange(voice.playWanted, false);
    const bool atEnd = std::exchange(voice.pendingAtEnd, false);
    voice.pending = false;
    voice.clip = clip;
    if (!clip) return false;
    voice.position = atEnd ? clip->frames() : 0;
    if (!played) return false;
    if (m_deviceGone) {
        voice.position = clip->frames();
        return false;
    }
    voice.state = State::Playing;
    voice.started = false;
    m_lastSound = Clock::now();
    return true;
}

void Mixer::rewind(VoiceId id) {
    std::lock_guard lock(m_mutex);
    Voice& voice = m_voices.at(id);
    voice.position = 0;
    voice.state = State::Stopped;
    voice.playWanted = voice.pendingAtEnd = false;
}

bool Mixer::play(VoiceId id) {
    std::lock_guard lock(m_mutex);
    Voice& voice = m_voices.at(id);
    if (voice.pending) {
        if (voice.playWanted || voice.pendingAtEnd) return false;
        if (m_deviceGone) {
            voice.pendingAtEnd = true;
            return false;
        }
        // The device is asked for now, so that it is ready when the clip comes.
        voice.playWanted = true;
        m_lastSound = Clock::now();
        return true;
    }
    if (!voice.clip || voice.state != State::Stopped) return false;
    if (voice.position >= voice.clip->frames()) return false;
    if (m_deviceGone) {
        voice.position = voice.clip->frames();
        return false;
    }
    voice.state = State::Playing;
    voice.started = false;
    m_lastSound = Clock::now();
    return true;
}

int Mixer::mode(VoiceId id) const {
    std::lock_guard lock(m_mutex);
    const Voice& voice = m_voices.at(id);
    if (voice.pending)
        return voice.playWanted ? WavePlayer::kModePlaying : WavePlayer::kModeStopped;
    if (!voice.clip) return WavePlayer::kModeNotOpen;
    return voice.state == State::Stopped ? WavePlayer::kModeStopped : WavePlayer::kModePlaying;
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

// Adds the voice's next samples to out; true when the voice was active in this buffer.
bool Mixer::mixVoice(Voice& voice, float* out, std::size_t frames) {
    if (voice.state == State::Ending) {
        voice.state = State::Stopped;  // the device took the buffer with the last samples
        return true;
    }
    if (voice.state != State::Playing) return false;
    const std::size_t count = std::min(frames, voice.clip->frames() - voice.position);
    const float* in = voice.clip->samples.data() + voice.position * kMixChannels;
    for (std::size_t i = 0; i < count * kMixChannels; ++i) out[i] += in[i];
    voice.position += count;
    if (voice.position >= voice.clip->frames()) voice.state = State::Ending;
    if (!voice.started) {
        voice.started = true;
        if (m_soundStartObserver) m_soundStartObserver();
    }
    return true;
}

bool Mixer::anyPlaying() const {
    std::lock_guard lock(m_mutex);
    return std::any_of(m_voices.begin(), m_voices.end(), [](const Voice& v) {
        return v.state != State::Stopped || (v.pending && v.playWanted);
    });
}

Mixer::Clock::time_point Mixer::lastSound() const {
    std::lock_guard lock(m_mutex);
    return m_lastSound;
}

void Mixer::endPlaying() {
    std::lock_guard lock(m_mutex);
    for (Voice& voice : m_voices) {
        if (voice.pending && voice.playWanted) {
            voice.playWanted = false;
            voice.pendingAtEnd = true;
        }
        if (voice.state == State::Stopped) continue;
        voice.state = State::Stopped;
        voice.position = voice.clip->frames();
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
