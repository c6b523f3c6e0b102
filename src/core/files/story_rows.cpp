#include "files/story_rows.h"

#include <cctype>

#include "files/paths.h"
#include "files/text.h"

namespace kz {
namespace {

// The files are a few rows a story; a bigger one is not what it claims to be.
constexpr std::uintmax_t kMaxRowsFileBytes = 1024 * 1024;

std::vector<std::string> splitTabs(std::string_view line) {
    std::vector<std::string> cells;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string_view::npos; start = tab + 1) {
        cells.emplace_back(line.substr(start, tab - start));
    }
    cells.emplace_back(line.substr(start));
    return cells;
}

// Calls each(line) for every line of text, its CR LF or LF removed, with the offsets of the line
// and of the start of the next one.
template <typename Each>
void forEachLine(std::string_view text, Each each) {
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = text.find('\n', at);
        const size_t next = end == std::string_view::npos ? text.size() : end + 1;
        std::string_view line =
            text.substr(at, (end == std::string_view::npos ? text.size() : end) - at);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        each(line, at, next);
        at = next;
    }
}

bool isComment(std::string_view line) { return line.empty() || line.front() == '#'; }

}  // namespace

bool isStoryCodeShape(std::string_view code) {
    if (code.size() < 2 || code.size() > 8) return false;
    for (size_t i = 0; i < code.size(); ++i) {
        const auto c = static_cast<unsigned char>(code[i]);
        if (i < 2 ? !std::isdigit(c) : !std::isalnum(c)) return false;
    }
    return true;
}

std::string rowKey(std::string_view line) { return std::string(line.substr(0, line.find('\t'))); }

std::vector<CatalogueRow> parseCatalogueRows(std::string_view text) {
    std::vector<CatalogueRow> rows;
    forEachLine(text, [&](std::string_view line, size_t, size_t) {
        if (isComment(line)) return;
        auto cells = splitTabs(line);
        cells.resize(4);
        if (cells[1].empty()) return;
        rows.push_back({toLowerAscii(cells[0]), cells[1], cells[2], cells[3]});
    });
    return rows;
}

std::vector<CatalogueRow> readCatalogueFile(std::string_view dataDir) {
    const auto text = readWholeFile(joinPath(dataDir, kCatalogueFileName), kMaxRowsFileBytes);
    if (!text) return {};
    std::vector<CatalogueRow> rows;
    for (auto& row : parseCatalogueRows(*text)) {
        if (isStoryCodeShape(row.key)) rows.push_back(std::move(row));
    }
    return rows;
}

std::string catalogueLine(const CatalogueRow& row) {
    return row.key + '\t' + row.title + '\t' + row.illustrator + '\t' + row.credit;
}

std::string replaceRow(std::string_view text, std::string_view key,
                       const std::optional<std::string>& line) {
    std::string out;
    bool placed = false;
    const std::string wanted = toUpperAscii(key);
    forEachLine(text, [&](std::string_view row, size_t at, size_t next) {
        if (isComment(row) || toUpperAscii(rowKey(row)) != wanted) {
            out += text.substr(at, next - at);
            return;
        }
        if (line && !placed) {
            out += *line;
            out += text.substr(at + row.size(), next - at - row.size());  // its own line end
        }
        placed = true;
    });
    if (line && !placed) {
        if (!out.empty() && out.back() != '\n') out += "\r\n";
        out += *line + "\r\n";
    }
    return out;
}

}  // namespace kz
