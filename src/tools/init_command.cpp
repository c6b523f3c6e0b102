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

// The class folder as GLOBSET.WQ holds it, or blank (the first start then records the folder
// itself, the same place) where its name is too long or has letters Windows-1252 lacks.
std::string classDataDir(const std::filesystem::path& folder) {
    const std::string held = fromSystemPath(folder.native());
    return storablePath(held) && held.size() <= GlobalSettings::kDataDirWidth ? held : "";
}

void printNextSteps(const std::string& shownDir, bool programs) {
    const std::string dir =
        shownDir.find(' ') == std::string::npos ? shownDir : "\"" + shownDir + "\"";
    std::cout << "\nNext:\n"
              << "  wqadmin globals " << dir
              << " set userMode=3   (children sign in, own settings)\n"
              << "  wqadmin users " << dir << " add \"Sam\"         (one name a child picks)\n"
              << "  wqadmin globals " << dir
              << " set password=ABC  (guards the settings windows)\n";
    if (programs) {
        std::cout << "  Word lists you write go in " << shownDir << "/WORDLIST; then\n"
                  << "  wqadmin recordings " << dir << " NAME.TXT --make\n"
                  << "  Start Kiv and Zan with " << shownDir << "/kiv.desktop and " << shownDir
                  << "/zan.desktop (copy them to the desktop or ~/.local/share/applications).\n";
    }
}

void printChanges(const ClassroomChanges& c) {
    std::cout << "Made " << c.folders << " folders, " << c.links
              << " links to the installed programs, help and sample library, and " << c.entries
              << " desktop entries.\n";
}

// An existing class run through `init --programs` again (after an upgrade, or made by an older
// wqadmin): what it lacks is added and links left dangling are dropped; its settings, user
// list, log and own files are not touched.
void renew(const std::filesystem::path& folder, const std::filesystem::path& installed,
           const std::string& dir) {
    const Classroom classroom = planClassroom(installed, folder);
    const int dropped = dropDanglingLinks(folder, installed);
    const ClassroomChanges made = makeClassroom(classroom);
    const std::string shown = terminalPath(dir);
    std::cout << shown << " is a class already; its settings, names, log and own files were "
              << "left as they are.\n";
    printChanges(made);
    if (dropped > 0) std::cout << "Removed " << dropped << " links to files no longer installed.\n";
    const auto globals = loadGlobalSettings(dir);
    const std::string own = classDataDir(folder);
    if (globals && !globals->dataDir().empty() && globals->dataDir() != own && !own.empty()) {
        std::cout << "Its data directory is " << terminalPath(globals->dataDir())
                  << "; to keep word lists and recordings of its own beside the sample:\n"
                  << "  wqadmin globals " << shown << " set dataDir=" << shown << "\n";
    }
}

void init(const InitOptions& o) {
    namespace fs = std::filesystem;
    Classroom classroom;
    std::vector<fs::path> made;
    const fs::path folder = fs::absolute(resolvePath(o.dir)).lexically_normal();
    std::string dataDir = fieldText(o.dataDir, GlobalSettings::kDataDirWidth, "The data directory");
    if (o.programs) {
        const fs::path installed =
            o.from.empty() ? wqadminFolder() : fs::absolute(resolvePath(o.from)).lexically_normal();
        std::error_code ec;
        if (fs::is_regular_file(folder / "GLOBSET.WQ", ec)) {
            renew(folder, installed, o.dir);
            return;
        }
        classroom = planClassroom(installed, folder);
        for (const auto& l : classroom.links) made.push_back(l.link);
        for (const auto& f : classroom.desktopEntries) made.push_back(f.path);
        // The class is its own data directory: the sample through its links, the teacher's
        // lists and recordings beside them.
        if (o.dataDir.empty()) dataDir = classDataDir(folder);
    }
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
    std::cout << "Made " << terminalPath(o.dir)
              << ": GLOBSET.WQ (no password, nobody signs in, sessions logged), USERS.WQ "
                 "(Teacher), TEACHER.WQ and LOG.WQ.\n";
    if (o.programs) printChanges(makeClassroom(classroom));
    printNextSteps(terminalPath(o.dir), o.programs);
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
                    "--programs DIR itself)");
    auto* programs = cmd->add_flag(
        "--programs", o->programs,
        "Make DIR a classroom: link the installed programs (kiv, zan), help documents and "
        "translations into it, write desktop entries (kiv.desktop, zan.desktop) that start them "
        "from DIR, so "
        "that they keep their settings and log in DIR, and make DIR its own data directory: "
        "folders DATA, BMPS, WAVS, WAVS/WDS and WORDLIST linking the installed sample library, "
        "beside which the class's own lists and recordings go. On a class that exists, adds "
        "what it lacks and drops links to files no longer installed, settings untouched");
    cmd->add_option("--from", o->from,
                    "Folder of the installed programs (default: the folder of this wqadmin)")
        ->transform(heldPath)
        ->needs(programs);
    cmd->callback([o] { init(*o); });
}

}  // namespace kz::admin
