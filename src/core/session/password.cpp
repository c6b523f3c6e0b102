#include "session/password.h"

#include <algorithm>

#include "files/global_settings.h"
#include "files/shown_text.h"
#include "files/text.h"

namespace kz {
namespace {

constexpr std::string_view kTeacher = "Teacher";

std::string upperTrimmed(std::string_view text) { return toUpperAscii(trimSpaces(text)); }

}  // namespace

std::optional<char> passwordKey(char typed) {
    if (typed >= 'a' && typed <= 'z') typed = static_cast<char>(typed - 'a' + 'A');
    const bool passes = (typed >= 'A' && typed <= 'Z') || (typed >= '0' && typed <= '9') ||
                        typed == 8 || typed == 127;
    if (!passes) return std::nullopt;
    return typed;
}

bool typablePassword(std::string_view text) {
    return text.size() <= GlobalSettings::kPasswordWidth &&
           std::all_of(text.begin(), text.end(), [](char c) {
               const auto key = passwordKey(c);
               return key && *key != 8 && *key != 127;
           });
}

PasswordOutcome checkPassword(std::string_view typed, std::string_view storedPlain) {
    const std::string t = upperTrimmed(typed);
    if (t.empty()) return PasswordOutcome::Cancelled;
    return t == upperTrimmed(storedPlain) ? PasswordOutcome::Right : PasswordOutcome::Wrong;
}

std::string storedPassword(const GlobalSettings& global) {
    return std::string(trimSpaces(global.password()));
}

bool signInNeedsPassword(std::string_view userName, std::string_view storedPlain) {
    return userName == kTeacher && !trimSpaces(storedPlain).empty();
}

bool settingsNeedPassword(std::string_view userName, std::string_view storedPlain) {
    return userName != kTeacher && !trimSpaces(storedPlain).empty();
}

std::string wrongPasswordText() { return translate("kz::Password", "Wrong password"); }

std::string wrongPasswordCaption() { return translate("kz::Password", "Password"); }

}  // namespace kz
