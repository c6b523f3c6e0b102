#include "session/find_data_file.h"

#include <cmath>

#include "files/paths.h"
#include "session/app_state.h"
#include "session/host_ports.h"

namespace kz {

int millisecondsToNextSecond(double now) {
    const double deadline = std::floor(now) + 1;
    return static_cast<int>(std::ceil((deadline - now) * 1000)) + 1;
}

bool saveGlobalSettings(AppState& state, HostPorts& host, bool showMessage,
                        const std::function<void(GlobalSettings&)>& change) {
    change(state.global);
    host.setBusy(true);
    // A vanished file is written whole from what this program holds.
    const auto written = updateGlobalSettings(state.appDir, change, state.global);
    host.setBusy(false);
    const bool saved = written.has_value();
    if (saved) state.global = *written;
    if (!saved && showMessage) {
        host.message(globalSaveFailedMessage(), {}, MessageIcon::Exclamation, MessageButtons::Ok);
        if (auto reread = loadGlobalSettings(state.appDir)) state.global = reread.value();
    }
    return saved;
}

std::array<std::string, 2> dataFileLocations(std::string_view appDir, std::string_view dataDir,
                                             std::string_view name) {
    return {joinPath(appDir, name), joinPath(dataDir, name)};
}

std::string findDataFile(AppState& state, HostPorts& host, std::string_view name, bool askUser) {
    const std::string dataDirAtEntry = state.dataDir;
    bool triedAgain = false;
    for (;;) {
        auto [inAppDir, inDataDir] = dataFileLocations(state.appDir, state.dataDir, name);
        if (fileLength(inAppDir)) return inAppDir;
        if (fileLength(inDataDir)) {
            if (triedAgain && !sameDirectory(state.dataDir, dataDirAtEntry)) {
                // The user has just named a new data location and the file is there: the
                // dialog asks whether to keep it.
                const RecoveryAnswer answer = host.showRecoveryDialog(kRecoverySuccess, state);
                if (answer == RecoveryAnswer::Quit) return {};
                if (answer == RecoveryAnswer::KeepPermanently) {
                    const std::string dir = state.dataDir;
                    saveGlobalSettings(state, host, true,
                                       [&dir](GlobalSettings& g) { g.setDataDir(dir); });
                }
            }
            return inDataDir;
        }
        if (!askUser) return {};
        const RecoveryAnswer answer = host.showRecoveryDialog(name, state);
        if (answer == RecoveryAnswer::Quit) return {};
        triedAgain = answer == RecoveryAnswer::TryAgain;
    }
}

}  // namespace kz
