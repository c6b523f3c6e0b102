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

const std::vector<Row>& rangeRows() {
    static const std::vector<Row> rows = {
        {"_01_08", "Up to book 8", {}, {}},  {"_01_16", "Up to book 16", {}, {}},
        {"_01_24", "Up to book 24", {}, {}}, {"_01_32", "Up to book 32", {}, {}},
        {"_01_40", "Up to book 40", {}, {}}, {"_01_48", "Up to book 48", {}, {}},
        {"_01_56", "Up to book 56", {}, {}}, {"_01_64", "All books 1 to 64", {}, {}},
    };
    return rows;
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
    if (!search(storyRows()) && program == Program::Zan) search(rangeRows());
    return info;
}

}  // namespace kz
