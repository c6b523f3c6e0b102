#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>

#include "admin_common.h"
#include "class_init.h"
#include "command_failed.h"
#include "commands.h"
#include "files/global_settings.h"
#include "files/paths.h"
#include "files/tracking_log.h"
#include "files/user_list.h"
#include "files/user_settings.h"

namespace kz::admin {
namespace {

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

void init(const ClassInitOptions& o) {
    const ClassInitOutcome outcome = initClass(o);
    const std::string shown = terminalPath(o.dir);
    if (outcome.renewed) {
        std::cout << shown << " is a class already; its settings, names, log and own files were "
                  << "left as they are.\n";
        printChanges(outcome.changes);
        if (outcome.dropped > 0) {
            std::cout << "Removed " << outcome.dropped << " links to files no longer installed.\n";
        }
        if (!outcome.otherDataDir.empty()) {
            std::cout << "Its data directory is " << terminalPath(outcome.otherDataDir)
                      << "; to keep word lists and recordings of its own beside the sample:\n"
                      << "  wqadmin globals " << shown << " set dataDir=" << shown << "\n";
        }
        return;
    }
    std::cout << "Made " << shown
              << ": GLOBSET.WQ (no password, nobody signs in, sessions logged), USERS.WQ "
                 "(Teacher), TEACHER.WQ and LOG.WQ.\n";
    if (o.programs) printChanges(outcome.changes);
    printNextSteps(shown, o.programs);
}

}  // namespace

void addInitCommand(CLI::App& app) {
    auto* cmd = app.add_subcommand(
        "init",
        "Create the settings, user list and log of a new installation: no password, "
        "nobody signs in, sessions logged, Teacher the only user. Refuses to overwrite");
    auto o = std::make_shared<ClassInitOptions>();
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
