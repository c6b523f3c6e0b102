#include <CLI/CLI.hpp>
#include <iostream>
#include <regex>

#include "admin_common.h"
#include "command_failed.h"
#include "commands.h"
#include "files/cp1252.h"
#include "files/paths.h"
#include "files/text.h"
#include "files/tracking_log.h"

namespace kz::admin {
namespace {

std::string readLogText(const std::string& dir) {
    const auto bytes = readWholeFile(logPath(dir));
    if (!bytes || bytes->empty()) failWith({"file", logPath(dir)});
    const auto text = decodeLogText(*bytes);
    if (!text) {
        throw CommandFailed(terminalPath(logPath(dir)) +
                            " is damaged: its length prefix says more than it holds.");
    }
    return *text;
}

std::string csvCell(const std::string& utf8) {
    if (utf8.find_first_of(",\"\n") == std::string::npos) return utf8;
    std::string quoted = "\"";
    for (char c : utf8) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// A session header: "9:05 am, 7 March 2026.  Session time: 12 minutes."
const std::regex kHeader(
    R"(^(\d{1,2}):(\d\d) (am|pm), (\d{1,2}) ([A-Za-z]+) (\d{4})\.  Session time: (\d+) minutes?\.$)");
// The activity line under it.
const std::regex kActivity(R"(^   (Words|Phrases) +\d+ mins?$)");

// The header's start time as 2026-03-07T09:05; empty when the month is not known.
std::string isoTime(const std::smatch& m) {
    static const char* kMonths[] = {"January",   "February", "March",    "April",
                                    "May",       "June",     "July",     "August",
                                    "September", "October",  "November", "December"};
    int month = 0;
    for (int i = 0; i < 12; ++i) {
        if (m[5] == kMonths[i]) month = i + 1;
    }
    if (month == 0) return {};
    const int hour = std::stoi(m[1]) % 12 + (m[3] == "pm" ? 12 : 0);
    char out[40];
    std::snprintf(out, sizeof out, "%s-%02d-%02dT%02d:%s", m[6].str().c_str(), month,
                  std::stoi(m[4]), hour, m[2].str().c_str());
    return out;
}

// One row a logged session: user, start, minutes, program (teachers' notes are left out).
void printCsv(const std::string& text) {
    std::cout << "user,start,minutes,program\n";
    std::string user;
    std::string previous;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 2;
        std::smatch header, activity;
        if (line.rfind("Log for ", 0) == 0) {
            user = line.substr(8);
        } else if (std::regex_match(line, activity, kActivity) &&
                   std::regex_match(previous, header, kHeader)) {
            std::cout << csvCell(cp1252ToUtf8(user)) << ',' << isoTime(header) << ',' << header[7]
                      << ',' << (activity[1] == "Words" ? "Kiv" : "Zan") << '\n';
        }
        previous = line;
    }
}

// A teacher's note as the log holds it: CR LF lines, nothing that would end the section early
// for later entries.
std::string noteText(const std::string& utf8) {
    std::string text;
    for (size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') continue;
        text += utf8[i] == '\n' ? std::string(kNewLine) : std::string(1, utf8[i]);
    }
    text = toFileText(text, "The text");
    if (text.find("Log") != std::string::npos || text.find("===") != std::string::npos) {
        throw CommandFailed(
            "The text may not hold \"Log\" or \"===\": they would end the user's section early.");
    }
    // Ends with a line break as a session entry does, so entries stay one empty line apart.
    return text + std::string(kNewLine);
}

void addNote(const std::string& dir, const std::string& user, const std::string& utf8Text) {
    const std::string name = toFileText(user, "The user name");
    const std::string text = noteText(utf8Text);
    readLogText(dir);  // a clear message for a missing, empty or damaged log
    const AppendOutcome outcome = appendToLog(dir, text, name);
    if (outcome.warnTooLong) std::cerr << forTerminal(logTooLongMessage()) << '\n';
    if (!outcome.written) {
        throw CommandFailed("The log was not changed: " + terminalPath(logPath(dir)) +
                            " could not be written, or the entry would take it past 32765 "
                            "characters.");
    }
}

}  // namespace

void addLogCommands(CLI::App& app) {
    auto* cmd = app.add_subcommand("log", "Print the tracking log (LOG.WQ), or add a note to it");
    auto dir = std::make_shared<std::string>();
    auto csv = std::make_shared<bool>(false);
    cmd->add_option("DIR", *dir, "Installation directory")->transform(heldPath)->required();
    cmd->add_flag("--csv", *csv, "Print one row a session: user,start,minutes,program");
    auto* add = cmd->add_subcommand(
        "add", "Add a note under a user's name, as the programs add a session entry");
    auto user = std::make_shared<std::string>();
    auto text = std::make_shared<std::string>();
    add->add_option("--user", *user, "The user the note is about")->required();
    add->add_option("TEXT", *text, "The note; newlines are kept")->required();
    cmd->callback([=] {
        if (add->parsed()) return addNote(*dir, *user, *text);
        const std::string log = readLogText(*dir);
        if (*csv) return printCsv(log);
        std::cout << forTerminal(log);
        if (!log.empty() && log.back() != '\n') std::cout << '\n';
    });
}

}  // namespace kz::admin
