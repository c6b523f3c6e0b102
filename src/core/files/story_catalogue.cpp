#include "files/story_catalogue.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "files/text.h"

namespace kz::embedded {
extern const char* const catalogueText;
}

namespace kz {
namespace {

struct Row {
    std::string key, title, illustrator, credit;
};

std::vector<std::string> splitTabs(std::string_view line) {
    std::vector<std::string> cells;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string_view::npos; start = tab + 1) {
        cells.emplace_back(line.substr(start, tab - start));
    }
    cells.emplace_back(line.substr(start));
    return cells;
}

std::vector<Row> parseCatalogue(std::string_view text) {
    std::vector<Row> rows;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        auto cells = splitTabs(line);
        cells.resize(4);
        rows.push_back({toLowerAscii(cells[0]), cells[1], cells[2], cells[3]});
    }
    return rows;
}

const std::vector<Row>& storyRows() {
    static const std::vector<Row> rows = parseCatalogue(embedded::catalogueText);
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

// "Books 9 to 24" for a word list named 0009TO24; nullopt for any other name.
std::optional<std::string> bookRangeTitle(std::string_view fileName) {
    if (fileName.size() < 6 || fileName.substr(0, 2) != "00") return std::nullopt;
    if (toUpperAscii(fileName.substr(4, 2)) != "TO") return std::nullopt;
    auto number = [&](size_t at) {
        return std::to_string(
            static_cast<long>(leadingNumber(fileName.substr(std::min(at, fileName.size()), 2))));
    };
    return "Books " + number(2) + " to " + number(6);
}

}  // namespace

std::vector<std::string> storyCatalogueKeys() {
    std::vector<std::string> keys;
    for (const auto& row : storyRows()) keys.push_back(row.key);
    return keys;
}

StoryInfo storyTitle(std::string_view fileName, Program program) {
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
    if (!search(storyRows()) && program == Program::Zan) search(rangeRows());
    return info;
}

}  // namespace kz
