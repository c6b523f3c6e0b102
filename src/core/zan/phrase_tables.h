#pragma once

#include <map>
#include <string>
#include <string_view>

namespace kz {

// Where each page's phrases end, one table per story of the library, keyed by story code in
// capitals. A table is "|" followed by one entry per page, each ended by "|": the page number and
// its comma-separated breaks, e.g. "|1,-1|2,3,7|".
using PhraseTables = std::map<std::string, std::string>;

// Tables from text of one story a line: the code, a tab, the table. Blank lines and lines starting
// with "#" are comments; a line without a tab is ignored; of two rows with one code, the first
// counts. Codes are upper-cased.
PhraseTables parsePhraseTables(std::string_view text);

// The rows the reader uses from text of that form: those of a story code numbered 01 to 32 (the
// stories the reader opens) whose table has the table format; any other row is left out, so its
// story has no table.
PhraseTables usablePhraseTables(std::string_view text);

// The tables delivered with the stories: the data directory's DATA\PHRASES.TXT
// (kPhraseTableFileName), read by usablePhraseTables. A missing, unreadable or oversized file
// gives none.
PhraseTables readPhraseTableFile(std::string_view dataDir);

// The table of a story code (any case); empty for a story without one.
std::string selectPhraseTable(std::string_view storyCode, const PhraseTables& tables);

// Whether text has the table format: "|" then entries "page,break,...|" of whole numbers, a
// break possibly empty.
bool isPhraseTable(std::string_view text);

}  // namespace kz
