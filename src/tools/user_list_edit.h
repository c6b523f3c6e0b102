#pragma once

#include <string>
#include <vector>

namespace kz::admin {

// The changes a teacher makes to the sign-in list (USERS.WQ), shared by `wqadmin users` and the
// desk's Children page. Each is one locked read-modify-write of the list as it is on disk, and
// fails with a message (CommandFailed) leaving every file as it was. Names come in as UTF-8 and
// are kept as the list holds them (Windows-1252).

// What a change did beside the list itself, for the teacher to read.
struct UsersChange {
    // Settings files made from TEACHER.WQ ("SAM.WQ"), so that the child can sign in in mode 3.
    std::vector<std::string> madeFiles;
    // Listed names (Windows-1252) that share the changed name's settings file, and its name.
    std::vector<std::string> sharingNames;
    std::string sharedFile;
    // A rename: the settings file the child's settings went to, and whether they were moved
    // (false: copied, as another name still uses the old file, or none was there).
    std::string settingsFile;
    bool movedSettings = false;
};

// The name as the list will hold it, trimmed; fails with the message a teacher reads when it
// is empty, too long, holds control characters or letters the file cannot store.
std::string checkedUserName(const std::string& utf8Name);

// The names of the list in its order (without the count); fails when the list is missing or
// damaged.
std::vector<std::string> listedNames(const std::string& dir);

UsersChange addUser(const std::string& dir, const std::string& utf8Name);
// The child's settings file and log entries stay.
void removeUser(const std::string& dir, const std::string& utf8Name);
// Moves the name to `position` (1 for the top of the sign-in list).
void moveUser(const std::string& dir, const std::string& utf8Name, int position);
// Gives a child a new name: the list entry, then the child's settings file (moved to the new
// name's file, or copied when another listed name still uses the old one; refused when the new
// name's file exists already), then the child's section of the log, under the log's lock, so
// that earlier sessions show under the new name.
UsersChange renameUser(const std::string& dir, const std::string& utf8Old,
                       const std::string& utf8New);

// The warning for names sharing a settings file: "Zoe" and "zoe" share the settings file ZOE.WQ.
std::string sharedFileWarning(const std::string& utf8Name, const std::string& otherName,
                              const std::string& file);

}  // namespace kz::admin
