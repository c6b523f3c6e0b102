#pragma once

#include <string>
#include <vector>

#include "log_csv.h"

namespace kz::admin {

struct ReportInput {
    std::string className;  // UTF-8: the installation folder's name, the page's heading
    std::string madeOn;     // UTF-8: the day the report was made, as the page shows it
    std::vector<LoggedSession> sessions;
    std::vector<LoggedNote> notes;
    std::vector<std::string> listedUsers;  // the user list's names, Windows-1252
};

// The weeks a report charts at most: the last ones with a session. Earlier sessions still count
// in each child's totals.
inline constexpr int kReportWeeks = 12;

// One self-contained HTML page (no scripts, no links to other files) on a class's reading: per
// child, the sessions and minutes in each program, the last session, and small bar charts (inline
// SVG) of the minutes and sessions of each week; then the children of the user list who never
// read. Every name is converted to UTF-8 and escaped. Printed, the table stays on one page for a
// class of about thirty children.
std::string logReportHtml(const ReportInput& input);

}  // namespace kz::admin
