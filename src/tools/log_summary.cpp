#include "log_summary.h"

#include <charconv>
#include <ctime>

#include "log_csv.h"

namespace kz::admin {
namespace {

// Days since 1 March of year 0 in the proleptic Gregorian calendar: differences of days and
// weekdays without the C library's time zones.
long dayNumber(const Day& d) {
    const int y = d.month <= 2 ? d.year - 1 : d.year;
    const int m = d.month <= 2 ? d.month + 9 : d.month - 3;
    return 365L * y + y / 4 - y / 100 + y / 400 + (153 * m + 2) / 5 + d.day - 1;
}

Day fromDayNumber(long n) {
    long y = (10000 * n + 14780) / 3652425;
    long doy = n - (365 * y + y / 4 - y / 100 + y / 400);
    if (doy < 0) {
        --y;
        doy = n - (365 * y + y / 4 - y / 100 + y / 400);
    }
    const long mi = (100 * doy + 52) / 3060;
    const int month = static_cast<int>(mi < 10 ? mi + 3 : mi - 9);
    const int year = static_cast<int>(y + (month <= 2 ? 1 : 0));
    const int day = static_cast<int>(doy - (mi * 306 + 5) / 10 + 1);
    return {year, month, day};
}

int number(std::string_view text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

Day localToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

Day weekStart(const Day& day) {
    const long n = dayNumber(day);
    // Day number 0 (1 March of year 0) was a Wednesday, so Mondays are the numbers 5 modulo 7.
    const long sinceMonday = ((n - 5) % 7 + 7) % 7;
    return fromDayNumber(n - sinceMonday);
}

std::map<std::string, ChildSummary> logSummary(std::string_view logText, const Day& today) {
    const Day monday = weekStart(today);
    const long first = dayNumber(monday), last = first + 6;
    std::map<std::string, ChildSummary> out;
    for (const auto& s : loggedSessions(logText)) {
        ChildSummary& child = out[s.user];
        ++child.sessions;
        if (s.start.size() < 10) continue;  // a month the log's reader did not know
        if (s.start > child.lastSession) child.lastSession = s.start;
        const Day d{number(std::string_view(s.start).substr(0, 4)),
                    number(std::string_view(s.start).substr(5, 2)),
                    number(std::string_view(s.start).substr(8, 2))};
        const long n = dayNumber(d);
        if (n >= first && n <= last && s.minutes.size() <= 6)
            child.weekMinutes += number(s.minutes);
    }
    return out;
}

}  // namespace kz::admin
