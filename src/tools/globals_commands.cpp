#include <CLI/CLI.hpp>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>

#include "admin_common.h"
#include "command_failed.h"
#include "commands.h"
#include "files/cp1252.h"
#include "files/file_update.h"
#include "files/global_settings.h"
#include "files/paths.h"
#include "files/user_list.h"
#include "files/user_settings.h"
#include "session/password.h"
#include "session/sign_in_mode.h"

namespace kz::admin {
namespace {

const std::vector<std::string> kKeys = {"password", "userMode",          "logSessions",
                                        "dataDir",  "omitColourWarning", "omitFontWarning"};

// What the teacher can type in the password box: up to 8 letters or digits. Anything else
// would lock the teacher out of the settings.
std::string checkedPassword(const std::string& text) {
    if (!typablePassword(text)) {
        throw CommandFailed(
            "A password is 0 to 8 letters (A-Z) or digits: the password box accepts nothing else.");
    }
    return text;
}

void applyChanges(GlobalSettings& g, const std::map<std::string, std::string>& values) {
    for (const auto& [key, value] : values) {
        if (key == "password") g.setPassword(checkedPassword(value));
        if (key == "userMode") g.setUserMode(parseInt16(value, key));
        if (key == "logSessions") g.setLogSessions(parseInt16(value, key));
        if (key == "omitColourWarning") g.setOmitColourWarning(parseInt16(value, key));
        if (key == "omitFontWarning") g.setOmitFontWarning(parseInt16(value, key));
        if (key == "dataDir") g.setDataDir(fieldText(value, GlobalSettings::kDataDirWidth, key));
    }
}

nlohmann::ordered_json toJson(const GlobalSettings& g) {
    return {{"omitColourWarning", g.omitColourWarning()},
            {"reserved2", g.reserved2()},
            {"omitFontWarning", g.omitFontWarning()},
            {"password", cp1252ToUtf8(g.password())},
            {"userMode", g.userMode()},
            {"logSessions", g.logSessions()},
            {"dataDir", cp1252ToUtf8(g.dataDir())}};
}

// Sign-in mode 3 needs a settings file for every name in the list, or the child meets a fatal
// error at sign-in: the missing ones are made from TEACHER.WQ first, and the mode is stored only
// once they all exist. All of it happens under the user list's lock, so that a name added
// meanwhile gets its file from `users add` (which looks at the mode under the same lock).
void setWithOwnSettings(const std::string& dir, const std::map<std::string, std::string>& values) {
    int made = 0;
    bool ran = false, saved = false;
    std::optional<CommandFailed> failed;
    updateFile(
        userListPath(dir), IfMissing::Fail,
        [&](std::string_view bytes) -> std::optional<std::string> {
            ran = true;
            const auto users = parseUserList(bytes);
            if (bytes.empty() || !users) {
                failed = CommandFailed(terminalPath(userListPath(dir)) +
                                       " is damaged; the sign-in mode was not changed.");
                return std::nullopt;
            }
            const auto shared = loadUserSettings(dir, "TEACHER.WQ");
            if (!shared || fileLength(joinPath(dir, "TEACHER.WQ")).value_or(0) == 0) {
                failed = CommandFailed(
                    "Each child's own settings start as a copy of TEACHER.WQ, and " +
                    terminalPath(joinPath(dir, "TEACHER.WQ")) +
                    " is missing, empty or unreadable; the sign-in mode was not changed. "
                    "Save the settings for everyone in Kiv or Zan, or copy TEACHER.WQ "
                    "from another class, and try again.");
                return std::nullopt;
            }
            for (size_t i = 1; i < users->size(); ++i) {
                const std::string own = ownSettingsFile((*users)[i], 0);
                if (fileLength(joinPath(dir, own)).value_or(0) > 0) continue;
                if (!saveUserSettings(dir, own, shared.value(), SettingsFields::WholeRecord)) {
                    failed = CommandFailed(
                        "Could not write " + terminalPath(joinPath(dir, own)) + " for \"" +
                        cp1252ToUtf8((*users)[i]) + "\" (" + std::to_string(made) +
                        " other files made); the sign-in mode was not changed, so that "
                        "no child meets a missing settings file.");
                    return std::nullopt;
                }
                ++made;
            }
            saved = updateGlobalSettings(dir, [&](GlobalSettings& g) {
                        applyChanges(g, values);
                    }).has_value();
            return std::nullopt;  // the list itself stays as it is
        });
    if (failed) throw *failed;
    if (!ran) {
        throw CommandFailed("Could not open " + terminalPath(userListPath(dir)) +
                            " for writing, which keeps names from being added meanwhile; the "
                            "sign-in mode was not changed.");
    }
    if (!saved)
        throw CommandFailed("Could not write " + terminalPath(globalSettingsPath(dir)) + ".");
    std::cout << "Made " << made << " settings file" << (made == 1 ? "" : "s")
              << " from TEACHER.WQ for the names that had none.\n";
}

GlobalSettings loadOrFail(const std::string& dir) {
    auto g = loadGlobalSettings(dir);
    if (!g) failWith(g.error());
    return g.value();
}

}  // namespace

void addGlobalsCommands(CLI::App& app) {
    auto* cmd = app.add_subcommand(
        "globals",
        "Show the global settings (GLOBSET.WQ) of an installation as JSON, or change them");
    auto dir = std::make_shared<std::string>();
    cmd->add_option("DIR", *dir, "Installation directory")->transform(heldPath)->required();
    // JSON is what is printed either way; the flag is accepted and stores nothing.
    cmd->add_flag("--json")->description("Print the settings as JSON (the default)");
    auto* set = cmd->add_subcommand(
        "set",
        "Change settings, every other byte unchanged. Keys: password (0-8 letters or "
        "digits), userMode (0 or 2: nobody signs in; 1: sign-in, shared settings; 3: "
        "sign-in, own settings), logSessions (1: log sessions), dataDir, "
        "omitColourWarning, omitFontWarning (-1: do not warn, 0: warn)");
    auto pairs = std::make_shared<std::vector<std::string>>();
    set->add_option("KEY=VALUE", *pairs, "Settings to change")->required();
    cmd->callback([=] {
        GlobalSettings g = loadOrFail(*dir);
        if (!set->parsed()) {
            std::cout << toJson(g).dump(2) << '\n';
            return;
        }
        const auto values = parseAssignments(*pairs, kKeys);
        applyChanges(g, values);  // refuses bad values before the file is locked
        // Without a user list there are no names to give files (and nobody can sign in yet).
        if (values.count("userMode") && SignInMode(g.userMode()).individual() &&
            fileLength(userListPath(*dir)).value_or(0) > 0) {
            setWithOwnSettings(*dir, values);
            return;
        }
        // Only the named fields: a program that saves meanwhile keeps its own, and so do we.
        if (!updateGlobalSettings(*dir, [&](GlobalSettings& s) { applyChanges(s, values); })) {
            throw CommandFailed("Could not write " + terminalPath(globalSettingsPath(*dir)) + ".");
        }
    });
}

}  // namespace kz::admin
