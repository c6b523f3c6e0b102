#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>

#include "admin_common.h"
#include "command_failed.h"
#include "commands.h"
#include "files/global_settings.h"
#include "files/paths.h"
#include "files/tracking_log.h"
#include "files/user_list.h"
#include "files/user_settings.h"

namespace kz::admin {
namespace {

struct NewFile {
    std::string name;
    std::string bytes;
};

std::vector<NewFile> newInstallation(const std::string& dataDir) {
    GlobalSettings globals;
    globals.setPassword("");
    globals.setUserMode(0);
    globals.setLogSessions(1);
    globals.setDataDir(dataDir);

    UserSettings teacher;
    teacher.setStoryFont("Arial");
    teacher.setKivWordlist(kDefaultWordRange);
    teacher.setZanStory("25SAMPLE");

    return {{"GLOBSET.WQ", globals.encode()},
            {"USERS.WQ", encodeUserList({"Teacher"})},
            {"TEACHER.WQ", teacher.encode()},
            {"LOG.WQ", encodeLogFile({}, {})}};
}

void init(const std::string& dir, const std::string& utf8DataDir) {
    const std::string dataDir =
        fieldText(utf8DataDir, GlobalSettings::kDataDirWidth, "The data directory");
    const auto files = newInstallation(dataDir);
    for (const auto& f : files) {
        if (std::filesystem::exists(resolvePath(joinPath(dir, f.name)))) {
            throw CommandFailed(terminalPath(joinPath(dir, f.name)) +
                                " exists already; nothing was written.");
        }
    }
    std::error_code ec;
    std::filesystem::create_directories(resolvePath(dir), ec);
    for (const auto& f : files) {
        if (!writeFileAtomically(joinPath(dir, f.name), f.bytes)) {
            throw CommandFailed("Could not write " + terminalPath(joinPath(dir, f.name)) + ".");
        }
    }
}

}  // namespace

void addInitCommand(CLI::App& app) {
    auto* cmd = app.add_subcommand(
        "init",
        "Create the settings, user list and log of a new installation: no password, "
        "nobody signs in, sessions logged, Teacher the only user. Refuses to overwrite");
    auto dir = std::make_shared<std::string>();
    auto dataDir = std::make_shared<std::string>();
    cmd->add_option("DIR", *dir, "Installation directory (created if missing)")
        ->transform(heldPath)
        ->required();
    cmd->add_option("--data", *dataDir, "Data directory to remember (default: found at first run)");
    cmd->callback([=] { init(*dir, *dataDir); });
}

}  // namespace kz::admin
