#pragma once

#include <string>
#include <string_view>

namespace kz::admin {

// The sessions of a tracking log's text as CSV, one row a session: user, start, minutes,
// program. A session is a header line ("9:05 am, 7 March 2026.  Session time: 12 minutes.")
// followed by its activity line ("   Words ... 12 mins"); teachers' notes and anything else
// are left out. Lines are read with a cursor, never a backtracking pattern, so any line the log
// can hold is read in time proportional to its length.
std::string logCsv(std::string_view text);

}  // namespace kz::admin
