#include "session/session_start.h"

#include "files/user_settings.h"
#include "ports/ports.h"
#include "session/app_state.h"

namespace kz {

SessionStart startSession(AppState& state, Clock& clock,
                          const std::function<std::optional<std::string>()>& signIn) {
    SessionStart start;
    state.userName = "Unknown";
    const int16_t mode = state.global.userMode();
    if (mode % 2 != 0) {
        const std::optional<std::string> name = signIn();
        if (!name) {
            start.outcome = SessionStart::Outcome::Quit;
            return start;
        }
        state.userName = *name;
    }
    start.startedAt = clock.localTime();
    start.startSeconds = static_cast<float>(clock.secondsSinceMidnight());
    if (mode >= 0 && mode <= 3) {
        start.settingsFile = settingsFileName(mode, state.userName, state.workSettings.voiceA());
        auto settings = loadUserSettings(state.appDir, start.settingsFile);
        if (!settings) {
            start.outcome = SessionStart::Outcome::SettingsMissing;
            start.error = settings.error();
            return start;
        }
        state.fileSettings = settings.value();
        state.wordRange = wordRange(state.fileSettings);
        state.workSettings = state.fileSettings;
    }
    state.started = true;
    return start;
}

}  // namespace kz
