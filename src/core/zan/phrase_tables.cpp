#include "zan/phrase_tables.h"

#include <cctype>

#include "files/paths.h"
#include "files/story_rows.h"
#include "files/text.h"

namespace kz {

PhraseTables parsePhraseTables(std::string_view text) {
    PhraseTables tables;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        const size_t tab = line.find('\t');
        if (tab == std::string_view::npos) continue;
        tables.emplace(toUpperAscii(line.substr(0, tab)), std::string(line.substr(tab + 1)));
    }
    return tables;
}

PhraseTables usablePhraseTables(std::string_view text) {
    PhraseTables tables = parsePhraseTables(text);
    std::erase_if(tables, [](const auto& row) {
        const auto& [code, table] = row;
        const int number = isStoryCodeShape(code) ? std::stoi(code.substr(0, 2)) : 0;
        return number < 1 || number > 32 || !isPhraseTable(table);
    });
    return tables;
}

PhraseTables readPhraseTableFile(std::string_view dataDir) {
    constexpr std::uintmax_t kMaxBytes = 1024 * 1024;
    const auto text = readWholeFile(joinPath(dataDir, kPhraseTableFileName), kMaxBytes);
    return text ? usablePhraseTables(*text) : PhraseTables{};
}

std::string selectPhraseTable(std::string_view storyCode, const PhraseTables& tables) {
    const auto found = tables.find(toUpperAscii(storyCode));
    return found == tables.end() ? std::string() : found->second;
}

namespace {

bool isWholeNumber(std::string_view text, bool allowSign) {
    if (allowSign && !text.empty() && text.front() == '-') text.remove_prefix(1);
    if (text.empty()) return false;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

bool isEntry(std::string_view entry) {
    const size_t comma = entry.find(',');
    if (comma == std::string_view::npos || !isWholeNumber(entry.substr(0, comma), false)) {
        return false;
    }
    std::string_view breaks = entry.substr(comma + 1);
    for (;;) {
        const size_t next = breaks.find(',');
        const std::string_view value = breaks.substr(0, next);
        if (!value.empty() && !isWholeNumber(value, true)) return false;
        if (next == std::string_view::npos) return true;
        breaks.remove_prefix(next + 1);
    }
}

}  // namespace

bool isPhraseTable(std::string_view text) {
    if (text.size() < 2 || text.front() != '|' || text.back() != '|') return false;
    text = text.substr(1, text.size() - 2);
    for (;;) {
        const size_t bar = text.find('|');
        if (!isEntry(text.substr(0, bar))) return false;
        if (bar == std::string_view::npos) return true;
        text.remove_prefix(bar + 1);
    }
}

}  // namespace kz
