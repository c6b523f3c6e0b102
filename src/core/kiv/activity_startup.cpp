#include "kiv/activity_startup.h"

#include <cctype>
#include <filesystem>

#include "files/paths.h"
#include "ports/ports.h"
#include "ports/wave_player.h"
#include "session/app_state.h"
#include "session/chooser.h"
#include "session/find_data_file.h"
#include "session/host_ports.h"

namespace kz {

namespace {

bool isFolder(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(resolvePath(path), ec);
}

// The digits a name starts with, read as a number (0 without any).
long leadingNumber(std::string_view name) {
    long n = 0;
    for (char c : name) {
        if (!std::isdigit(static_cast<unsigned char>(c))) break;
        n = n * 10 + (c - '0');
        if (n > 1000) break;  // far past the range looked for
    }
    return n;
}

void setUpSounds(AppState& state, ProgramPorts& ports) {
    ports.clickOrPagePlayer.prepare(joinPath(state.dataDir, "WAVS\\CLICK.WAV"));
    ports.wordPlayer.command(SoundCommand::Close);
    ports.wordPlayer.setDeviceType("WaveAudio");
}

}  // namespace

bool dataSetPresent(std::string_view dataDir) {
    if (!isFolder(joinPath(dataDir, "BMPS"))) return false;
    const std::string data = joinPath(dataDir, "DATA");
    if (!isFolder(data)) return false;
    for (const std::string& name : listFolder(data, "*.DAT")) {
        const long n = leadingNumber(name);
        if (n >= 17 && n <= 32) return true;
    }
    return false;
}

bool runDataCheck(AppState& state, ProgramPorts& ports) {
    const std::string atEntry = state.dataDir;
    for (;;) {
        setUpSounds(state, ports);
        state.sessionActivity = true;
        if (dataSetPresent(state.dataDir)) break;
        // The dialog itself waits about a second after "Try again", so a CD just put in has
        // time to be read before the next round.
        if (ports.host.showRecoveryDialog(kRecoveryYellowCd, state) == RecoveryAnswer::Quit) {
            return false;
        }
    }
    if (!sameDirectory(state.dataDir, atEntry)) {
        const RecoveryAnswer answer = ports.host.showRecoveryDialog(kRecoverySuccess, state);
        if (answer == RecoveryAnswer::Quit) return false;
        if (answer == RecoveryAnswer::KeepPermanently) {
            const std::string dir = state.dataDir;
            saveGlobalSettings(state, ports.host, true,
                               [&dir](GlobalSettings& g) { g.setDataDir(dir); });
        }
    }
    return true;
}

std::string storedWordListName(std::string_view fileName) {
    const size_t slash = fileName.find_last_of("\\/");
    if (slash != std::string_view::npos) fileName.remove_prefix(slash + 1);
    return std::string(fileName.substr(0, fileName.find('.')).substr(0, 8));
}

std::string startListPath(std::string_view dataDir, std::string_view wordRange) {
    return joinPath(dataDir, "WORDLIST\\" + storedWordListName(wordRange) + ".TXT");
}

}  // namespace kz
