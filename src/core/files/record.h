#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "files/file_update.h"

namespace kz {

// Little-endian fields of a fixed-length binary record held as bytes. The records keep every
// byte they do not interpret, so a field is read and written in place.
class RecordBytes {
public:
    RecordBytes(size_t size, std::string_view initial);

    int16_t int16At(size_t offset) const;
    void setInt16At(size_t offset, int16_t value);
    int32_t int32At(size_t offset) const;
    void setInt32At(size_t offset, int32_t value);
    // The raw text of a field, padding included.
    std::string_view textAt(size_t offset, size_t width) const;
    // Left-aligned assignment: cut to the width or padded with spaces.
    void setTextAt(size_t offset, size_t width, std::string_view text);

    // The bytes of a field exactly as another record of the same layout holds them.
    void copyFrom(const RecordBytes& other, size_t offset, size_t width);

    const std::string& bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

// Overlays a file's first bytes on a record's blank form, so that a file shorter than the
// record reads as far as it goes and the rest keeps the blank form (spaces in text fields, zeros
// in numbers).
std::string overlayPrefix(std::string blank, std::string_view file);

// A file's new content after writing record 1 over it: the record, then whatever the old file
// held past the record's length, left as it was.
std::string withRecordWritten(std::string_view oldFile, std::string_view record);

}  // namespace kz

namespace kz {

// A record file's bytes; nullopt when the file is missing, empty or cannot be read (an empty
// file counts as missing).
std::optional<std::string> readRecordFile(std::string_view path);

// Saves record 1 of a file field by field, as one locked read-modify-write (files/file_update.h):
// the file is read again, change() sets on its record the fields this save changes, and the
// record goes back with whatever the file held past it. A missing or empty file is written from
// `whole` with the change applied, or the save fails when no whole record is given. Returns the
// record as written (with other processes' changes to the other fields); nullopt on failure.
template <typename Record>
std::optional<Record> updateRecordFile(std::string_view path,
                                       const std::function<void(Record&)>& change,
                                       const std::optional<Record>& whole = std::nullopt) {
    std::optional<Record> written;
    const bool ok = updateFile(path, whole ? IfMissing::Create : IfMissing::Fail,
                               [&](std::string_view current) -> std::optional<std::string> {
                                   if (current.empty() && !whole) return std::nullopt;
                                   Record record =
                                       current.empty() ? *whole : Record::decode(current);
                                   change(record);
                                   written = record;
                                   return withRecordWritten(current, record.encode());
                               });
    if (!ok) return std::nullopt;
    return written;
}

}  // namespace kz
