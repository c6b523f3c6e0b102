#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kz {

// A copy of a file's new content kept after its content while the file is written in place, so
// that a write stopped half-way (the process killed between two pages of one write) still
// leaves a file that reads as the old content or the new one.
//
// The copy starts at a multiple of 32 bytes at or past the end of both the old and the new
// content: a 32-byte header (the mark "\0WQSAVE\n", the old content's length and the copy's,
// both 64-bit little-endian, and a CRC-32 of those 24 bytes), the new content, then a 24-byte
// trailer (the copy's length, its CRC-32, a CRC-32 of those 12 bytes, and the mark
// "\0WQNEXT\n"). The trailer ends the file only once the whole copy is there; a copy stopped
// before (a header and part of the content) still names the old content's length.
inline constexpr std::uint64_t kJournalAlign = 32;

// Where the copy of newSize bytes goes in a file of oldSize bytes.
std::uint64_t journalOffset(std::uint64_t oldSize, std::uint64_t newSize);

// The bytes to write at journalOffset(oldSize, content.size()).
std::string encodeSaveJournal(std::string_view content, std::uint64_t oldSize);

// What a file holds for its readers.
struct SavedContent {
    std::string_view content;
    bool wholeCopy = false;  // the content is a whole copy: an in-place write to finish
    bool tornCopy = false;   // a copy stopped part-way after the old content: to drop
};
SavedContent savedContent(std::string_view file);

}  // namespace kz
