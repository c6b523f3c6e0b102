#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "mixer.h"
#include "ports/wave_player.h"

namespace kz {

// A player on one voice of the program's mixer. "Open" checks the file's header at once and
// decodes the samples in pieces on a thread of the player's own, so that a long recording never
// holds up the window that opens it and its first sound waits only for its first piece; "Play"
// only flips the voice on and asks for the device, and a sound played before its first piece is
// decoded starts as soon as it is.
class MixerWavePlayer final : public WavePlayer {
public:
    MixerWavePlayer(std::shared_ptr<Mixer> mixer, std::function<void()> requestDevice);
    ~MixerWavePlayer() override;
    MixerWavePlayer(const MixerWavePlayer&) = delete;
    MixerWavePlayer& operator=(const MixerWavePlayer&) = delete;

    void setDeviceType(std::string type) override;
    void setFileName(std::string name) override;
    void command(SoundCommand command) override;
    int mode() const override;

private:
    class Decoder;

    void open();
    void close();
    void play();

    std::shared_ptr<Mixer> m_mixer;
    std::function<void()> m_requestDevice;
    Mixer::VoiceId m_voice;
    std::string m_deviceType;
    std::string m_fileName;
    std::unique_ptr<Decoder> m_decoder;  // made at the first file opened
};

}  // namespace kz
