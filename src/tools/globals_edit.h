#pragma once

#include <map>
#include <string>
#include <vector>

namespace kz::admin {

// The keys of the global settings a teacher changes, as `wqadmin globals set` names them:
// password, userMode, logSessions, dataDir, omitColourWarning, omitFontWarning.
const std::vector<std::string>& globalSettingKeys();

// The password as the password box takes it: 0 to 8 letters (A-Z) or digits; fails with the
// message otherwise.
std::string checkedPassword(const std::string& text);

struct GlobalsChange {
    // Sign-in mode 3 was set: the settings files made from TEACHER.WQ for names that had none.
    bool ownSettings = false;
    int madeFiles = 0;
};

// Changes the named fields of GLOBSET.WQ (values as typed, UTF-8) and nothing else, through the
// one locked writer, so that a program saving meanwhile keeps its own fields. Bad values are
// refused before anything is written. Setting sign-in mode 3 first gives every listed name a
// settings file, under the user list's lock. Fails with a message (CommandFailed).
GlobalsChange setGlobalSettings(const std::string& dir,
                                const std::map<std::string, std::string>& values);

}  // namespace kz::admin
