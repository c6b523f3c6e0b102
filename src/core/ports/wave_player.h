#pragma once

#include <string>
#include <string_view>

namespace kz {

// The commands a player takes (the names the players were always driven by).
//   Close  stops this player's sound at once and releases its file; harmless when nothing is open.
//   Open   opens (and decodes) the file named by the file name, ready to play from its start.
//   Prev   stops and rewinds to the start.
//   Play   starts playing from the current position and returns at once; the sound goes on in
//          the background while the caller handles events.
enum class SoundCommand { Close, Open, Prev, Play };

// The command's name as it is written in logs and test journals: "Close", "Open", "Prev", "Play".
std::string_view soundCommandName(SoundCommand command);

// One wave-audio player, driven the way the windows drive it: set the device type and the file
// name, then send commands. Used only from the user-interface thread.
//
// The file name is a path as the programs build it (backslashes, any letter case). Failure is
// silence: an empty name, a missing, unreadable or corrupt file, or no usable sound output never
// raise an error or show a message, and a sound that cannot be heard ends at once, so a caller
// waiting for the end of a sound never waits for ever.
class WavePlayer {
public:
    // The values mode() reports. Callers rely only on kModePlaying: it lasts from Play until the
    // last sample has gone out at the device's pace, or until Close or Prev stop the sound.
    static constexpr int kModeNotOpen = 524;
    static constexpr int kModeStopped = 525;
    static constexpr int kModePlaying = 526;

    virtual ~WavePlayer() = default;

    // The device type: "WaveAudio" is the only one the programs use. Kept, never checked.
    virtual void setDeviceType(std::string type) = 0;
    virtual void setFileName(std::string name) = 0;
    virtual void command(SoundCommand command) = 0;
    virtual int mode() const = 0;

    bool isPlaying() const { return mode() == kModePlaying; }

    // Close, the device type "WaveAudio", the file name, Open: a sound ready to play.
    void prepare(std::string fileName);
};

}  // namespace kz
