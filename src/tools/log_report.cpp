#include "log_report.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <tuple>

#include "admin_common.h"
#include "class_log.h"
#include "files/cp1252.h"
#include "files/shown_text.h"
#include "report_words.h"

namespace kz::admin {
namespace {

namespace chr = std::chrono;
using namespace report;

constexpr int kPrograms = 2;  // 0: Words (Kiv), 1: Phrases (Zan)
constexpr std::array<const char*, kPrograms> kColours = {"#3f9b2f", "#2f6db5"};

// Text for HTML: &, <, >, " and ' escaped; control characters, which no name should hold,
// shown as the replacement character.
std::string escaped(std::string_view utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const bool c1 = c == 0xC2 && i + 1 < utf8.size() &&
                        static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
        if (c1) ++i;
        if (c1 || c < 0x20 || c == 0x7F) {
            out += "\xEF\xBF\xBD";
        } else if (c == '&') {
            out += "&amp;";
        } else if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else if (c == '"') {
            out += "&quot;";
        } else if (c == '\'') {
            out += "&#39;";
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string nameHtml(std::string_view cp1252) { return escaped(cp1252ToUtf8(cp1252)); }

// The session time's digits as a number; an absurd length counts as a day's worth of minutes
// at most per session, so that one damaged entry cannot swamp a child's totals.
uint64_t minutesOf(std::string_view digits) {
    constexpr uint64_t kMost = 24 * 60;
    uint64_t n = 0;
    for (char c : digits) {
        n = n * 10 + static_cast<uint64_t>(c - '0');
        if (n > kMost) return kMost;
    }
    return n;
}

struct Moment {
    chr::sys_days day;
    int hour, minute;
};

// 2026-03-07T09:05 as a day and time; nullopt when it is empty or names no real day.
std::optional<Moment> momentOf(std::string_view iso) {
    if (iso.size() != 16) return std::nullopt;
    auto number = [&](size_t at, size_t n) {
        int v = 0;
        for (size_t i = at; i < at + n; ++i) v = v * 10 + (iso[i] - '0');
        return v;
    };
    const chr::year_month_day date{chr::year(number(0, 4)), chr::month(unsigned(number(5, 2))),
                                   chr::day(unsigned(number(8, 2)))};
    if (!date.ok()) return std::nullopt;
    return Moment{chr::sys_days(date), number(11, 2), number(14, 2)};
}

chr::sys_days mondayOf(chr::sys_days day) { return day - (chr::weekday(day) - chr::Monday); }

std::string dateText(chr::sys_days day, bool shortMonth) {
    const chr::year_month_day d(day);
    return dayText(int(d.year()), unsigned(d.month()), unsigned(d.day()), shortMonth);
}

std::string timeText(const Moment& m) { return clockText(m.hour, m.minute); }

struct Tally {
    uint64_t sessions = 0, minutes = 0;
};

struct Child {
    std::string name;  // Windows-1252
    std::array<Tally, kPrograms> total;
    std::map<chr::sys_days, std::array<Tally, kPrograms>> weeks;
    const LoggedSession* last = nullptr;
    std::optional<Moment> lastAt;
};

int programIndex(const LoggedSession& s) { return s.program == "Zan" ? 1 : 0; }

// Names in the order a teacher looks them up: letters without regard to case.
bool alphabetical(const Child* a, const Child* b) {
    auto folded = [](const std::string& name) {
        std::string out = cp1252ToUtf8(name);
        for (char& c : out) {
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        }
        return out;
    };
    const auto fa = folded(a->name), fb = folded(b->name);
    return fa != fb ? fa < fb : a->name < b->name;
}

std::vector<Child> tallied(const std::vector<LoggedSession>& sessions) {
    std::vector<Child> children;
    std::map<std::string, size_t> at;
    for (const auto& s : sessions) {
        auto [it, added] = at.emplace(s.user, children.size());
        if (added) children.push_back({s.user, {}, {}, nullptr, std::nullopt});
        Child& c = children[it->second];
        const int p = programIndex(s);
        const uint64_t minutes = minutesOf(s.minutes);
        c.total[p].sessions += 1;
        c.total[p].minutes += minutes;
        const auto moment = momentOf(s.start);
        if (moment) {
            Tally& week = c.weeks[mondayOf(moment->day)][p];
            week.sessions += 1;
            week.minutes += minutes;
        }
        // The latest dated session; an undated one only while no dated one is known.
        const auto key = [](const Moment& m) { return std::tuple(m.day, m.hour, m.minute); };
        if (moment ? !c.lastAt || key(*moment) >= key(*c.lastAt) : !c.lastAt) {
            c.last = &s;
            c.lastAt = moment;
        }
    }
    return children;
}

constexpr int kWeekWidth = 22, kBarWidth = 8, kChartHeight = 38, kBarArea = 27;

std::string svgOpen(int width, int height, const std::string& label) {
    return "<svg width=\"" + std::to_string(width) + "\" height=\"" + std::to_string(height) +
           "\" viewBox=\"0 0 " + std::to_string(width) + " " + std::to_string(height) +
           "\" role=\"img\" aria-label=\"" + label + "\">";
}

// The week labels above the charts: day and month of each week's Monday.
std::string weekAxis(const std::vector<chr::sys_days>& weeks) {
    std::string svg = svgOpen(int(weeks.size()) * kWeekWidth, 24,
                              sentence(translate("kz::admin::Report", "Weeks, by their Monday")));
    for (size_t i = 0; i < weeks.size(); ++i) {
        const chr::year_month_day d(weeks[i]);
        const int x = int(i) * kWeekWidth + kWeekWidth / 2;
        svg += "<text x=\"" + std::to_string(x) + "\" y=\"10\" text-anchor=\"middle\">" +
               std::to_string(unsigned(d.day())) + "</text><text x=\"" + std::to_string(x) +
               "\" y=\"21\" text-anchor=\"middle\">" + shortMonthName(unsigned(d.month())) +
               "</text>";
    }
    return svg + "</svg>";
}

// A child's weeks: per week a bar for each program, its height the minutes (on the class's own
// scale), the number of sessions above it; each bar's title says it in words.
std::string weekChart(const Child& c, const std::vector<chr::sys_days>& weeks,
                      uint64_t mostMinutes) {
    const int width = int(weeks.size()) * kWeekWidth;
    std::string svg =
        svgOpen(width, kChartHeight,
                sentence(translate("kz::admin::Report", "Minutes and sessions each week")));
    svg += "<line x1=\"0\" y1=\"" + std::to_string(kChartHeight - 1) + "\" x2=\"" +
           std::to_string(width) + "\" y2=\"" + std::to_string(kChartHeight - 1) +
           "\" stroke=\"#999\" stroke-width=\"1\"/>";
    for (size_t i = 0; i < weeks.size(); ++i) {
        const auto week = c.weeks.find(weeks[i]);
        if (week == c.weeks.end()) continue;
        for (int p = 0; p < kPrograms; ++p) {
            const Tally& t = week->second[p];
            if (t.sessions == 0) continue;
            const int height =
                std::max<int>(2, int(double(t.minutes) / double(mostMinutes) * kBarArea + 0.5));
            const int x = int(i) * kWeekWidth + 2 + p * (kBarWidth + 1);
            const int y = kChartHeight - 1 - height;
            //: A bar's title: %1 the week's Monday, %2 the activity, %3 the sessions, %4 the
            //: minutes ("Week of 2 March 2026, Words: 2 sessions, 17 minutes").
            svg += "<g><title>" +
                   sentence(translate("kz::admin::Report", "Week of %1, %2: %3, %4"),
                            {dateText(weeks[i], false), activityName(p), sessionsText(t.sessions),
                             minutesText(t.minutes)}) +
                   "</title><rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) +
                   "\" width=\"" + std::to_string(kBarWidth) + "\" height=\"" +
                   std::to_string(height) + "\" fill=\"" + kColours[p] + "\"/><text x=\"" +
                   std::to_string(x + kBarWidth / 2) + "\" y=\"" + std::to_string(y - 2) +
                   "\" text-anchor=\"middle\">" + std::to_string(t.sessions) + "</text></g>";
        }
    }
    return svg + "</svg>";
}

std::string tallyCell(const Tally& t) {
    if (t.sessions == 0) return "<td class=\"num none\">&ndash;</td>";
    return "<td class=\"num\">" + sessionsText(t.sessions) + "<br>" +
           sentence(translate("kz::admin::Report", "%1 min"), {std::to_string(t.minutes)}) +
           "</td>";
}

std::string lastCell(const Child& c) {
    const int p = programIndex(*c.last);
    std::string when = sentence(translate("kz::admin::Report", "date not readable"));
    if (c.lastAt) {
        //: The last session: %1 the weekday's short name, %2 the day, %3 the time
        //: ("Wed 11 Mar 2026, 2:15 pm").
        when = sentence(translate("kz::admin::Report", "%1 %2, %3"),
                        {shortDayName(chr::weekday(c.lastAt->day).c_encoding()),
                         dateText(c.lastAt->day, true), timeText(*c.lastAt)});
    }
    //: The last session's activity (%1) and minutes (%2).
    return "<td>" + when + "<br><span class=\"what\">" +
           sentence(translate("kz::admin::Report", "%1, %2 min"),
                    {activityName(p), std::to_string(minutesOf(c.last->minutes))}) +
           "</span></td>";
}

const char* const kStyle = R"css(
body { font-family: "Liberation Sans", Arial, Helvetica, sans-serif; color: #222; margin: 24px; }
h1 { font-size: 22px; margin: 0; }
h2 { font-size: 16px; margin: 20px 0 6px; }
p { margin: 4px 0; font-size: 13px; }
.sub { color: #555; margin-bottom: 10px; }
.notes td { font-size: 12px; color: #444; }
.notes ul { margin: 0; padding-left: 16px; }
.key { display: inline-block; width: 10px; height: 10px; margin: 0 3px 0 10px; }
table { border-collapse: collapse; }
th, td { padding: 3px 8px; border-bottom: 1px solid #ddd; text-align: left;
         vertical-align: middle; font-size: 13px; }
th { font-size: 12px; color: #444; border-bottom: 2px solid #888; vertical-align: bottom; }
td.name { font-weight: bold; }
td.num { text-align: right; white-space: nowrap; }
td.none { color: #aaa; }
td.chart, th.chart { padding-top: 0; padding-bottom: 0; }
.what { color: #555; font-size: 12px; }
svg { display: block; }
svg text { font-size: 9px; fill: #333; }
ul.never { list-style: none; display: flex; flex-wrap: wrap; gap: 2px 24px; max-width: 640px;
           font-size: 13px; margin: 4px 0; padding: 0; }
* { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
@page { size: A4; margin: 10mm; }
@media print {
  body { margin: 0; }
  th, td { font-size: 10px; padding: 1px 5px; }
  .what { font-size: 9px; }
  p, ul.never { font-size: 10px; }
  h2 { font-size: 12px; margin-top: 8px; }
  tr, .nevers { break-inside: avoid; }
}
)css";

// A class printed on one A4 page: the page's height, less its margins, in CSS pixels; and the
// printed height of the page's parts, measured in Chromium with a margin to spare.
constexpr double kPrintedPage = 1000, kPrintedTop = 110, kPrintedRow = 41, kPrintedNames = 60;

// The print style's zoom that keeps a class of this many children (and names never read) on one
// page; empty when the page fits as it is.
std::string printZoom(size_t rows, size_t neverRead) {
    const double height =
        kPrintedTop + kPrintedRow * double(rows) + kPrintedNames * double((neverRead + 5) / 6);
    if (height <= kPrintedPage) return {};
    const int percent = std::max(40, int(kPrintedPage / height * 100));
    return "@media print { body { zoom: " + std::to_string(percent) + "%; } }\n";
}

// The charted weeks: the last kReportWeeks up to the class's latest week with a session.
std::vector<chr::sys_days> chartedWeeks(const std::vector<Child>& children) {
    std::set<chr::sys_days> all;
    for (const auto& c : children) {
        for (const auto& [week, tally] : c.weeks) all.insert(week);
    }
    std::vector<chr::sys_days> weeks;
    if (all.empty()) return weeks;
    const chr::sys_days first =
        std::max(*all.begin(), *all.rbegin() - chr::weeks(kReportWeeks - 1));
    for (auto w = first; w <= *all.rbegin(); w += chr::weeks(1)) weeks.push_back(w);
    return weeks;
}

// The list's names without a session, once each, in the list's order; "Teacher" is the
// teacher's own name.
std::vector<std::string> neverRead(const std::vector<std::string>& listed,
                                   const std::vector<Child>& children) {
    std::set<std::string> seen;
    for (const auto& c : children) seen.insert(c.name);
    std::vector<std::string> names;
    for (const auto& name : listed) {
        if (!name.empty() && name != "Teacher" && seen.insert(name).second) {
            names.push_back(name);
        }
    }
    return names;
}

// The teacher's own name on the sign-in list: sessions under it are no child's reading.
bool isTeacher(const std::string& name) { return name == "Teacher"; }

// A note's day as the log writes it ("7 March 2026", in English whatever the class's language),
// written as the page writes days; as it stands when it names no day.
std::string noteDateHtml(const std::string& date) {
    const std::string day = noteDay(date);  // 2026-03-07
    if (day.empty()) return nameHtml(date);
    return dayText(std::stoi(day.substr(0, 4)), unsigned(std::stoi(day.substr(5, 2))),
                   unsigned(std::stoi(day.substr(8, 2))), false);
}

// A note's lines, each escaped, joined by line breaks.
std::string noteHtml(const std::string& cp1252) {
    std::string html;
    for (size_t start = 0;;) {
        const size_t end = cp1252.find('\n', start);
        html += nameHtml(std::string_view(cp1252).substr(start, end - start));
        if (end == std::string::npos) return html;
        html += "<br>";
        start = end + 1;
    }
}

// A child's notes, dated, as a row under the child's row.
std::string notesRow(const std::string& child, const std::vector<LoggedNote>& notes) {
    std::string items;
    for (const auto& n : notes) {
        if (n.user != child) continue;
        const std::string text = noteHtml(n.text);
        items += "<li>" +
                 (n.date.empty() ? std::string() : "<b>" + noteDateHtml(n.date) + ":</b> ") + text +
                 "</li>";
    }
    if (items.empty()) return {};
    return "<tr class=\"notes\"><td></td><td colspan=\"4\"><ul>" + items + "</ul></td></tr>\n";
}

std::string tableHtml(const std::vector<Child>& children, const std::vector<LoggedNote>& notes) {
    std::vector<const Child*> order;
    for (const auto& c : children) order.push_back(&c);
    std::sort(order.begin(), order.end(), alphabetical);
    const std::vector<chr::sys_days> weeks = chartedWeeks(children);
    uint64_t mostMinutes = 1;
    for (const auto& c : children) {
        for (const auto& [week, tally] : c.weeks) {
            for (const Tally& t : tally) mostMinutes = std::max(mostMinutes, t.minutes);
        }
    }
    std::string html = "<p>";
    for (int p = 0; p < kPrograms; ++p) {
        html += std::string("<span class=\"key\" style=\"background:") + kColours[p] +
                "\"></span>" + activityName(p) + (p == 0 ? " (Kiv)" : " (Zan)");
    }
    html += ". " +
            sentence(translate("kz::admin::Report",
                               "A bar's height is the minutes read that week; the figure above it, "
                               "the sessions.")) +
            "</p>\n<table>\n<thead><tr><th>" + sentence(translate("kz::admin::Report", "Child")) +
            "</th><th>" + sentence(translate("kz::admin::Report", "Last session")) + "</th><th>" +
            activityName(0) + "</th><th>" + activityName(1) + "</th><th class=\"chart\">" +
            weekAxis(weeks) + "</th></tr></thead>\n<tbody>\n";
    for (const Child* c : order) {
        html += "<tr><td class=\"name\">" + nameHtml(c->name) + "</td>" + lastCell(*c) +
                tallyCell(c->total[0]) + tallyCell(c->total[1]) + "<td class=\"chart\">" +
                weekChart(*c, weeks, mostMinutes) + "</td></tr>\n" + notesRow(c->name, notes);
    }
    return html + "</tbody>\n</table>\n";
}

}  // namespace

std::string reportDayText(int year, unsigned month, unsigned day) {
    return dayText(year, month, day, false);
}

std::string logReportHtml(const ReportInput& input) {
    std::vector<LoggedSession> childSessions, teacherSessions;
    for (const auto& s : input.sessions) {
        (isTeacher(s.user) ? teacherSessions : childSessions).push_back(s);
    }
    const std::vector<Child> children = tallied(childSessions);
    const std::vector<std::string> never = neverRead(input.listedUsers, children);
    const std::vector<chr::sys_days> weeks = chartedWeeks(children);

    const std::string title =
        sentence(translate("kz::admin::Report", "Reading report: %1"), {escaped(input.className)});
    std::string html = "<!DOCTYPE html>\n<html lang=\"" + escaped(input.language) +
                       "\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                       "<title>" +
                       title + "</title>\n<style>" + kStyle +
                       printZoom(children.size(), never.size()) + "</style>\n</head>\n<body>\n";
    html += "<h1>" + title + "</h1>\n<p class=\"sub\">" +
            sentence(translate("kz::admin::Report", "From the tracking log, made on %1."),
                     {escaped(input.madeOn)});
    if (!weeks.empty()) {
        const std::string sessions = sessionsText(childSessions.size());
        const std::string charted = weeksText(weeks.size());
        const std::string from = dateText(weeks.front(), false);
        //: %1 the sessions ("6 sessions"), %2 the weeks charted ("2 weeks"), %3 the first
        //: week's Monday.
        html +=
            " " + (children.size() == 1
                       ? sentence(translate("kz::admin::Report",
                                            "1 child read in %1; the charts show %2 from %3."),
                                  {sessions, charted, from})
                       //: %1 the children's number, %2 the sessions ("6 sessions"), %3 the
                       //: weeks charted ("2 weeks"), %4 the first week's Monday.
                       : sentence(translate("kz::admin::Report",
                                            "%1 children read in %2; the charts show %3 from %4."),
                                  {std::to_string(children.size()), sessions, charted, from}));
    }
    html += "</p>\n";
    html += children.empty()
                ? "<p>" +
                      sentence(translate("kz::admin::Report", "The log holds no sessions yet.")) +
                      "</p>\n"
                : tableHtml(children, input.notes);
    // Notes on a name without a child's session (the Teacher, a child who has not read yet).
    std::set<std::string> inTable;
    for (const auto& c : children) inTable.insert(c.name);
    std::string others;
    for (const auto& n : input.notes) {
        if (inTable.count(n.user)) continue;
        others += "<li>" + nameHtml(n.user) + ", " +
                  (n.date.empty() ? std::string() : noteDateHtml(n.date) + ": ") +
                  noteHtml(n.text) + "</li>";
    }
    if (!others.empty()) {
        html += "<h2>" + sentence(translate("kz::admin::Report", "Other notes")) +
                "</h2>\n<ul class=\"notes\">" + others + "</ul>\n";
    }
    if (!teacherSessions.empty()) {
        const Child teacher = tallied(teacherSessions).front();
        //: "Teacher" is the teacher's name on the sign-in list; %1 the sessions of Words
        //: ("2 sessions"), %2 those of Phrases, %3 the minutes of both ("7 minutes").
        html += "<p class=\"teacher\">" +
                sentence(translate("kz::admin::Report",
                                   "Signed in as Teacher (not counted above): %1 of Words, %2 of "
                                   "Phrases, %3."),
                         {sessionsText(teacher.total[0].sessions),
                          sessionsText(teacher.total[1].sessions),
                          minutesText(teacher.total[0].minutes + teacher.total[1].minutes)}) +
                "</p>\n";
    }

    //: A heading; %1 the number of names under it.
    html += "<div class=\"nevers\">\n<h2>" +
            sentence(translate("kz::admin::Report", "On the user list, never read (%1)"),
                     {std::to_string(never.size())}) +
            "</h2>\n";
    if (never.empty()) {
        html += "<p>" +
                sentence(translate("kz::admin::Report", "Everyone on the user list has read.")) +
                "</p>\n";
    } else {
        html += "<ul class=\"never\">";
        for (const auto& name : never) html += "<li>" + nameHtml(name) + "</li>";
        html += "</ul>\n";
    }
    return html + "</div>\n</body>\n</html>\n";
}

ClassReading classReading(const std::vector<LoggedSession>& sessions,
                          const std::vector<std::string>& listedUsers) {
    std::vector<LoggedSession> childSessions, teacherSessions;
    for (const auto& s : sessions)
        (isTeacher(s.user) ? teacherSessions : childSessions).push_back(s);
    const std::vector<Child> children = tallied(childSessions);
    ClassReading reading;
    reading.neverRead = neverRead(listedUsers, children);
    std::vector<const Child*> order;
    for (const auto& c : children) order.push_back(&c);
    std::sort(order.begin(), order.end(), alphabetical);
    const auto tallies = [](const std::array<Tally, kPrograms>& from) {
        std::array<SessionTally, 2> to;
        for (int p = 0; p < kPrograms; ++p) to[p] = {from[p].sessions, from[p].minutes};
        return to;
    };
    for (const Child* c : order) {
        ChildReading child;
        child.name = c->name;
        child.total = tallies(c->total);
        for (const auto& [monday, week] : c->weeks) {
            const chr::year_month_day d(monday);
            const auto two = [](unsigned n) { return (n < 10 ? "0" : "") + std::to_string(n); };
            child.weeks[std::to_string(int(d.year())) + "-" + two(unsigned(d.month())) + "-" +
                        two(unsigned(d.day()))] = tallies(week);
        }
        if (c->last) {
            child.lastStart = c->lastAt ? c->last->start : std::string();
            child.lastProgram = programIndex(*c->last);
            child.lastMinutes = minutesOf(c->last->minutes);
        }
        reading.children.push_back(std::move(child));
    }
    if (!teacherSessions.empty()) reading.teacher = tallies(tallied(teacherSessions).front().total);
    return reading;
}

}  // namespace kz::admin
