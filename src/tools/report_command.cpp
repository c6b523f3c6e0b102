#include <CLI/CLI.hpp>
#include <ctime>
#include <filesystem>
#include <iostream>

#include "admin_common.h"
#include "command_failed.h"
#include "commands.h"
#include "console_text.h"
#include "files/paths.h"
#include "files/user_list.h"
#include "log_report.h"

namespace kz::admin {
namespace {

// A folder that holds none of an installation's files is most likely a mistyped name: say so
// rather than name one missing file.
void checkInstallation(const std::string& dir) {
    for (const char* name : {"GLOBSET.WQ", "USERS.WQ", "LOG.WQ"}) {
        if (fileLength(joinPath(dir, name))) return;
    }
    throw CommandFailed(terminalPath(dir) +
                        " is not an installation of Kiv and Zan: it holds no GLOBSET.WQ, "
                        "USERS.WQ or LOG.WQ (wqadmin init makes them).");
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

void report(const std::string& dir, const std::string& out) {
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
    const std::string html = logReportHtml(input);
    if (out.empty()) {
        std::cout << html;
        return;
    }
    if (!writeFileAtomically(out, html)) {
        throw CommandFailed("Could not write " + terminalPath(out) + ".");
    }
}

}  // namespace

void addReportCommand(CLI::App& app) {
    auto* cmd = app.add_subcommand(
        "report",
        "Write the class's reading as one HTML page for any browser, from the tracking log "
        "(LOG.WQ) and the user list (USERS.WQ): per child the last session, and the sessions and "
        "minutes of each week in each program as bar charts; then who on the list never read");
    auto dir = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    cmd->add_option("DIR", *dir, "Installation directory")->transform(heldPath)->required();
    cmd->add_option("--out", *out, "The HTML file to write (default: print it)")
        ->transform(heldPath);
    cmd->callback([=] { report(*dir, *out); });
}

}  // namespace kz::admin
