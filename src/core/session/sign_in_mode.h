#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kz {

// The name held while nobody has signed in, and the name whose file is the shared one.
inline constexpr std::string_view kNobodySignedIn = "Unknown";
inline constexpr std::string_view kTeacherName = "Teacher";

// The global UserMode and what it decides: whether a session starts with the sign-in, whose
// settings file is in force, and whose settings a settings window edits. Odd modes ask for a
// name; mode 3 gives each user a settings file of their own; every other mode shares
// TEACHER.WQ.
class SignInMode {
public:
    explicit SignInMode(int16_t userMode) : m_mode(userMode) {}

    // The session starts with the sign-in dialog (modes 1 and 3).
    bool asksName() const { return m_mode % 2 != 0; }
    // Each user has a settings file of their own (mode 3): the settings windows offer Open and
    // Save As.
    bool individual() const { return m_mode == 3; }
    // The session reads a settings file at start (modes 0 to 3; any other value reads none).
    bool readsSettingsAtStart() const { return m_mode >= 0 && m_mode <= 3; }

    // The settings file in force for a user: TEACHER.WQ, or in mode 3 the user's own.
    std::string settingsFile(std::string_view userName, int16_t voiceA) const;

    // Whose settings a settings window shows: the signed-in name, or "Teacher" while nobody has
    // signed in.
    static std::string settingsOwner(std::string_view userName);
    // The settings file a settings window puts back in force when it closes: the one in force
    // for the settings owner, so TEACHER.WQ while nobody has signed in.
    std::string settingsFileOnClosing(std::string_view userName, int16_t voiceA) const {
        return settingsFile(settingsOwner(userName), voiceA);
    }

private:
    int16_t m_mode;
};

}  // namespace kz
