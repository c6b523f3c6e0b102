#include "class_init.h"

#include <filesystem>

#include "admin_common.h"
#include "command_failed.h"
#include "files/global_settings.h"
#include "files/paths.h"
#include "files/shown_text.h"
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
            throw CommandFailed(
                sentence(translate("kz::admin::Class", "%1 exists already; nothing was written."),
                         {p.native()}));
        }
    }
}

// The class folder as GLOBSET.WQ holds it, or blank (the first start then records the folder
// itself, the same place) where its name is too long or has letters Windows-1252 lacks.
std::string classDataDir(const std::filesystem::path& folder) {
    const std::string held = fromSystemPath(folder.native());
    return storablePath(held) && held.size() <= GlobalSettings::kDataDirWidth ? held : "";
}

// An existing class run through `init --programs` again (after an upgrade, or made by an older
// wqadmin): what it lacks is added and links left dangling are dropped; its settings, user
// list, log and own files are not touched.
ClassInitOutcome renew(const std::filesystem::path& folder, const std::filesystem::path& installed,
                       const std::string& dir) {
    ClassInitOutcome outcome;
    outcome.renewed = true;
    const Classroom classroom = planClassroom(installed, folder);
    outcome.dropped = dropDanglingLinks(folder, installed);
    outcome.changes = makeClassroom(classroom);
    const auto globals = loadGlobalSettings(dir);
    const std::string own = classDataDir(folder);
    if (globals && !globals->dataDir().empty() && globals->dataDir() != own && !own.empty()) {
        outcome.otherDataDir = globals->dataDir();
    }
    return outcome;
}

}  // namespace

ClassInitOutcome initClass(const ClassInitOptions& o) {
    namespace fs = std::filesystem;
    Classroom classroom;
    std::vector<fs::path> made;
    const fs::path folder = fs::absolute(resolvePath(o.dir)).lexically_normal();
    std::string dataDir = fieldText(
        o.dataDir, GlobalSettings::kDataDirWidth,
        sentence(translate("kz::admin::Class",
                           "The data directory holds characters that a Windows-1252 file cannot "
                           "store.")),
        sentence(translate("kz::admin::Class", "The data directory holds at most %1 characters.")));
    if (o.programs) {
        const fs::path installed =
            o.from.empty() ? wqadminFolder() : fs::absolute(resolvePath(o.from)).lexically_normal();
        std::error_code ec;
        if (fs::is_regular_file(folder / "GLOBSET.WQ", ec)) {
            return renew(folder, installed, o.dir);
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
            failCouldNotWrite(joinPath(o.dir, f.name));
        }
    }
    ClassInitOutcome outcome;
    if (o.programs) outcome.changes = makeClassroom(classroom);
    return outcome;
}

}  // namespace kz::admin
