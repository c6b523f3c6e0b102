#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kz {

// Joins a directory and a name with a backslash, at the string level only: leading backslashes
// of name are dropped (and removed from the caller's variable too), and no separator is added
// after a directory ending in ":" or "\".
std::string joinPath(std::string_view dir, std::string& name);
std::string joinPath(std::string_view dir, std::string_view name);

// A path as a person reads it on this system: "/" between folders, whatever separators the
// joining gave it. Only what is shown changes; files are still named through joinPath.
std::string shownPath(std::string_view path);

// Maps a path as the programs hold it (Windows-1252 file text, backslashes, any letter case)
// onto this file system, whose names are UTF-8: "\" becomes "/", each component is converted,
// and one that does not exist so is matched against its folder with the case of every
// Windows-1252 letter folded. Components that match nothing are kept (converted), so the result
// also names a file about to be created. A component held as the system's own bytes (see
// fromSystemPath) is found as it is.
std::string resolvePath(std::string_view path);

// Whether two paths as the programs hold them name the same folder on this system: letter case
// and separators aside, as resolvePath finds them ("/TMP/CLASS/STAGE" and "/tmp/class/stage/").
bool sameDirectory(std::string_view a, std::string_view b);

// A path the system gave (the program's folder, the command line) as the programs hold paths:
// its Windows-1252 form, or, where it has none, the system's own bytes, usable for the session
// but never stored in a file.
std::string fromSystemPath(std::string_view systemPath);

// Whether a path the programs hold can be stored in a settings file: false for one kept as the
// system's own bytes because Windows-1252 cannot hold it.
bool storablePath(std::string_view path);

// The length of an existing regular file that can be opened for reading; nullopt otherwise.
std::optional<std::uintmax_t> fileLength(std::string_view path);

// No file the programs read is larger than this: a bigger one is not what it claims to be.
inline constexpr std::uintmax_t kMaxReadBytes = 16 * 1024 * 1024;

// The whole file; nullopt when it cannot be read, is not a regular file (a folder, a FIFO, a
// device such as /dev/zero would hang or never end) or holds more than maxBytes.
std::optional<std::string> readWholeFile(std::string_view path,
                                         std::uintmax_t maxBytes = kMaxReadBytes);

// Writes bytes as the whole content of path, never leaving a torn file where the folder allows
// a temporary file beside it; see updateFile (files/file_update.h), which does the work.
bool writeFileAtomically(std::string_view path, std::string_view bytes);

}  // namespace kz
