#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kz {

// Whether a read-modify-write of a missing file may create it.
enum class IfMissing { Fail, Create };

// The new content of a file from its current bytes (empty when the file is missing or empty), or
// nullopt to leave the file as it is.
using FileChange = std::function<std::optional<std::string>(std::string_view current)>;

// One read-modify-write of a file, serialised with every other one (on this computer and, where
// the file system honours fcntl locks, on others): the file is locked, read, changed and written
// before the lock goes. The new content replaces the file whole through a temporary file renamed
// over it, keeping its mode and, where permitted, its group; where the folder does not allow
// that but the file is writable (a classroom folder owned by the teacher), it is written in
// place, a copy of the new content going after the old first, so that a write stopped half-way
// reads as the old content or the new (readWholeFile takes the copy; the next save finishes the
// write). A symbolic link is written through to its target, which a save allowed to create the
// file makes where the target's folder exists, except a link into an installation of the
// programs (a class's link to the installed sample), which the new content replaces. False when
// the file cannot be locked, read or written, is no regular file, holds more than kMaxReadBytes,
// is a link that leads nowhere (a missing folder, a loop), or change left it alone; a file this
// user may not write is never replaced.
bool updateFile(std::string_view path, IfMissing ifMissing, const FileChange& change);

// The steps of a save at which a test can make the system fail: opening the file, opening the
// temporary file, writing (the temporary file or, in place, the file), syncing, putting the new
// file in place (rename or link), and setting the length of a file written in place.
enum class SaveStep { OpenFile, OpenTemporary, Write, Sync, Replace, Truncate };

// Asked before each step; an errno value makes the step fail with it, a write after writing the
// first half of its bytes (as a disk filling up does); a negative signal number stops a write
// after its first half with that signal (a kill arriving between two pages of one write); 0 lets
// the step run. For tests only: the
// programs never set one. An empty function (the default) injects nothing.
using SaveFaults = std::function<int(SaveStep)>;
void setSaveFaultsForTests(SaveFaults faults);

}  // namespace kz
