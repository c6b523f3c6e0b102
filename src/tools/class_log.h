#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "log_report.h"

namespace kz::admin {

// Days from `from` to `to`, both included, each written 2026-03-07; an empty end leaves that
// side open. Both ends empty: every entry, also those whose day the log does not give.
struct DayRange {
    std::string from, to;
    bool open() const { return from.empty() && to.empty(); }
};

// Fails with a message when an end is not a real day written 2026-03-07, or from is after to.
void checkRange(const DayRange& range);

// What the report of a class is made from: the log's sessions and notes, the user list's names,
// the folder's name and today's date. Fails with a message when dir holds none of an
// installation's files, or its log or user list cannot be read.
ReportInput readReportInput(const std::string& dir);

// The sessions, and the dated notes, of these days; a range that is not open leaves out entries
// whose day the log does not give (an undated note stays: it belongs to no day).
std::vector<LoggedSession> sessionsWithin(const std::vector<LoggedSession>& sessions,
                                          const DayRange& range);
ReportInput reportWithin(const ReportInput& input, const DayRange& range);

// The reading of a class, as the report counts it. Programs: 0 Kiv (Words), 1 Zan (Phrases).
struct SessionTally {
    uint64_t sessions = 0, minutes = 0;
};
struct ChildReading {
    std::string name;  // Windows-1252
    std::array<SessionTally, 2> total;
    std::map<std::string, std::array<SessionTally, 2>> weeks;  // by the week's Monday, 2026-03-02
    std::string lastStart;  // the latest session's start (2026-03-07T09:05), empty if undated
    int lastProgram = 0;
    uint64_t lastMinutes = 0;
};
struct ClassReading {
    std::vector<ChildReading> children;   // by name, letters without regard to case
    std::vector<std::string> neverRead;   // the user list's names without a session, its order
    std::array<SessionTally, 2> teacher;  // sessions signed in as Teacher, no child's reading
};
ClassReading classReading(const std::vector<LoggedSession>& sessions,
                          const std::vector<std::string>& listedUsers);

// A note's day as the log gives it ("7 March 2026") written 2026-03-07; empty if unreadable.
std::string noteDay(std::string_view date);

// The Monday of a day's week, both written 2026-03-07; empty when day is not a real day.
std::string mondayOfDay(std::string_view day);

}  // namespace kz::admin
