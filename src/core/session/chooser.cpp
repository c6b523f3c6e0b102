#include "session/chooser.h"

#include <algorithm>
#include <filesystem>

#include "files/cp1252.h"
#include "files/paths.h"
#include "files/text.h"

namespace kz {
namespace {

// "*" matches any run of characters and "?" any one; letter case is ignored.
bool matchesPattern(std::string_view name, std::string_view pattern) {
    if (pattern.empty()) return name.empty();
    if (pattern.front() == '*') {
        for (size_t i = 0; i <= name.size(); ++i) {
            if (matchesPattern(name.substr(i), pattern.substr(1))) return true;
        }
        return false;
    }
    if (name.empty()) return false;
    const bool same = pattern.front() == '?' ||
                      toUpperAscii(name.substr(0, 1)) == toUpperAscii(pattern.substr(0, 1));
    return same && matchesPattern(name.substr(1), pattern.substr(1));
}

}  // namespace

ChooserList chooserList(const std::vector<std::string>& fileNames, std::string_view request,
                        std::string_view currentFile, Program program,
                        const std::vector<CatalogueRow>& catalogueRows) {
    ChooserList list;
    int lower = 0, upper = 0;
    if (request.substr(0, 8) == "RESTRICT") {
        list.restricted = true;
        lower =
            static_cast<int>(leadingNumber(request.substr(std::min<size_t>(8, request.size()), 2)));
        upper = static_cast<int>(
            leadingNumber(request.substr(std::min<size_t>(11, request.size()), 2)));
    }
    for (const auto& name : fileNames) {
        const std::string title = storyTitle(name, program, catalogueRows).title;
        if (lower > 0) {
            const double number = leadingNumber(name);
            if (number < lower || number > upper) continue;
        }
        if (title.empty()) continue;
        list.entries.push_back({title, name});
        if (!currentFile.empty() &&
            toUpperAscii(currentFile) ==
                toUpperAscii(std::string_view(name).substr(0, currentFile.size()))) {
            list.selected = list.entries.size() - 1;
        }
    }
    return list;
}

std::vector<std::string> listFolder(std::string_view folder, std::string_view pattern) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(resolvePath(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        // Names on disk are UTF-8; a name Windows-1252 cannot hold could not be stored in a
        // settings file either, so it is not offered.
        auto name = utf8ToCp1252(it->path().filename().string());
        if (name && matchesPattern(*name, pattern)) names.push_back(std::move(*name));
    }
    // Names differing only in case (a folder copied from a system that ignores it) come in byte
    // order, capitals first, whatever order the folder lists them in.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string upperA = toUpperAscii(a), upperB = toUpperAscii(b);
        return upperA != upperB ? upperA < upperB : a < b;
    });
    return names;
}

}  // namespace kz
