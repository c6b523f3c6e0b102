#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kz {

// Rows delivered with the stories in the data directory's DATA folder, beside the story files:
// the catalogue rows of stories the built-in catalogue does not know (a teacher's own), and the
// phrase-break tables of the stories. Both are Windows-1252 text, one row a line (CR LF or LF),
// cells separated by tabs; blank lines and lines starting with "#" are comments.
inline constexpr std::string_view kCatalogueFileName = "DATA\\TITLES.TXT";
inline constexpr std::string_view kPhraseTableFileName = "DATA\\PHRASES.TXT";

// One catalogue row: key (story code, lower-cased on reading), title ("nn Title"), illustrator
// and credit line.
struct CatalogueRow {
    std::string key, title, illustrator, credit;
    bool operator==(const CatalogueRow&) const = default;
};

// The rows of catalogue text, in file order; missing cells read as empty. A row without a title
// names nothing and is left out.
std::vector<CatalogueRow> parseCatalogueRows(std::string_view text);

// The catalogue rows of the data directory's TITLES.TXT: those whose key is a story code (two
// digits, then up to six letters or digits). A missing, unreadable or oversized file has none.
std::vector<CatalogueRow> readCatalogueFile(std::string_view dataDir);

// The line of a row as the file holds it, without its line end.
std::string catalogueLine(const CatalogueRow& row);

// Whether code has the shape of a story code: two digits, then up to six ASCII letters or
// digits (8 characters at most).
bool isStoryCodeShape(std::string_view code);

// The first cell of each data line (before its tab), as a row's key.
std::string rowKey(std::string_view line);

// text with every row whose key equals key (letter case ignored) removed, and line added in the
// place of the first one (at the end when there was none; nullopt line only removes). Every
// other line, comment and line end stays byte for byte.
std::string replaceRow(std::string_view text, std::string_view key,
                       const std::optional<std::string>& line);

}  // namespace kz
