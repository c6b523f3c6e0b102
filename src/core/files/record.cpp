#include "files/record.h"

#include "files/paths.h"
#include "files/text.h"

namespace kz {

RecordBytes::RecordBytes(size_t size, std::string_view initial) : m_bytes(initial.substr(0, size)) {
    m_bytes.resize(size, '\0');
}

int16_t RecordBytes::int16At(size_t offset) const {
    const auto lo = static_cast<unsigned char>(m_bytes[offset]);
    const auto hi = static_cast<unsigned char>(m_bytes[offset + 1]);
    return static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
}

void RecordBytes::setInt16At(size_t offset, int16_t value) {
    const auto u = static_cast<uint16_t>(value);
    m_bytes[offset] = static_cast<char>(u & 0xFF);
    m_bytes[offset + 1] = static_cast<char>(u >> 8);
}

int32_t RecordBytes::int32At(size_t offset) const {
    uint32_t u = 0;
    for (int i = 3; i >= 0; --i) u = (u << 8) | static_cast<unsigned char>(m_bytes[offset + i]);
    return static_cast<int32_t>(u);
}

void RecordBytes::setInt32At(size_t offset, int32_t value) {
    auto u = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i, u >>= 8) m_bytes[offset + i] = static_cast<char>(u & 0xFF);
}

std::string_view RecordBytes::textAt(size_t offset, size_t width) const {
    return std::string_view(m_bytes).substr(offset, width);
}

void RecordBytes::setTextAt(size_t offset, size_t width, std::string_view text) {
    m_bytes.replace(offset, width, padField(text, width));
}

void RecordBytes::copyFrom(const RecordBytes& other, size_t offset, size_t width) {
    m_bytes.replace(offset, width, other.m_bytes, offset, width);
}

std::string overlayPrefix(std::string blank, std::string_view file) {
    blank.replace(0, std::min(blank.size(), file.size()), file.substr(0, blank.size()));
    return blank;
}

std::string withRecordWritten(std::string_view oldFile, std::string_view record) {
    std::string out(record);
    if (oldFile.size() > record.size()) out += oldFile.substr(record.size());
    return out;
}

}  // namespace kz

namespace kz {

std::optional<std::string> readRecordFile(std::string_view path) {
    auto bytes = readWholeFile(path);
    if (!bytes || bytes->empty()) return std::nullopt;
    return bytes;
}

}  // namespace kz
