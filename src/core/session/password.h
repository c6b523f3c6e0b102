#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kz {

class GlobalSettings;

// The teacher password: one stored in GLOBSET.WQ (scrambled), asked for at sign-in as "Teacher"
// and before the settings windows open.

// The password box's filter on one typed character: a..z become A..Z; A..Z, 0..9, Backspace (8)
// and Delete (127) pass; anything else is refused (nullopt). wqadmin refuses a password that this
// filter would not let the teacher type.
std::optional<char> passwordKey(char typed);

// Whether a whole password could be typed in the box: at most 8 letters or digits.
bool typablePassword(std::string_view text);

enum class PasswordOutcome { Right, Wrong, Cancelled };

// The outcome of confirming the box: Cancelled when nothing was typed; otherwise Right when the
// typed text matches the stored one, ignoring letter case and surrounding spaces.
PasswordOutcome checkPassword(std::string_view typed, std::string_view storedPlain);

// The plain stored password, trimmed; empty means none.
std::string storedPassword(const GlobalSettings& global);

// Signing in as exactly "Teacher" asks for the password when one is stored.
bool signInNeedsPassword(std::string_view userName, std::string_view storedPlain);

// The settings lock asks for it when one is stored, unless the user signed in as "Teacher"
// (who gave it already).
bool settingsNeedPassword(std::string_view userName, std::string_view storedPlain);

// What a caller says after a refused password.
// The message and caption shown when a typed password is wrong, in the class's language.
std::string wrongPasswordText();
std::string wrongPasswordCaption();

}  // namespace kz
