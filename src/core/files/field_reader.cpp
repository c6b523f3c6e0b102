#include "files/field_reader.h"

namespace kz {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

std::optional<std::string> FieldReader::next() {
    while (m_pos < m_bytes.size() && (isBlank(m_bytes[m_pos]) || isLineEnd(m_bytes[m_pos]))) {
        ++m_pos;
    }
    if (m_pos >= m_bytes.size()) return std::nullopt;

    if (m_bytes[m_pos] == '"') {
        const size_t start = m_pos + 1;
        const size_t close = m_bytes.find('"', start);
        if (close == std::string_view::npos) {
            m_pos = m_bytes.size();
            return std::string(m_bytes.substr(start));
        }
        m_pos = m_bytes.find_first_of(",\r\n", close + 1);
        if (m_pos == std::string_view::npos) m_pos = m_bytes.size();
        skipDelimiter();
        return std::string(m_bytes.substr(start, close - start));
    }

    const size_t start = m_pos;
    m_pos = m_bytes.find_first_of(",\r\n", start);
    if (m_pos == std::string_view::npos) m_pos = m_bytes.size();
    size_t end = m_pos;
    while (end > start && isBlank(m_bytes[end - 1])) --end;
    skipDelimiter();
    return std::string(m_bytes.substr(start, end - start));
}

void FieldReader::skipDelimiter() {
    if (m_pos >= m_bytes.size()) return;
    const char c = m_bytes[m_pos++];
    if (c == '\r' && m_pos < m_bytes.size() && m_bytes[m_pos] == '\n') ++m_pos;
}

}  // namespace kz
