#include <CLI/CLI.hpp>
#include <ctime>
#include <iostream>

#include "admin_common.h"
#include "class_log.h"
#include "command_failed.h"
#include "commands.h"
#include "files/paths.h"
#include "files/text.h"
#include "files/tracking_log.h"
#include "log_csv.h"

namespace kz::admin {
namespace {

// A teacher's note as the log holds it: CR LF lines, nothing that would end the section early
// for later entries.
std::string noteText(const std::string& utf8) {
    std::string text;
    for (size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') continue;
        text += utf8[i] == '\n' ? std::string(kNewLine) : std::string(1, utf8[i]);
    }
    text = toFileText(text, "The text holds characters that a Windows-1252 file cannot store.");
    if (text.find("Log") != std::string::npos || text.find("===") != std::string::npos) {
        throw CommandFailed(
            "The text may not hold \"Log\" or \"===\": they would end the user's section early.");
    }
    // Ends with a line break as a session entry does, so entries stay one empty line apart.
    return text + std::string(kNewLine);
}

// "Note, 7 March 2026:", a line of its own: the day the note is written, which the report shows
// with it. On a line of its own it leaves a session written as a note readable as a session.
std::string todaysNotePrefix() {
    const Today t = today();
    return notePrefix(t.day, t.month, t.year);
}

void addNote(const std::string& dir, const std::string& user, const std::string& utf8Text) {
    const std::string name =
        toFileText(user, "The user name holds characters that a Windows-1252 file cannot store.");
    const std::string text = todaysNotePrefix() + std::string(kNewLine) + noteText(utf8Text);
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
    auto range = std::make_shared<DayRange>();
    auto* csvFlag =
        cmd->add_flag("--csv", *csv, "Print one row a session: user,start,minutes,program");
    addDayRangeOptions(*cmd, *range, "--csv prints (default: all)");
    cmd->get_option("--from")->needs(csvFlag);
    cmd->get_option("--to")->needs(csvFlag);
    auto* add = cmd->add_subcommand(
        "add", "Add a note under a user's name, as the programs add a session entry");
    auto user = std::make_shared<std::string>();
    auto text = std::make_shared<std::string>();
    add->add_option("--user", *user, "The user the note is about")->required();
    add->add_option("TEXT", *text, "The note; newlines are kept")->required();
    cmd->callback([=] {
        if (add->parsed()) return addNote(*dir, *user, *text);
        checkRange(*range);
        const std::string log = readLogText(*dir);
        if (*csv) {
            std::cout << sessionsCsv(sessionsWithin(loggedSessions(log), *range));
            return;
        }
        std::cout << forTerminal(log);
        if (!log.empty() && log.back() != '\n') std::cout << '\n';
    });
}

}  // namespace kz::admin
