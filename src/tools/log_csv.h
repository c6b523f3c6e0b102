#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kz::admin {

// One session as the log records it.
struct LoggedSession {
    std::string user;     // as the log holds it: Windows-1252
    std::string start;    // 2026-03-07T09:05; empty when the header's month is not known
    std::string minutes;  // the session time's digits as written (any number of them)
    std::string program;  // "Kiv" (a "Words" entry) or "Zan" (a "Phrases" entry)
};

// The sessions of a tracking log's text in the log's order. A session is a header line
// ("9:05 am, 7 March 2026.  Session time: 12 minutes.") followed by its activity line
// ("   Words ... 12 mins") in a user's section; teachers' notes and anything else are left out.
// Lines are read with a cursor, never a backtracking pattern, so any line the log can hold is
// read in time proportional to its length.
std::vector<LoggedSession> loggedSessions(std::string_view text);

// A teacher's note (`wqadmin log add`) as the log holds it: an entry of lines under a user's
// name that is no session. `date` is the day its first line gives ("Note, 7 March 2026:"),
// empty for a note written without one.
struct LoggedNote {
    std::string user;  // Windows-1252
    std::string date;  // "7 March 2026", or empty
    std::string text;  // Windows-1252, lines joined by "\n", without the date line
};
std::vector<LoggedNote> loggedNotes(std::string_view text);

// The line a note written on this day starts with: "Note, 7 March 2026:".
std::string notePrefix(int day, std::string_view month, int year);

// The sessions of a tracking log's text as CSV, one row a session: user (UTF-8), start, minutes,
// program.
std::string logCsv(std::string_view text);
std::string sessionsCsv(const std::vector<LoggedSession>& sessions);

}  // namespace kz::admin
