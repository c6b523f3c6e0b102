#pragma once

#include <map>
#include <string>
#include <string_view>

namespace kz::admin {

// A calendar day.
struct Day {
    int year, month, day;  // month 1-12
    auto operator<=>(const Day&) const = default;
};

// Today on this computer's clock.
Day localToday();

// The Monday that starts the week holding `day`.
Day weekStart(const Day& day);

// What the log says of one child at a glance.
struct ChildSummary {
    std::string lastSession;  // the start of the latest session ("2026-03-07T09:05"), or empty
    int sessions = 0;         // all sessions in the log
    int weekMinutes = 0;      // minutes of the sessions that started in the week of `today`
};

// The summary of each user (as the log holds the name, Windows-1252) with a session in the
// log's text, reading the sessions as `loggedSessions` does.
std::map<std::string, ChildSummary> logSummary(std::string_view logText, const Day& today);

}  // namespace kz::admin
