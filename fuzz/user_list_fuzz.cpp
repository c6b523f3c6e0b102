// Any bytes read as USERS.WQ give a list no longer than its count says, of trimmed names that
// fit a record, which writes back as a file that reads as the same names.
#include <cstdlib>

#include "files/text.h"
#include "files/user_list.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto users = kz::parseUserList(kz::fuzz::bytesOf(data, size));
    if (!users) return 0;
    const std::vector<std::string> names(users->begin() + 1, users->end());
    if (names.size() > kz::kMaxUserNames) std::abort();
    for (const auto& name : names) {
        if (name.size() > kz::kUserRecordSize || kz::trimSpaces(name) != name) std::abort();
    }
    const auto again = kz::parseUserList(kz::encodeUserList(names));
    if (!again || std::vector<std::string>(again->begin() + 1, again->end()) != names) std::abort();
    return 0;
}
