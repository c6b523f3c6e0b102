#include "user_list_edit.h"

#include <iconv.h>
#include <locale.h>

#include <algorithm>
#include <cctype>
#include <clocale>
#include <filesystem>
#include <functional>

#include "admin_common.h"
#include "command_failed.h"
#include "files/cp1252.h"
#include "files/file_stem.h"
#include "files/file_update.h"
#include "files/global_settings.h"
#include "files/paths.h"
#include "files/shown_text.h"
#include "files/text.h"
#include "files/tracking_log.h"
#include "files/user_list.h"
#include "files/user_settings.h"
#include "session/sign_in_mode.h"

namespace kz::admin {
namespace {

std::string notStorableName() {
    return sentence(translate("kz::admin::Users",
                              "The name holds characters that a Windows-1252 file cannot store."));
}

[[noreturn]] void failAlreadyListed(const std::string& utf8Name) {
    throw CommandFailed(
        sentence(translate("kz::admin::Users", "\"%1\" is already in the list."), {utf8Name}));
}

bool isControl(unsigned char c) {
    return c < 32 || c == 127 || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

// The UTF-8 characters of a text, one a string (a byte of no character stays alone).
std::vector<std::string> characters(std::string_view utf8) {
    std::vector<std::string> out;
    for (size_t i = 0; i < utf8.size();) {
        size_t n = 1;
        while (i + n < utf8.size() && (static_cast<unsigned char>(utf8[i + n]) & 0xC0) == 0x80) {
            ++n;
        }
        out.emplace_back(utf8.substr(i, n));
        i += n;
    }
    return out;
}

// The plain letters to type for a letter the names file cannot store ("s" for "ş", "L" for
// "Ł"), as the C library transliterates them; empty when it knows none.
std::string plainLetters(const std::string& letter) {
    locale_t utf8 = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    if (!utf8) return {};
    const locale_t previous = ::uselocale(utf8);
    std::string plain;
    if (iconv_t cd = ::iconv_open("ASCII//TRANSLIT", "UTF-8");
        cd != reinterpret_cast<iconv_t>(-1)) {
        std::string in = letter;
        char out[16];
        char* inPtr = in.data();
        char* outPtr = out;
        size_t inLeft = in.size(), outLeft = sizeof out;
        if (::iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1)) {
            plain.assign(out, static_cast<size_t>(outPtr - out));
        }
        ::iconv_close(cd);
    }
    ::uselocale(previous);
    ::freelocale(utf8);
    const bool letters = !plain.empty() && std::all_of(plain.begin(), plain.end(), [](char c) {
        return std::isalpha(static_cast<unsigned char>(c));
    });
    return letters ? plain : std::string();
}

// Refuses a name holding a letter the names file (Windows-1252) cannot store, naming the letter
// and the plain one to type instead.
void checkStorable(const std::string& utf8) {
    if (utf8ToCp1252(utf8)) return;
    std::string suggestion, letter, plainLetter;
    for (const auto& c : characters(utf8)) {
        if (utf8ToCp1252(c)) {
            suggestion += c;
            continue;
        }
        const std::string plain = plainLetters(c);
        if (letter.empty()) {
            letter = c;
            plainLetter = plain;
        }
        suggestion += plain.empty() ? "?" : plain;
    }
    // One whole sentence for each case, so that a translation never glues parts together.
    if (plainLetter.empty()) {
        throw CommandFailed(sentence(translate("kz::admin::Users",
                                               "\"%1\" holds \"%2\", a letter the names file "
                                               "cannot store (it keeps the letters of Western "
                                               "European languages only)."),
                                     {utf8, letter}));
    }
    if (suggestion.find('?') != std::string::npos) {
        throw CommandFailed(sentence(translate("kz::admin::Users",
                                               "\"%1\" holds \"%2\", a letter the names file "
                                               "cannot store (it keeps the letters of Western "
                                               "European languages only); type \"%3\" "
                                               "instead."),
                                     {utf8, letter, plainLetter}));
    }
    throw CommandFailed(sentence(translate("kz::admin::Users",
                                           "\"%1\" holds \"%2\", a letter the names file cannot "
                                           "store (it keeps the letters of Western European "
                                           "languages only); type \"%3\" instead, for instance: "
                                           "wqadmin users DIR add \"%4\"."),
                                 {utf8, letter, plainLetter, suggestion}));
}

}  // namespace

std::string checkedUserName(const std::string& utf8) {
    checkStorable(utf8);
    const std::string name = toFileText(utf8, notStorableName());
    if (std::any_of(name.begin(), name.end(), [](char c) { return isControl(c); })) {
        throw CommandFailed(
            sentence(translate("kz::admin::Users", "The name holds control characters.")));
    }
    if (trimSpaces(name).empty()) {
        throw CommandFailed(sentence(translate("kz::admin::Users", "The name is empty.")));
    }
    if (trimSpaces(name).size() > kUserRecordSize) {
        throw CommandFailed(
            sentence(translate("kz::admin::Users", "A name holds at most %1 characters."),
                     {std::to_string(kUserRecordSize)}));
    }
    return std::string(trimSpaces(name));
}

std::vector<std::string> listedNames(const std::string& dir) {
    auto users = loadUserList(dir);
    if (!users) failWith(users.error());
    return {users.value().begin() + 1, users.value().end()};
}

namespace {

// A first record that is not a plain count means the file is not a list this tool wrote, or is
// damaged: rewriting it would lose what it holds.
bool plainCount(const std::string& count) {
    return !count.empty() &&
           std::all_of(count.begin(), count.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The names of a list about to be rewritten, refused when its count is not a plain number.
std::vector<std::string> loadNamesToChange(const std::string& dir) {
    auto users = loadUserList(dir);
    if (!users) failWith(users.error());
    const std::string& count = users.value().front();
    if (!plainCount(count)) {
        throw CommandFailed(sentence(translate("kz::admin::Users",
                                               "%1 does not start with the number of names (it "
                                               "reads \"%2\"); it was left alone."),
                                     {terminalPath(userListPath(dir)), terminalText(count)}));
    }
    return {users.value().begin() + 1, users.value().end()};
}

// Changes the list as one locked read-modify-write of the file as it now is, so that two
// teachers adding names at the same time both keep theirs.
void changeNames(const std::string& dir,
                 const std::function<void(std::vector<std::string>&)>& change) {
    loadNamesToChange(dir);  // a missing, damaged or foreign list fails with its own message
    const bool saved =
        updateFile(userListPath(dir), IfMissing::Fail,
                   [&](std::string_view bytes) -> std::optional<std::string> {
                       const auto users = parseUserList(bytes);
                       if (bytes.empty() || !users || !plainCount(users->front())) {
                           return std::nullopt;
                       }
                       std::vector<std::string> names(users->begin() + 1, users->end());
                       change(names);
                       return encodeUserList(names);
                   });
    if (!saved) failCouldNotWrite(userListPath(dir));
}

// In individual-settings mode a child without a settings file cannot sign in: give the new
// child a copy of the shared settings. An empty file reads as missing, so it is replaced too.
// Returns whether a file was created.
bool giveOwnSettings(const std::string& dir, const std::string& name, UsersChange& change) {
    const std::string own = ownSettingsFile(name, 0);
    if (fileLength(joinPath(dir, own)).value_or(0) > 0) return false;
    auto shared = loadUserSettings(dir, "TEACHER.WQ");
    if (!shared) failWith(shared.error());
    if (!saveUserSettings(dir, own, shared.value(), SettingsFields::WholeRecord)) {
        failCouldNotWrite(joinPath(dir, own));
    }
    change.madeFiles.push_back(own);
    return true;
}

bool individualSettings(const std::string& dir) {
    auto globals = loadGlobalSettings(dir);
    if (!globals) failWith(globals.error());
    return SignInMode(globals->userMode()).individual();
}

void noteSharedStems(const std::vector<std::string>& names, const std::string& name,
                     UsersChange& change) {
    const std::string stem = fileStem(name, 0);
    change.sharingNames.clear();
    change.sharedFile = stem + ".WQ";
    for (const auto& other : names) {
        if (fileStem(other, 0) == stem) change.sharingNames.push_back(other);
    }
}

[[noreturn]] void failListFull() {
    throw CommandFailed(sentence(translate("kz::admin::Users",
                                           "The list already holds %1 names, as many as its "
                                           "count can say."),
                                 {std::to_string(kMaxUserNames)}));
}

std::string givenName(const std::string& utf8Name) {
    return std::string(trimSpaces(toFileText(utf8Name, notStorableName())));
}

std::vector<std::string>::iterator listed(std::vector<std::string>& names, const std::string& name,
                                          const std::string& utf8Name) {
    const auto it = std::find(names.begin(), names.end(), name);
    if (it == names.end()) {
        throw CommandFailed(
            sentence(translate("kz::admin::Users", "\"%1\" is not in the list."), {utf8Name}));
    }
    return it;
}

// A settings file of another listed name, or of Teacher (everyone's shared settings), must not
// go with a renamed child: it is copied then, never moved.
bool fileUsedByOthers(const std::vector<std::string>& names, const std::string& name) {
    const std::string file = ownSettingsFile(name, 0);
    if (file == ownSettingsFile(kTeacherName, 0)) return true;
    return std::any_of(names.begin(), names.end(), [&](const std::string& other) {
        return other != name && ownSettingsFile(other, 0) == file;
    });
}

// Refuses a rename whose new settings file exists already: it holds another child's settings,
// or those of a child who left, and neither may be overwritten.
void refuseTakenFile(const std::string& dir, const std::vector<std::string>& names,
                     const std::string& oldName, const std::string& newName,
                     const std::string& utf8Old, const std::string& utf8New) {
    const std::string oldFile = ownSettingsFile(oldName, 0);
    const std::string newFile = ownSettingsFile(newName, 0);
    if (newFile == oldFile || fileLength(joinPath(dir, newFile)).value_or(0) == 0) return;
    for (const auto& other : names) {
        if (other != oldName && ownSettingsFile(other, 0) == newFile) {
            throw CommandFailed(
                sentence(translate("kz::admin::Users",
                                   "\"%1\" would take the settings file %2 of "
                                   "\"%3\"; \"%4\" was not renamed."),
                         {utf8New, terminalText(newFile), terminalText(other), utf8Old}));
        }
    }
    throw CommandFailed(sentence(translate("kz::admin::Users",
                                           "The settings file %1 that \"%2\" would use exists "
                                           "already (another child's settings, kept when they "
                                           "left the list); \"%3\" was not renamed. Rename or "
                                           "remove that file first."),
                                 {terminalText(newFile), utf8New, utf8Old}));
}

}  // namespace

std::string sharedFileWarning(const std::string& utf8Name, const std::string& otherName,
                              const std::string& file) {
    return sentence(translate("kz::admin::Users", "\"%1\" and \"%2\" share the settings file %3."),
                    {utf8Name, terminalText(otherName), terminalText(file)});
}

// The settings file comes before the name: a name in the list without its file would be a child
// who cannot sign in. Adding a listed name whose file is missing (an add cut short) creates the
// file and succeeds.
UsersChange addUser(const std::string& dir, const std::string& utf8Name) {
    UsersChange change;
    const std::string name = checkedUserName(utf8Name);
    const auto names = loadNamesToChange(dir);
    const bool individual = individualSettings(dir);
    const bool isListed = std::find(names.begin(), names.end(), name) != names.end();
    if (isListed && !(individual && giveOwnSettings(dir, name, change))) {
        failAlreadyListed(utf8Name);
    }
    if (isListed) return change;
    if (names.size() >= kMaxUserNames) failListFull();  // said before any file is made
    if (individual && fileLength(joinPath(dir, "TEACHER.WQ")).value_or(0) == 0) {
        failWith({"settingload", joinPath(dir, "TEACHER.WQ")});
    }
    changeNames(dir, [&](std::vector<std::string>& current) {
        if (std::find(current.begin(), current.end(), name) != current.end()) {
            failAlreadyListed(utf8Name);
        }
        if (current.size() >= kMaxUserNames) failListFull();
        noteSharedStems(current, name, change);
        // The mode is read again under the list's lock, which `globals set userMode=3` holds
        // while it makes the files of the names already listed.
        if (individualSettings(dir)) giveOwnSettings(dir, name, change);
        current.push_back(name);
    });
    return change;
}

void removeUser(const std::string& dir, const std::string& utf8Name) {
    const std::string name = givenName(utf8Name);
    changeNames(
        dir, [&](std::vector<std::string>& names) { names.erase(listed(names, name, utf8Name)); });
}

void moveUser(const std::string& dir, const std::string& utf8Name, int position) {
    const std::string name = givenName(utf8Name);
    changeNames(dir, [&](std::vector<std::string>& names) {
        const auto it = listed(names, name, utf8Name);
        if (position < 1 || static_cast<size_t>(position) > names.size()) {
            throw CommandFailed(
                sentence(translate("kz::admin::Users", "A position in this list is 1 to %1."),
                         {std::to_string(names.size())}));
        }
        names.erase(it);
        names.insert(names.begin() + (position - 1), name);
    });
}

UsersChange renameUser(const std::string& dir, const std::string& utf8Old,
                       const std::string& utf8New) {
    UsersChange change;
    const std::string oldName = givenName(utf8Old);
    const std::string newName = checkedUserName(utf8New);
    if (oldName == kTeacherName || newName == kTeacherName) {
        throw CommandFailed(sentence(translate("kz::admin::Users",
                                               "\"Teacher\" is the name that opens the settings "
                                               "with the password; no child can be renamed to it "
                                               "or from it.")));
    }
    const auto names = loadNamesToChange(dir);
    const bool individual = individualSettings(dir);
    const std::string oldFile = ownSettingsFile(oldName, 0);
    const std::string newFile = ownSettingsFile(newName, 0);
    bool move = false;
    changeNames(dir, [&](std::vector<std::string>& current) {
        const auto it = listed(current, oldName, utf8Old);
        if (std::find(current.begin(), current.end(), newName) != current.end()) {
            failAlreadyListed(utf8New);
        }
        refuseTakenFile(dir, current, oldName, newName, utf8Old, utf8New);
        change = UsersChange{};
        change.settingsFile = newFile;
        std::vector<std::string> others = current;
        others.erase(others.begin() + (it - current.begin()));
        noteSharedStems(others, newName, change);
        const auto oldBytes = readWholeFile(resolvePath(joinPath(dir, oldFile)));
        const bool hasFile = oldBytes && !oldBytes->empty();
        if (newFile != oldFile && hasFile) {
            if (!writeFileAtomically(joinPath(dir, newFile), *oldBytes)) {
                throw CommandFailed(sentence(translate("kz::admin::Users",
                                                       "Could not write %1; \"%2\" was not "
                                                       "renamed."),
                                             {terminalPath(joinPath(dir, newFile)), utf8Old}));
            }
            move = !fileUsedByOthers(current, oldName);
        } else if (!hasFile && individual) {
            giveOwnSettings(dir, newName, change);
        }
        *it = newName;
    });
    change.movedSettings = move;
    if (!renameInLog(dir, oldName, newName)) {
        throw CommandFailed(sentence(translate("kz::admin::Users",
                                               "\"%1\" is \"%2\" now, but the log could not be "
                                               "changed: its earlier sessions still show under "
                                               "the old name in %3."),
                                     {utf8Old, utf8New, terminalPath(logPath(dir))}));
    }
    if (move) std::filesystem::remove(resolvePath(joinPath(dir, oldFile)));
    return change;
}

}  // namespace kz::admin
