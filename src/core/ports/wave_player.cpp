#include "ports/wave_player.h"

namespace kz {

std::string_view soundCommandName(SoundCommand command) {
    switch (command) {
        case SoundCommand::Close:
            return "Close";
        case SoundCommand::Open:
            return "Open";
        case SoundCommand::Prev:
            return "Prev";
        case SoundCommand::Play:
            return "Play";
    }
    return {};
}

void WavePlayer::prepare(std::string fileName) {
    command(SoundCommand::Close);
    setDeviceType("WaveAudio");
    setFileName(std::move(fileName));
    command(SoundCommand::Open);
}

}  // namespace kz
