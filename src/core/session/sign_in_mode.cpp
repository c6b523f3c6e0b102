#include "session/sign_in_mode.h"

#include "files/user_settings.h"

namespace kz {

std::string SignInMode::settingsFile(std::string_view userName, int16_t voiceA) const {
    return individual() ? ownSettingsFile(userName, voiceA) : std::string(kSharedSettingsFile);
}

std::string SignInMode::settingsOwner(std::string_view userName) {
    return std::string(userName == kNobodySignedIn ? kTeacherName : userName);
}

}  // namespace kz
