// The copy of a file's new content that an in-place write puts after the file first.
#include "files/save_journal.h"

#include <array>

namespace kz {
namespace {

constexpr std::string_view kHeadMark("\0WQSAVE\n", 8);
constexpr std::string_view kTailMark("\0WQNEXT\n", 8);
constexpr size_t kHeaderBytes = 32;
constexpr size_t kTrailerBytes = 24;

std::uint32_t crc32(std::string_view bytes) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (const char ch : bytes) c = table[(c ^ static_cast<unsigned char>(ch)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void putLittle(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i, value >>= 8) out += static_cast<char>(value & 0xFF);
}

std::uint64_t little(std::string_view bytes) {
    std::uint64_t value = 0;
    for (size_t i = bytes.size(); i-- > 0;) {
        value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    }
    return value;
}

struct Header {
    std::uint64_t oldSize, length;
};

// The header at offset `at` of file, when one is there whole and fits where it stands.
bool readHeader(std::string_view file, size_t at, Header& header) {
    if (at % kJournalAlign != 0 || file.size() - at < kHeaderBytes) return false;
    const std::string_view h = file.substr(at, kHeaderBytes);
    if (h.substr(0, 8) != kHeadMark || little(h.substr(24, 4)) != crc32(h.substr(0, 24))) {
        return false;
    }
    header = {little(h.substr(8, 8)), little(h.substr(16, 8))};
    return at == journalOffset(header.oldSize, header.length);
}

}  // namespace

std::uint64_t journalOffset(std::uint64_t oldSize, std::uint64_t newSize) {
    const std::uint64_t end = oldSize > newSize ? oldSize : newSize;
    return (end + kJournalAlign - 1) / kJournalAlign * kJournalAlign;
}

std::string encodeSaveJournal(std::string_view content, std::uint64_t oldSize) {
    std::string out(kHeadMark);
    putLittle(out, oldSize, 8);
    putLittle(out, content.size(), 8);
    putLittle(out, crc32(out), 4);
    putLittle(out, 0, 4);
    out += content;
    std::string fields;
    putLittle(fields, content.size(), 8);
    putLittle(fields, crc32(content), 4);
    out += fields;
    putLittle(out, crc32(fields), 4);
    out += kTailMark;
    return out;
}

SavedContent savedContent(std::string_view file) {
    // A whole copy: the trailer ends the file, and the header stands before the content.
    if (file.size() >= kHeaderBytes + kTrailerBytes) {
        const std::string_view trailer = file.substr(file.size() - kTrailerBytes);
        const std::string_view fields = trailer.substr(0, 12);
        const std::uint64_t length = little(fields.substr(0, 8));
        const size_t before = file.size() - kTrailerBytes;
        Header header{};
        if (trailer.substr(16) == kTailMark && little(trailer.substr(12, 4)) == crc32(fields) &&
            length <= before - kHeaderBytes &&
            readHeader(file, before - length - kHeaderBytes, header) && header.length == length) {
            const std::string_view content = file.substr(before - length, length);
            if (little(fields.substr(8, 4)) == crc32(content)) return {content, true, false};
        }
    }
    // A copy stopped part-way: its header, after the old content, which is what the file holds.
    for (size_t at = file.rfind(kHeadMark); at != std::string_view::npos;
         at = at == 0 ? std::string_view::npos : file.rfind(kHeadMark, at - 1)) {
        Header header{};
        if (readHeader(file, at, header) && header.oldSize <= at &&
            file.size() - at < kHeaderBytes + header.length + kTrailerBytes) {
            return {file.substr(0, header.oldSize), false, true};
        }
    }
    return {file, false, false};
}

}  // namespace kz
