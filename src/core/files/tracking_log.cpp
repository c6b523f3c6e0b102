#include "files/tracking_log.h"

#include <cmath>
#include <cstdio>

#include "files/shown_text.h"
#include "files/text.h"

namespace kz {

std::optional<std::string> decodeLogText(std::string_view fileBytes) {
    if (fileBytes.size() < 2) return std::nullopt;
    const size_t length = static_cast<unsigned char>(fileBytes[0]) |
                          (static_cast<size_t>(static_cast<unsigned char>(fileBytes[1])) << 8);
    if (fileBytes.size() < 2 + length) return std::nullopt;
    return std::string(fileBytes.substr(2, length));
}

std::string encodeLogFile(std::string_view oldFile, std::string_view text) {
    std::string out;
    out += static_cast<char>(text.size() & 0xFF);
    out += static_cast<char>((text.size() >> 8) & 0xFF);
    out += text;
    if (oldFile.size() > out.size()) out += oldFile.substr(out.size());
    return out;
}

namespace {

// Where the user's section ends (the next "Log" or "===" after its header line, or the end of
// the text); nullopt when the user has no section.
std::optional<size_t> sectionEnd(std::string_view text, std::string_view userName) {
    const std::string header = "Log for " + std::string(userName);
    for (size_t p = text.find(header); p != std::string_view::npos; p = text.find(header, p + 1)) {
        const bool lineStart = p == 0 || text[p - 1] == '\n';
        const size_t after = p + header.size();
        const bool lineEnd = after == text.size() || text.substr(after, 2) == kNewLine;
        if (!lineStart || !lineEnd) continue;
        size_t q = std::min(after + 2, text.size());
        while (q < text.size() && text.substr(q, 3) != "Log" && text.substr(q, 3) != "===") ++q;
        return q;
    }
    return std::nullopt;
}

}  // namespace

std::string insertLogEntry(std::string_view text, std::string_view entry,
                           std::string_view userName) {
    std::string out(text);
    const std::string addition = std::string(entry) + std::string(kNewLine);
    if (const auto q = sectionEnd(text, userName)) {
        out.insert(*q, addition);
        return out;
    }
    out += "=====";
    out += kNewLine;
    out += "Log for " + std::string(userName);
    out += kNewLine;
    out += kNewLine;
    out += addition;
    return out;
}

std::string renameLogSection(std::string_view text, std::string_view oldName,
                             std::string_view newName) {
    const std::string oldHeader = "Log for " + std::string(oldName);
    std::string out;
    size_t pos = 0;
    while (pos <= text.size()) {
        const size_t found = text.find(kNewLine, pos);
        const size_t end = found == std::string_view::npos ? text.size() : found;
        const std::string_view line = text.substr(pos, end - pos);
        out += line == oldHeader ? "Log for " + std::string(newName) : std::string(line);
        if (found == std::string_view::npos) break;
        out += kNewLine;
        pos = end + kNewLine.size();
    }
    return out;
}

std::string logTooLongCaption() { return translate("kz::TrackingLog", "Log too long"); }

std::string logTooLongMessage() {
    return translate("kz::TrackingLog",
                     "Message for teacher.\n\nThe tracking log file is nearly full.\n\n"
                     "Please delete some of it.");
}

std::string formatMinutes(float start, float end, bool longForm) {
    const float s = end - start + 50.0f;
    const auto rounded = static_cast<long>(std::nearbyint(s));
    long minutes = rounded / 60;  // truncates toward zero, also for a session past midnight
    if (s < 0) minutes += 1440;
    std::string text = std::to_string(minutes) + " min";
    if (longForm) text += "ute";
    if (minutes != 1) text += "s";
    return text;
}

std::string composeSessionEntry(const LocalTime& t, float startSeconds, float endSeconds,
                                std::string_view activity) {
    static constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                              "May",       "June",     "July",     "August",
                                              "September", "October",  "November", "December"};
    const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
    char header[96];
    std::snprintf(header, sizeof header, "%d:%02d %s, %d %s %d", hour12, t.minute,
                  t.hour < 12 ? "am" : "pm", t.day, kMonths[(t.month + 11) % 12], t.year);
    std::string entry = header;
    entry += ".  Session time: " + formatMinutes(startSeconds, endSeconds, true) + ".";
    entry += kNewLine;
    entry += "   " + padField(activity, 13) + std::string(30, ' ');
    const std::string shortForm = formatMinutes(startSeconds, endSeconds, false);
    const size_t digits = shortForm.find(' ');
    if (digits < 3) entry += std::string(3 - digits, ' ');
    entry += shortForm;
    entry += kNewLine;
    return entry;
}

}  // namespace kz
