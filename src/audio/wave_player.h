#pragma once

#include <string>
#include <string_view>

namespace kz {

// One wave-audio player, driven the way the windows drive it: set the device type and the file
// name, then send commands by name. Used only from the user-interface thread.
//
//   "Close"  stops this player's sound at once and releases its file; harmless when nothing is
//            open.
//   "Open"   opens (and decodes) the file named by the file name, ready to play from its start.
//   "Prev"   stops and rewinds to the start.
//   "Play"   starts playing from the current position and returns at once; the sound goes on in
//            the background while the caller handles events.
//
// Command names are matched without regard to letter case; other names are ignored. The file name
// is a path as the programs build it (backslashes, any letter case). Failure is silence: an empty
// name, a missing, unreadable or corrupt file, or no usable sound output never raise an error or
// show a message, and a sound that cannot be heard ends at once, so a caller waiting for the end
// of a sound never waits for ever.
class WavePlayer {
  public:
    // The values mode() reports. Callers rely only on kModePlaying: it lasts from "Play" until the
    // last sample has gone out at the device's pace, or until "Close" or "Prev" stop the sound.
    static constexpr int kModeNotOpen = 524;
    static constexpr int kModeStopped = 525;
    static constexpr int kModePlaying = 526;

    virtual ~WavePlayer() = default;

    // The device type: "WaveAudio" is the only one the programs use. Kept, never checked.
    virtual void setDeviceType(std::string type) = 0;
    virtual void setFileName(std::string name) = 0;
    virtual void command(std::string_view name) = 0;
    virtual int mode() const = 0;
};

}  // namespace kz
