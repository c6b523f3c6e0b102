#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_error.h"

namespace kz {

// USERS.WQ: 16-byte records of space-padded text; the first holds the number of names as
// decimal text, the rest one name each.
inline constexpr size_t kUserRecordSize = 16;
// The most names a list can hold: the count is read as a 16-bit number.
inline constexpr size_t kMaxUserNames = 32767;

// The list as the sign-in shows it: element 0 the trimmed count text, then the trimmed names in
// file order. A count larger than the records present yields only the names present (a list of
// blank names would help nobody); nullopt when the count does not fit in 16 bits.
std::optional<std::vector<std::string>> parseUserList(std::string_view fileBytes);

// The file's bytes for these names (the count record first).
std::string encodeUserList(const std::vector<std::string>& names);

std::string userListPath(std::string_view appDir);

// Missing, empty or unreadable file: the "file" error with the file's path.
Result<std::vector<std::string>> loadUserList(std::string_view appDir);

}  // namespace kz
