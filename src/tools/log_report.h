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
    std::string language = "en";           // the page's language code, for its lang attribute
};

// The weeks a report charts at most: the last ones with a session. Earlier sessions still count
// in each child's totals.
inline constexpr int kReportWeeks = 12;

// One self-contained HTML page (no scripts, no links to other files) on a class's reading: per
// child, the sessions and minutes in each program, the last session, and small bar charts (inline
// SVG) of the minutes and sessions of each week; then the children of the user list who never
// read. Every name is converted to UTF-8 and escaped. Printed, the table stays on one page for a
// class of about thirty children.
// The texts are those of the class's language where the desk installed its translations
// (kz::translate), English in wqadmin.
std::string logReportHtml(const ReportInput& input);

// A day as the page writes it ("7 March 2026"), in the same language as the page's texts: the
// desk's madeOn.
std::string reportDayText(int year, unsigned month, unsigned day);

}  // namespace kz::admin
