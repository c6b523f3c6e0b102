#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>

#include "admin_common.h"
#include "classroom.h"
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

// Fails, naming it, when something init would make is there already: nothing is written then.
void refuseExisting(const std::vector<std::filesystem::path>& paths) {
    for (const auto& p : paths) {
        std::error_code ec;
        if (std::filesystem::symlink_status(p, ec).type() !=
            std::filesystem::file_type::not_found) {
            throw CommandFailed(p.native() + " exists already; nothing was written.");
        }
    }
}

struct InitOptions {
    std::string dir;      // held, as every path option
    std::string dataDir;  // UTF-8, as typed
    bool programs = false;
    std::string from;  // the installed programs' folder, held; empty: wqadmin's own
};

void init(const InitOptions& o) {
    namespace fs = std::filesystem;
    std::string utf8DataDir = o.dataDir;
    Classroom classroom;
    std::vector<fs::path> made;
    const fs::path folder = fs::absolute(resolvePath(o.dir)).lexically_normal();
    if (o.programs) {
        const fs::path installed =
            o.from.empty() ? wqadminFolder() : fs::absolute(resolvePath(o.from)).lexically_normal();
        classroom = planClassroom(installed, folder);
        for (const auto& l : classroom.links) made.push_back(l.link);
        for (const auto& f : classroom.desktopEntries) made.push_back(f.path);
        // The installed sample library, so that the first start finds its data.
        std::error_code ec;
        if (utf8DataDir.empty() && fs::is_directory(installed / "DATA", ec)) {
            utf8DataDir = installed.native();
        }
    }
    const std::string dataDir =
        fieldText(utf8DataDir, GlobalSettings::kDataDirWidth, "The data directory");
    const auto files = newInstallation(dataDir);
    for (const auto& f : files) made.push_back(resolvePath(joinPath(o.dir, f.name)));
    refuseExisting(made);
    std::error_code ec;
    std::filesystem::create_directories(resolvePath(o.dir), ec);
    for (const auto& f : files) {
        if (!writeFileAtomically(joinPath(o.dir, f.name), f.bytes)) {
            throw CommandFailed("Could not write " + terminalPath(joinPath(o.dir, f.name)) + ".");
        }
    }
    makeClassroom(classroom);
}

}  // namespace

void addInitCommand(CLI::App& app) {
    auto* cmd = app.add_subcommand(
        "init",
        "Create the settings, user list and log of a new installation: no password, "
        "nobody signs in, sessions logged, Teacher the only user. Refuses to overwrite");
    auto o = std::make_shared<InitOptions>();
    cmd->add_option("DIR", o->dir, "Installation directory (created if missing)")
        ->transform(heldPath)
        ->required();
    cmd->add_option("--data", o->dataDir,
                    "Data directory to remember (default: found at first run, or with "
                    "--programs the installed sample library)");
    auto* programs = cmd->add_flag(
        "--programs", o->programs,
        "Make DIR a classroom: link the installed programs (kiv, zan) and help documents into "
        "it and write desktop entries (kiv.desktop, zan.desktop) that start them from DIR, so "
        "that they keep their settings and log in DIR");
    cmd->add_option("--from", o->from,
                    "Folder of the installed programs (default: the folder of this wqadmin)")
        ->transform(heldPath)
        ->needs(programs);
    cmd->callback([o] { init(*o); });
}

}  // namespace kz::admin
