#include "mixer_wave_player.h"

#include "files/paths.h"
#include "files/text.h"
#include "wave_decoder.h"

namespace kz {

MixerWavePlayer::MixerWavePlayer(std::shared_ptr<Mixer> mixer, std::function<void()> requestDevice)
    : m_mixer(std::move(mixer)),
      m_requestDevice(std::move(requestDevice)),
      m_voice(m_mixer->addVoice()) {}

MixerWavePlayer::~MixerWavePlayer() { m_mixer->removeVoice(m_voice); }

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
            break;
        case SoundCommand::Play:
            play();
            break;
    }
}

int MixerWavePlayer::mode() const { return m_mixer->mode(m_voice); }

void MixerWavePlayer::open() {
    close();
    if (m_fileName.empty()) return;
    auto clip = decodeWave(resolvePath(m_fileName));
    m_mixer->load(m_voice, std::move(clip));
}

// The old clip is released here, outside the mixer's lock.
void MixerWavePlayer::close() { m_mixer->load(m_voice, nullptr); }

void MixerWavePlayer::play() {
    if (m_mixer->play(m_voice)) m_requestDevice();
}

}  // namespace kz
