#include "globals_edit.h"

#include <optional>

#include "admin_common.h"
#include "command_failed.h"
#include "files/cp1252.h"
#include "files/file_update.h"
#include "files/global_settings.h"
#include "files/paths.h"
#include "files/shown_text.h"
#include "files/user_list.h"
#include "files/user_settings.h"
#include "session/password.h"
#include "session/sign_in_mode.h"

namespace kz::admin {
namespace {

const std::vector<std::string> kKeys = {"password", "userMode",          "logSessions",
                                        "dataDir",  "omitColourWarning", "omitFontWarning"};

}  // namespace

// What the teacher can type in the password box: up to 8 letters or digits. Anything else
// would lock the teacher out of the settings.
std::string checkedPassword(const std::string& text) {
    if (!typablePassword(text)) {
        throw CommandFailed(sentence(translate("kz::admin::Globals",
                                               "A password is 0 to 8 letters (A-Z) or digits: the "
                                               "password box accepts nothing else.")));
    }
    return text;
}

namespace {

void applyChanges(GlobalSettings& g, const std::map<std::string, std::string>& values) {
    for (const auto& [key, value] : values) {
        if (key == "password") g.setPassword(checkedPassword(value));
        if (key == "userMode") g.setUserMode(parseInt16(value, key));
        if (key == "logSessions") g.setLogSessions(parseInt16(value, key));
        if (key == "omitColourWarning") g.setOmitColourWarning(parseInt16(value, key));
        if (key == "omitFontWarning") g.setOmitFontWarning(parseInt16(value, key));
        if (key == "dataDir") {
            g.setDataDir(fieldText(
                value, GlobalSettings::kDataDirWidth,
                sentence(translate("kz::admin::Globals",
                                   "dataDir holds characters that a Windows-1252 file cannot "
                                   "store.")),
                sentence(translate("kz::admin::Globals", "dataDir holds at most %1 characters."))));
        }
    }
}

// Sign-in mode 3 needs a settings file for every name in the list, or the child meets a fatal
// error at sign-in: the missing ones are made from TEACHER.WQ first, and the mode is stored only
// once they all exist. All of it happens under the user list's lock, so that a name added
// meanwhile gets its file from `users add` (which looks at the mode under the same lock).
int setWithOwnSettings(const std::string& dir, const std::map<std::string, std::string>& values) {
    int made = 0;
    bool ran = false, saved = false;
    std::optional<CommandFailed> failed;
    updateFile(
        userListPath(dir), IfMissing::Fail,
        [&](std::string_view bytes) -> std::optional<std::string> {
            ran = true;
            const auto users = parseUserList(bytes);
            if (bytes.empty() || !users) {
                failed = CommandFailed(
                    sentence(translate("kz::admin::Globals",
                                       "%1 is damaged; the sign-in mode was not changed."),
                             {terminalPath(userListPath(dir))}));
                return std::nullopt;
            }
            const auto shared = loadUserSettings(dir, "TEACHER.WQ");
            if (!shared || fileLength(joinPath(dir, "TEACHER.WQ")).value_or(0) == 0) {
                failed = CommandFailed(sentence(
                    translate("kz::admin::Globals",
                              "Each child's own settings start as a copy of TEACHER.WQ, and %1 "
                              "is missing, empty or unreadable; the sign-in mode was not "
                              "changed. Save the settings for everyone in Kiv or Zan, or copy "
                              "TEACHER.WQ from another class, and try again."),
                    {terminalPath(joinPath(dir, "TEACHER.WQ"))}));
                return std::nullopt;
            }
            for (size_t i = 1; i < users->size(); ++i) {
                const std::string own = ownSettingsFile((*users)[i], 0);
                if (fileLength(joinPath(dir, own)).value_or(0) > 0) continue;
                if (!saveUserSettings(dir, own, shared.value(), SettingsFields::WholeRecord)) {
                    failed = CommandFailed(sentence(
                        translate("kz::admin::Globals",
                                  "Could not write %1 for \"%2\" (%3 other files made); the "
                                  "sign-in mode was not changed, so that no child meets a "
                                  "missing settings file."),
                        {terminalPath(joinPath(dir, own)), cp1252ToUtf8((*users)[i]),
                         std::to_string(made)}));
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
        throw CommandFailed(sentence(translate("kz::admin::Globals",
                                               "Could not open %1 for writing, which keeps names "
                                               "from being added meanwhile; the sign-in mode was "
                                               "not changed."),
                                     {terminalPath(userListPath(dir))}));
    }
    if (!saved) failCouldNotWrite(globalSettingsPath(dir));
    return made;
}

}  // namespace

const std::vector<std::string>& globalSettingKeys() { return kKeys; }

GlobalsChange setGlobalSettings(const std::string& dir,
                                const std::map<std::string, std::string>& values) {
    auto loaded = loadGlobalSettings(dir);
    if (!loaded) failWith(loaded.error());
    GlobalSettings g = loaded.value();
    applyChanges(g, values);  // refuses bad values before the file is locked
    // Without a user list there are no names to give files (and nobody can sign in yet).
    if (values.count("userMode") && SignInMode(g.userMode()).individual() &&
        fileLength(userListPath(dir)).value_or(0) > 0) {
        return {true, setWithOwnSettings(dir, values)};
    }
    // Only the named fields: a program that saves meanwhile keeps its own, and so do we.
    if (!updateGlobalSettings(dir, [&](GlobalSettings& s) { applyChanges(s, values); })) {
        failCouldNotWrite(globalSettingsPath(dir));
    }
    return {};
}

}  // namespace kz::admin
