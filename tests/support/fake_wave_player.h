#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ports/wave_player.h"

namespace kz {

// A player for the windows' tests: plays nothing and records each command, so a test can read
// what the child would have heard. "Open" is recorded with the file name it opened ("Open X"), and
// with ' as "<type>"' appended when the device type was not "WaveAudio".
class FakeWavePlayer final : public WavePlayer {
public:
    // With a journal, every entry also goes there as "<name>: <entry>", so a test of several
    // players reads the order across them.
    explicit FakeWavePlayer(std::string name = {}, std::vector<std::string>* journal = nullptr);

    void setDeviceType(std::string type) override;
    void setFileName(std::string name) override;
    void command(SoundCommand command) override;
    int mode() const override;

    // Each "Play" makes the next `reads` calls of mode() report kModePlaying, so a test can check
    // that a caller waits for the end of a sound (0, the default, ends sounds at once).
    void setPlayingReads(int reads);

    const std::vector<std::string>& commands() const { return m_commands; }
    void clearCommands() { m_commands.clear(); }
    const std::string& fileName() const { return m_fileName; }

private:
    std::string m_name;
    std::vector<std::string>* m_journal;
    std::string m_deviceType;
    std::string m_fileName;
    std::vector<std::string> m_commands;
    int m_playingReads = 0;
    mutable int m_readsLeft = 0;
};

}  // namespace kz
