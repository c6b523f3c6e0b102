#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "files/tracking_log.h"
#include "session/fatal_error.h"

namespace kz {

struct AppState;
class Clock;
class HostPorts;
class Random;

// The session's start, as the main window's load makes it after the display check.
struct SessionStart {
    enum class Outcome {
        Started,
        Quit,            // the user quit at sign-in: the program ends, nothing is logged
        SettingsMissing  // the settings file in force is missing, empty or unreadable: `error`
    };
    Outcome outcome = Outcome::Started;
    FatalError error;
    float startSeconds = 0;    // time of day, for the session time at the end
    LocalTime startedAt{};     // for the log entry's header
    std::string settingsFile;  // the file in force ("TEACHER.WQ", a child's own); empty: none
};

// Starts the session: the user is "Unknown" unless UserMode is odd, when signIn() gives the chosen
// name (nullopt: the user quit). Then the start time and date from the clock; then the settings
// file in force (TEACHER.WQ in modes 0-2, the user's own in mode 3, none in any other mode) is
// read into the file copy and the working copy, and the started flag is set.
SessionStart startSession(AppState& state, Clock& clock,
                          const std::function<std::optional<std::string>()>& signIn);

// Ends the session, as the main window's unload does after closing help and the players: when a
// child window marked the session worth logging and LogSessions is 1, the entry (the start's
// date and time, the minutes until the clock's time now, the program's activity, "Words" or
// "Phrases") is written under the signed-in name with the log's retries and questions. Returns
// whether an entry was written; nothing is written for a session that was never logged.
bool endSession(AppState& state, HostPorts& host, Clock& clock, Random& random,
                const SessionStart& start, std::string_view activity);

}  // namespace kz
