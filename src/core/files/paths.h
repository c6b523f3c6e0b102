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

// Maps a path as the formats write it (backslashes, any letter case) onto this file system:
// "\" becomes "/", and each component that does not exist as written is matched
// case-insensitively against its folder. Components that match nothing are kept as written, so
// the result also names a file about to be created.
std::string resolvePath(std::string_view path);

// The length of an existing regular file that can be opened for reading; nullopt otherwise.
std::optional<std::uintmax_t> fileLength(std::string_view path);

// The whole file; nullopt when it cannot be read.
std::optional<std::string> readWholeFile(std::string_view path);

// Writes bytes as the whole content of path, never leaving a torn file where the folder allows
// a temporary file beside it; see updateFile (files/file_update.h), which does the work.
bool writeFileAtomically(std::string_view path, std::string_view bytes);

}  // namespace kz
