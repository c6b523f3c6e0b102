#include "session/session_start.h"

#include "files/user_settings.h"
#include "ports/ports.h"
#include "session/app_state.h"
#include "session/sign_in_mode.h"
#include "session/startup.h"

namespace kz {

SessionStart startSession(AppState& state, Clock& clock,
                          const std::function<std::optional<std::string>()>& signIn) {
    SessionStart start;
    state.userName = kNobodySignedIn;
    const SignInMode mode(state.global.userMode());
    if (mode.asksName()) {
        const std::optional<std::string> name = signIn();
        if (!name) {
            start.outcome = SessionStart::Outcome::Quit;
            return start;
        }
        state.userName = *name;
    }
    start.startedAt = clock.localTime();
    start.startSeconds = static_cast<float>(clock.secondsSinceMidnight());
    if (mode.readsSettingsAtStart()) {
        start.settingsFile = mode.settingsFile(state.userName, state.workSettings.voiceA());
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

bool endSession(AppState& state, HostPorts& host, Clock& clock, Random& random,
                const SessionStart& start, std::string_view activity) {
    if (!state.sessionActivity || state.global.logSessions() != 1) return false;
    const auto end = static_cast<float>(clock.secondsSinceMidnight());
    const std::string entry =
        composeSessionEntry(start.startedAt, start.startSeconds, end, activity);
    return writeSessionLog(state, host, entry, random);
}

}  // namespace kz
