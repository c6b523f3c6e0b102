#include "log_csv.h"

#include <array>
#include <cstdio>
#include <optional>

#include "files/cp1252.h"

namespace kz::admin {
namespace {

// Reads a line from the left; every read either consumes what it asked for or fails.
class LineCursor {
public:
    explicit LineCursor(std::string_view line) : m_rest(line) {}

    bool literal(std::string_view text) {
        if (m_rest.substr(0, text.size()) != text) return false;
        m_rest.remove_prefix(text.size());
        return true;
    }
    // A run of ASCII digits of min to max characters, taken whole.
    std::optional<std::string_view> digits(size_t min, size_t max) {
        return run([](char c) { return c >= '0' && c <= '9'; }, min, max);
    }
    std::optional<std::string_view> letters() {
        return run([](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }, 1,
                   std::string_view::npos);
    }
    bool spaces() {
        return run([](char c) { return c == ' '; }, 1, std::string_view::npos).has_value();
    }
    bool atEnd() const { return m_rest.empty(); }

private:
    template <typename Pred>
    std::optional<std::string_view> run(Pred pred, size_t min, size_t max) {
        size_t n = 0;
        while (n < m_rest.size() && pred(m_rest[n])) ++n;
        if (n < min || n > max) return std::nullopt;
        const std::string_view taken = m_rest.substr(0, n);
        m_rest.remove_prefix(n);
        return taken;
    }

    std::string_view m_rest;
};

int smallNumber(std::string_view digits) {  // at most 4 digits, checked by the parser
    int n = 0;
    for (char c : digits) n = n * 10 + (c - '0');
    return n;
}

struct SessionHeader {
    std::string_view hour, minute, day, month, year, minutes;
    bool pm = false;
};

// "h:nn am, d mmmm yyyy.  Session time: N minute(s)."
std::optional<SessionHeader> parseHeader(std::string_view line) {
    LineCursor at(line);
    SessionHeader h;
    const auto hour = at.digits(1, 2);
    if (!hour || !at.literal(":")) return std::nullopt;
    const auto minute = at.digits(2, 2);
    if (!minute || !at.literal(" ")) return std::nullopt;
    h.pm = at.literal("pm");
    if (!h.pm && !at.literal("am")) return std::nullopt;
    if (!at.literal(", ")) return std::nullopt;
    const auto day = at.digits(1, 2);
    if (!day || !at.literal(" ")) return std::nullopt;
    const auto month = at.letters();
    if (!month || !at.literal(" ")) return std::nullopt;
    const auto year = at.digits(4, 4);
    if (!year || !at.literal(".  Session time: ")) return std::nullopt;
    const auto minutes = at.digits(1, std::string_view::npos);
    if (!minutes || !at.literal(" minute")) return std::nullopt;
    at.literal("s");
    if (!at.literal(".") || !at.atEnd()) return std::nullopt;
    // A time no clock shows ("99:99 pm") is a damaged entry, skipped as other damage is.
    if (smallNumber(*hour) < 1 || smallNumber(*hour) > 12 || smallNumber(*minute) > 59) {
        return std::nullopt;
    }
    h.hour = *hour;
    h.minute = *minute;
    h.day = *day;
    h.month = *month;
    h.year = *year;
    h.minutes = *minutes;
    return h;
}

// "   Words    12 mins" or "   Phrases   1 min": the program's name in the CSV.
std::optional<std::string_view> parseActivity(std::string_view line) {
    LineCursor at(line);
    if (!at.literal("   ")) return std::nullopt;
    std::string_view program;
    if (at.literal("Words")) {
        program = "Kiv";
    } else if (at.literal("Phrases")) {
        program = "Zan";
    } else {
        return std::nullopt;
    }
    if (!at.spaces() || !at.digits(1, std::string_view::npos) || !at.literal(" min")) {
        return std::nullopt;
    }
    at.literal("s");
    if (!at.atEnd()) return std::nullopt;
    return program;
}

// The header's start time as 2026-03-07T09:05; empty when the month is not known.
std::string isoTime(const SessionHeader& h) {
    static constexpr std::array<std::string_view, 12> kMonths = {
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    int month = 0;
    for (int i = 0; i < 12; ++i) {
        if (h.month == kMonths[i]) month = i + 1;
    }
    if (month == 0) return {};
    const int hour = smallNumber(h.hour) % 12 + (h.pm ? 12 : 0);
    char out[40];
    std::snprintf(out, sizeof out, "%.4s-%02d-%02dT%02d:%.2s", h.year.data(), month,
                  smallNumber(h.day), hour, h.minute.data());
    return out;
}

std::string csvCell(const std::string& utf8) {
    if (utf8.find_first_of(",\"\n") == std::string::npos) return utf8;
    std::string quoted = "\"";
    for (char c : utf8) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// Calls each(line) for every CR LF line of the log's text, in order.
template <class Each>
void forEachLine(std::string_view text, Each&& each) {
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        each(text.substr(start, end - start));
        start = end + 2;
    }
}

}  // namespace

std::vector<LoggedSession> loggedSessions(std::string_view text) {
    std::vector<LoggedSession> sessions;
    std::string_view user;
    std::string_view previous;
    forEachLine(text, [&](std::string_view line) {
        if (line.substr(0, 8) == "Log for ") {
            user = line.substr(8);
        } else if (const auto program = parseActivity(line)) {
            if (const auto header = parseHeader(previous)) {
                sessions.push_back({std::string(user), isoTime(*header),
                                    std::string(header->minutes), std::string(*program)});
            }
        }
        previous = line;
    });
    return sessions;
}

std::string notePrefix(int day, std::string_view month, int year) {
    return "Note, " + std::to_string(day) + " " + std::string(month) + " " + std::to_string(year) +
           ":";
}

std::vector<LoggedNote> loggedNotes(std::string_view text) {
    std::vector<LoggedNote> notes;
    std::string_view user;
    std::vector<std::string_view> entry;  // the lines since the last empty one
    const auto close = [&] {
        // A session is a header followed by its activity line; anything else is a note. A
        // session whose header is damaged (a time no clock shows) is skipped, not shown as a note.
        const bool session = entry.size() == 2 && parseActivity(entry[1]);
        if (!entry.empty() && !session && !user.empty()) {
            LoggedNote note{std::string(user), {}, {}};
            size_t first = 0;
            const std::string_view dateLine = entry[0];
            if (entry.size() > 1 && dateLine.substr(0, 6) == "Note, " && dateLine.back() == ':') {
                note.date = std::string(dateLine.substr(6, dateLine.size() - 7));
                first = 1;
            }
            for (size_t i = first; i < entry.size(); ++i) {
                if (i > first) note.text += "\n";
                note.text += std::string(entry[i]);
            }
            notes.push_back(std::move(note));
        }
        entry.clear();
    };
    forEachLine(text, [&](std::string_view line) {
        if (line.substr(0, 8) == "Log for ") {
            close();
            user = line.substr(8);
        } else if (line.empty() || line.substr(0, 3) == "===") {
            close();
        } else {
            entry.push_back(line);
        }
    });
    close();
    return notes;
}

std::string logCsv(std::string_view text) { return sessionsCsv(loggedSessions(text)); }

std::string sessionsCsv(const std::vector<LoggedSession>& sessions) {
    std::string csv = "user,start,minutes,program\n";
    for (const auto& s : sessions) {
        csv += csvCell(cp1252ToUtf8(s.user)) + ',' + s.start + ',' + s.minutes + ',' + s.program +
               '\n';
    }
    return csv;
}

}  // namespace kz::admin
