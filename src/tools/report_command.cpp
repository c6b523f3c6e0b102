#include <CLI/CLI.hpp>
#include <iostream>

#include "admin_common.h"
#include "class_log.h"
#include "command_failed.h"
#include "commands.h"
#include "files/paths.h"
#include "log_report.h"

namespace kz::admin {
namespace {

void report(const std::string& dir, const std::string& out, const DayRange& range) {
    checkRange(range);
    const std::string html = logReportHtml(reportWithin(readReportInput(dir), range));
    if (out.empty()) {
        std::cout << html;
        return;
    }
    if (!writeFileAtomically(out, html)) {
        throw CommandFailed("Could not write " + terminalPath(out) + ".");
    }
}

}  // namespace

void addDayRangeOptions(CLI::App& cmd, DayRange& range, const char* what) {
    cmd.add_option("--from", range.from,
                   std::string("The first day (2026-03-07) whose sessions ") + what);
    cmd.add_option("--to", range.to, std::string("The last day whose sessions ") + what);
}

void addReportCommand(CLI::App& app) {
    auto* cmd = app.add_subcommand(
        "report",
        "Write the class's reading as one HTML page for any browser, from the tracking log "
        "(LOG.WQ) and the user list (USERS.WQ): per child the last session, and the sessions and "
        "minutes of each week in each program as bar charts; then who on the list never read");
    auto dir = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    auto range = std::make_shared<DayRange>();
    cmd->add_option("DIR", *dir, "Installation directory")->transform(heldPath)->required();
    cmd->add_option("--out", *out, "The HTML file to write (default: print it)")
        ->transform(heldPath);
    addDayRangeOptions(*cmd, *range, "the page counts (default: all)");
    cmd->callback([=] { report(*dir, *out, *range); });
}

}  // namespace kz::admin
