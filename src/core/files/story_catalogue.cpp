#include "files/story_catalogue.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "files/shown_text.h"
#include "files/text.h"

namespace kz::embedded {
extern const char* const catalogueText;
}

namespace kz {
namespace {

using Row = CatalogueRow;

const std::vector<Row>& storyRows() {
    static const std::vector<Row> rows = parseCatalogueRows(embedded::catalogueText);
    return rows;
}

// "Up to book 8" for the story reader's range _01_08, ... "All books 1 to 64" for _01_64, in the
// windows' language; nullopt for any other key.
std::optional<std::string> storyRangeTitle(std::string_view key) {
    constexpr int kLastBook = 64;
    for (int last = 8; last <= kLastBook; last += 8) {
        if (key != "_01_" + std::string(last < 10 ? "0" : "") + std::to_string(last)) continue;
        const auto number = std::to_string(last);
        return last == kLastBook
                   ? fillIn(translate("kz::StoryNames", "All books 1 to %1"), {number})
                   : fillIn(translate("kz::StoryNames", "Up to book %1"), {number});
    }
    return std::nullopt;
}

}  // namespace

bool isBookRangeName(std::string_view fileName) {
    return fileName.size() >= 6 && fileName.substr(0, 2) == "00" &&
           toUpperAscii(fileName.substr(4, 2)) == "TO";
}

// "Books 9 to 24" for a word list named 0009TO24, in the windows' language; nullopt for any other
// name.
std::optional<std::string> bookRangeTitle(std::string_view fileName) {
    if (!isBookRangeName(fileName)) return std::nullopt;
    auto number = [&](size_t at) {
        return std::to_string(
            static_cast<long>(leadingNumber(fileName.substr(std::min(at, fileName.size()), 2))));
    };
    return fillIn(translate("kz::StoryNames", "Books %1 to %2"), {number(2), number(6)});
}

std::vector<std::string> storyCatalogueKeys() {
    std::vector<std::string> keys;
    for (const auto& row : storyRows()) keys.push_back(row.key);
    return keys;
}

StoryInfo storyTitle(std::string_view fileName, Program program,
                     const std::vector<CatalogueRow>& dataRows) {
    std::string key = toLowerAscii(trimSpaces(fileName));
    key = key.substr(0, key.find('.'));
    StoryInfo info{{}, std::string(kDefaultCredit), {}};
    if (program == Program::Kiv) {
        if (auto title = bookRangeTitle(fileName)) {
            info.title = *title;
            return info;
        }
    }
    auto search = [&](const std::vector<Row>& rows) {
        for (const auto& row : rows) {
            if (row.key != key) continue;
            info.title = row.title;
            info.illustrator = row.illustrator;
            if (!row.credit.empty()) info.credit = row.credit;
            return true;
        }
        return false;
    };
    for (const auto& row : dataRows) {
        if (row.key != key) continue;
        info.title = row.title;
        info.illustrator = row.illustrator;
        info.credit = row.credit;
        return info;
    }
    if (!search(storyRows()) && program == Program::Zan) {
        if (auto title = storyRangeTitle(key)) info.title = *title;
    }
    return info;
}

}  // namespace kz
