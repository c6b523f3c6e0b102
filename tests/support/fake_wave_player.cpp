#include "fake_wave_player.h"

namespace kz {

FakeWavePlayer::FakeWavePlayer(std::string name, std::vector<std::string>* journal)
    : m_name(std::move(name)), m_journal(journal) {}

void FakeWavePlayer::setDeviceType(std::string type) { m_deviceType = std::move(type); }

void FakeWavePlayer::setFileName(std::string name) { m_fileName = std::move(name); }

void FakeWavePlayer::command(SoundCommand command) {
    const std::string_view name = soundCommandName(command);
    std::string entry(name);
    if (command == SoundCommand::Open) {
        entry += " " + m_fileName;
        if (m_deviceType != "WaveAudio") entry += " as \"" + m_deviceType + "\"";
    } else if (command == SoundCommand::Play) {
        m_readsLeft = m_playingReads;
    } else if (command == SoundCommand::Close || command == SoundCommand::Prev) {
        m_readsLeft = 0;
    }
    if (m_journal != nullptr) m_journal->push_back(m_name + ": " + entry);
    m_commands.push_back(std::move(entry));
}

int FakeWavePlayer::mode() const {
    if (m_readsLeft > 0) {
        --m_readsLeft;
        return kModePlaying;
    }
    return kModeStopped;
}

void FakeWavePlayer::setPlayingReads(int reads) { m_playingReads = reads; }

}  // namespace kz
