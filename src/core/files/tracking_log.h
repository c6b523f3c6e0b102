#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kz {

// LOG.WQ: a 16-bit little-endian length, then the log text (Windows-1252, CR LF lines), grouped
// in one section per user: "=====", "Log for <name>", an empty line, then the user's entries.
inline constexpr size_t kLogTextLimit = 32765;
inline constexpr size_t kLogWarnLength = 26000;

// The text of a log file; nullopt when the file is shorter than its length prefix says.
std::optional<std::string> decodeLogText(std::string_view fileBytes);

// The new file content for a text: prefix and text, then whatever the old file held past them.
std::string encodeLogFile(std::string_view oldFile, std::string_view text);

// The text with entry + CR LF added at the end of the user's section, or in a new section at the
// end. A section is found by its whole header line, so "Sam" never lands in "Samantha"'s.
std::string insertLogEntry(std::string_view text, std::string_view entry,
                           std::string_view userName);

// The text with every header line "Log for " + oldName (the whole line) reading "Log for " +
// newName, so that a renamed user's earlier entries show under the new name; the rest unchanged.
std::string renameLogSection(std::string_view text, std::string_view oldName,
                             std::string_view newName);

struct AppendOutcome {
    bool written = false;
    // The text was already past 26000 characters: the teacher is asked to trim the log,
    // whatever the write's outcome.
    bool warnTooLong = false;
};

std::string logPath(std::string_view appDir);

// Adds an entry to the installation's log. Fails, leaving the file as it was, when the log is
// missing or empty, cannot be read or written, or would pass 32765 characters. Updates from
// several processes (several computers sharing the folder) are serialised by a lock on the file.
AppendOutcome appendToLog(std::string_view appDir, std::string_view entry,
                          std::string_view userName);

// Renames a user's section of the installation's log under the log's lock. True when it was
// renamed or there is nothing to rename (no log, an empty one, no such section); false when the
// log cannot be read or written or the new text would pass 32765 characters.
bool renameInLog(std::string_view appDir, std::string_view oldName, std::string_view newName);

// The caption and text of the warning shown when the log passes 26000 characters.
std::string logTooLongCaption();
std::string logTooLongMessage();

// Minutes between two times of day (seconds since midnight), rounded up from 10 seconds past a
// minute, across midnight too: "1 min", "12 mins", or in the long form "1 minute", "12 minutes".
std::string formatMinutes(float start, float end, bool longForm);

// The two-line entry a program adds at the end of a session: the start time and the session
// time, then the activity ("Words" or "Phrases") with the minutes in a right-aligned column.
struct LocalTime {
    int year, month, day, hour, minute;  // month 1-12
};
std::string composeSessionEntry(const LocalTime& startedAt, float startSeconds, float endSeconds,
                                std::string_view activity);

}  // namespace kz
