#include "files/user_list.h"

#include "files/paths.h"
#include "files/record.h"
#include "files/text.h"

namespace kz {

std::optional<std::vector<std::string>> parseUserList(std::string_view fileBytes) {
    auto record = [&](size_t i) {
        return trimSpaces(fileBytes.substr(i * kUserRecordSize, kUserRecordSize));
    };
    std::vector<std::string> users{std::string(record(0))};
    const auto count = roundToInt16(leadingNumber(users[0]));
    if (!count) return std::nullopt;
    const size_t present = (fileBytes.size() + kUserRecordSize - 1) / kUserRecordSize;
    for (size_t i = 1; i <= static_cast<size_t>(std::max<int>(*count, 0)) && i < present; ++i) {
        users.emplace_back(record(i));
    }
    return users;
}

std::string encodeUserList(const std::vector<std::string>& names) {
    std::string bytes = padField(std::to_string(names.size()), kUserRecordSize);
    for (const auto& name : names) bytes += padField(name, kUserRecordSize);
    return bytes;
}

std::string userListPath(std::string_view appDir) { return joinPath(appDir, "USERS.WQ"); }

Result<std::vector<std::string>> loadUserList(std::string_view appDir) {
    const std::string path = userListPath(appDir);
    const auto bytes = readRecordFile(path);
    if (!bytes) return FileError{"file", path};
    auto users = parseUserList(*bytes);
    if (!users) return FileError{"file", path};
    return std::move(*users);
}

}  // namespace kz
