#include "files/data_field.h"

#include <stdexcept>
#include <vector>

namespace kz {
namespace {

constexpr int kModulus = 221;
constexpr int kFirstScrambled = 35;
constexpr int kQuote = 34;

// What a code 0-33 stands for, by r = ((code + 7) - key mod 4) mod 4.
constexpr unsigned char kClassChar[4] = {'\n', '\r', ' ', '!'};

int classOf(int code, DataKey key) { return static_cast<int>(((code + 7) - key % 4) % 4); }

int classOfChar(unsigned char c) {
    for (int r = 0; r < 4; ++r) {
        if (kClassChar[r] == c) return r;
    }
    return -1;
}

unsigned char scrambled(int p, DataKey key) {
    return static_cast<unsigned char>(kFirstScrambled + (p + key) % kModulus);
}

}  // namespace

std::string decodeDataField(std::string_view field, DataKey& key) {
    if (key == 0) {
        for (unsigned char c : field) key += c;
        return std::string(field);
    }
    std::string out;
    out.reserve(field.size());
    for (unsigned char c : field) {
        if (c < kQuote) {
            out += static_cast<char>(kClassChar[classOf(c, key)]);
        } else if (c == kQuote) {
            out += static_cast<char>(c);
        } else {
            const DataKey v = ((c - kFirstScrambled - key) % kModulus + kModulus) % kModulus;
            out += static_cast<char>(v);
            key += v;
        }
    }
    return out;
}

std::string encodeDataField(std::string_view text, DataKey& key, const CodeChooser& choose) {
    if (key <= 0) throw std::invalid_argument("encodeDataField: the key must follow a header");
    std::string out;
    out.reserve(text.size());
    std::vector<unsigned char> codes;
    for (unsigned char c : text) {
        if (c >= kModulus) throw std::invalid_argument("encodeDataField: character above 220");
        const int r = classOfChar(c);
        if (r < 0) {
            out += static_cast<char>(scrambled(c, key));
            key += c;
            continue;
        }
        codes.clear();
        const int first = choose ? 0 : 14;
        for (int code = first; code < kQuote; ++code) {
            if (code != '\n' && code != '\r' && code != 26 && classOf(code, key) == r) {
                codes.push_back(static_cast<unsigned char>(code));
            }
        }
        if (choose) codes.push_back(scrambled(c, key));
        const size_t pick = choose ? choose(codes.size()) % codes.size() : 0;
        out += static_cast<char>(codes[pick]);
        if (codes[pick] > kQuote) key += c;
    }
    return out;
}

std::string DataLines::next() {
    if (m_pos >= m_text.size()) return {};
    const size_t end = m_text.find("\r\n", m_pos);
    if (end == std::string::npos) {
        std::string line = m_text.substr(m_pos);
        m_pos = m_text.size();
        return line;
    }
    std::string line = m_text.substr(m_pos, end - m_pos);
    m_pos = end + 2;
    return line;
}

}  // namespace kz
