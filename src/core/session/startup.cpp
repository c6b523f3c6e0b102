#include "session/startup.h"

#include <filesystem>

#include "files/paths.h"
#include "files/shown_text.h"
#include "files/text.h"
#include "files/tracking_log.h"
#include "ports/ports.h"
#include "session/app_state.h"
#include "session/design_size.h"
#include "session/find_data_file.h"
#include "session/host_ports.h"

namespace kz {

std::string installationDirectory(std::string_view argv0, std::string_view pathVariable,
                                  std::string_view workingDirectory) {
    namespace fs = std::filesystem;
    fs::path program(argv0);
    if (std::string_view(argv0).find('/') == std::string_view::npos) {
        for (size_t start = 0; start <= pathVariable.size();) {
            size_t end = pathVariable.find(':', start);
            if (end == std::string_view::npos) end = pathVariable.size();
            fs::path dir(pathVariable.substr(start, end - start));
            if (dir.empty()) dir = ".";
            std::error_code ec;
            if (fs::is_regular_file(dir / program, ec)) {
                program = dir / program;
                break;
            }
            start = end + 1;
        }
    }
    if (program.is_relative()) program = fs::path(workingDirectory) / program;
    // Lexical only: "." and ".." go, symbolic links stay.
    return fromSystemPath(program.lexically_normal().parent_path().string());
}

void settleDataDirectory(AppState& state, HostPorts& host, std::string_view commandLine) {
    const std::string remembered = state.global.dataDir();
    if (!remembered.empty()) {
        state.dataDir = remembered;
        return;
    }
    const auto argument = trimSpaces(commandLine);
    if (!argument.empty()) state.dataDir = fromSystemPath(argument);
    // A folder whose name Windows-1252 cannot hold is used for this session and not stored,
    // silently, as a failed save is.
    if (!storablePath(state.dataDir)) return;
    const std::string dir = state.dataDir;
    saveGlobalSettings(state, host, false, [&dir](GlobalSettings& g) { g.setDataDir(dir); });
}

ScaleFactors scaleFactors(double clientWidthTwips, double clientHeightTwips) {
    auto snap = [](float f) { return (f > 0.99f && f < 1.01f) ? 1.0f : f; };
    const float x = snap(static_cast<float>(clientWidthTwips / double(kDesignClientWidth)));
    const float y = snap(static_cast<float>(clientHeightTwips / double(kDesignClientHeight)));
    return {x, y, std::min(x, y)};
}

int logRetryWaitMs(Random& random) {
    constexpr int kStepMs = 10;
    int elapsedBeyond = 0;  // milliseconds past the first 0.3 seconds
    while (random.next() >= elapsedBeyond / 1000.0) elapsedBeyond += kStepMs;
    return 300 + elapsedBeyond;
}

bool writeSessionLog(AppState& state, HostPorts& host, std::string_view entry, Random& random) {
    bool warned = false;
    bool written = false;
    while (!written) {
        host.setBusy(true);
        for (int attempt = 0; attempt < 6 && !written; ++attempt) {
            const AppendOutcome outcome = appendToLog(state.appDir, entry, state.userName);
            written = outcome.written;
            if (outcome.warnTooLong && !warned) {
                // Once a session, not once a try: a failing log would otherwise repeat it.
                warned = true;
                host.message(logTooLongMessage(), logTooLongCaption(), MessageIcon::Information,
                             MessageButtons::Ok);
            }
            if (!written) host.pause(logRetryWaitMs(random));
        }
        host.setBusy(false);
        if (written) break;
        const auto answer =
            host.message(translate("kz::Startup",
                                   "It was not possible to update the tracking log file with "
                                   "details of this session.\n\nDo you want to try again?"),
                         translate("kz::Startup", "Can't write to log"), MessageIcon::Exclamation,
                         MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes) break;
    }
    return written;
}

}  // namespace kz
