// The rows delivered with the stories in the data folder: the phrase-break table file and the
// catalogue rows. The input is the file's text, a NUL, a story code, a NUL, and a table. Every row
// the reader keeps is a table of a story numbered 01 to 32; replacing one code's row (as wqadmin
// story make does) gives that code exactly the new table and leaves every other row as it was.
#include <cstdlib>
#include <string>

#include "files/story_rows.h"
#include "files/text.h"
#include "fuzz_input.h"
#include "zan/phrase_tables.h"

namespace {

void require(bool property) {
    if (!property) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto parts = kz::fuzz::splitParts(kz::fuzz::bytesOf(data, size), 3);
    const std::string_view text = parts[0];
    const kz::PhraseTables tables = kz::usablePhraseTables(text);
    for (const auto& [code, table] : tables) {
        require(kz::isStoryCodeShape(code));
        const int number = std::stoi(code.substr(0, 2));
        require(number >= 1 && number <= 32);
        require(kz::isPhraseTable(table));
    }
    for (const auto& row : kz::parseCatalogueRows(text)) require(!row.title.empty());

    const std::string code = kz::toUpperAscii(parts[1]);
    const std::string table(parts[2]);
    const bool plain =
        kz::isStoryCodeShape(code) && table.find_first_of("\r\n") == std::string::npos;
    if (!plain) return 0;
    const std::string changed = kz::replaceRow(text, code, code + "\t" + table);
    const kz::PhraseTables after = kz::parsePhraseTables(changed);
    require(after.count(code) == 1 && after.at(code) == table);
    kz::PhraseTables before = kz::parsePhraseTables(text);
    before.erase(code);
    kz::PhraseTables others = after;
    others.erase(code);
    require(others == before);
    // Removing the row leaves the others too, and no row of that code.
    const kz::PhraseTables removed =
        kz::parsePhraseTables(kz::replaceRow(text, code, std::nullopt));
    require(removed.count(code) == 0 && removed == before);
    return 0;
}
