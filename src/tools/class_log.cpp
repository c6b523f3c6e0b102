#include "class_log.h"

#include <chrono>
#include <filesystem>

#include "admin_common.h"
#include "command_failed.h"
#include "console_text.h"
#include "files/paths.h"
#include "files/shown_text.h"
#include "files/user_list.h"

namespace kz::admin {
namespace {

namespace chr = std::chrono;

// A folder that holds none of an installation's files is most likely a mistyped name: say so
// rather than name one missing file.
void checkInstallation(const std::string& dir) {
    for (const char* name : {"GLOBSET.WQ", "USERS.WQ", "LOG.WQ"}) {
        if (fileLength(joinPath(dir, name))) return;
    }
    throw CommandFailed(sentence(translate("kz::admin::Class",
                                           "%1 is not an installation of Kiv and Zan: it holds "
                                           "no GLOBSET.WQ, USERS.WQ or LOG.WQ (wqadmin init makes "
                                           "them)."),
                                 {terminalPath(dir)}));
}

// The installation folder's own name, as the page's heading.
std::string className(const std::string& dir) {
    auto path = std::filesystem::path(resolvePath(dir));
    if (!path.has_filename()) path = path.parent_path();
    path = std::filesystem::absolute(path).lexically_normal();
    if (!path.has_filename()) path = path.parent_path();
    const std::string name = withValidUtf8(path.filename().string());
    return name.empty() ? "/" : name;
}

bool digitsAt(std::string_view text, size_t at, size_t n) {
    if (at + n > text.size()) return false;
    for (size_t i = at; i < at + n; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
    }
    return true;
}

int numberAt(std::string_view text, size_t at, size_t n) {
    int v = 0;
    for (size_t i = at; i < at + n; ++i) v = v * 10 + (text[i] - '0');
    return v;
}

// 2026-03-07 as a day; nullopt when it is written otherwise or names no real day.
std::optional<chr::sys_days> dayOf(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !digitsAt(text, 0, 4) ||
        !digitsAt(text, 5, 2) || !digitsAt(text, 8, 2)) {
        return std::nullopt;
    }
    const chr::year_month_day day{chr::year(numberAt(text, 0, 4)),
                                  chr::month(unsigned(numberAt(text, 5, 2))),
                                  chr::day(unsigned(numberAt(text, 8, 2)))};
    if (!day.ok()) return std::nullopt;
    return chr::sys_days(day);
}

std::string isoText(chr::sys_days day) {
    const chr::year_month_day d(day);
    auto two = [](unsigned n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); };
    return std::to_string(int(d.year())) + "-" + two(unsigned(d.month())) + "-" +
           two(unsigned(d.day()));
}

}  // namespace

std::string noteDay(std::string_view date) {
    static constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                              "May",       "June",     "July",     "August",
                                              "September", "October",  "November", "December"};
    const size_t space = date.find(' '), last = date.rfind(' ');
    if (space == std::string_view::npos || space == last || space == 0 || space > 2) return {};
    if (!digitsAt(date, 0, space) || date.size() - last - 1 != 4 || !digitsAt(date, last + 1, 4)) {
        return {};
    }
    const std::string_view month = date.substr(space + 1, last - space - 1);
    for (unsigned m = 0; m < 12; ++m) {
        if (month != kMonths[m]) continue;
        const chr::year_month_day day{chr::year(numberAt(date, last + 1, 4)), chr::month(m + 1),
                                      chr::day(unsigned(numberAt(date, 0, space)))};
        return day.ok() ? isoText(chr::sys_days(day)) : std::string();
    }
    return {};
}

namespace {

bool dayWithin(std::string_view day, const DayRange& range) {
    if (range.open()) return true;
    if (day.size() < 10 || !dayOf(day.substr(0, 10))) return false;
    const std::string_view d = day.substr(0, 10);
    return (range.from.empty() || d >= range.from) && (range.to.empty() || d <= range.to);
}

}  // namespace

void checkRange(const DayRange& range) {
    for (const auto& [day, option] : {std::pair{&range.from, "--from"}, {&range.to, "--to"}}) {
        if (!day->empty() && !dayOf(*day)) {
            throw CommandFailed(std::string(option) + " takes a day written as 2026-03-07, not \"" +
                                withValidUtf8(*day) + "\".");
        }
    }
    if (!range.from.empty() && !range.to.empty() && range.from > range.to) {
        throw CommandFailed("--from " + range.from + " is after --to " + range.to + ".");
    }
}

std::string mondayOfDay(std::string_view day) {
    const auto d = dayOf(day);
    if (!d) return {};
    return isoText(*d - (chr::weekday(*d) - chr::Monday));
}

ReportInput readReportInput(const std::string& dir) {
    checkInstallation(dir);
    ReportInput input;
    const std::string log = readLogText(dir);
    input.sessions = loggedSessions(log);
    input.notes = loggedNotes(log);
    auto users = loadUserList(dir);
    if (!users) failWith(users.error());
    input.listedUsers.assign(users.value().begin() + 1, users.value().end());
    input.className = className(dir);
    input.madeOn = todayText();
    return input;
}

std::vector<LoggedSession> sessionsWithin(const std::vector<LoggedSession>& sessions,
                                          const DayRange& range) {
    std::vector<LoggedSession> kept;
    for (const auto& s : sessions) {
        if (dayWithin(s.start, range)) kept.push_back(s);
    }
    return kept;
}

ReportInput reportWithin(const ReportInput& input, const DayRange& range) {
    ReportInput kept = input;
    kept.sessions = sessionsWithin(input.sessions, range);
    kept.notes.clear();
    for (const auto& n : input.notes) {
        if (n.date.empty() || dayWithin(noteDay(n.date), range)) kept.notes.push_back(n);
    }
    return kept;
}

}  // namespace kz::admin
