#include "files/text.h"

#include <locale.h>

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace kz {

std::string_view trimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string padField(std::string_view text, size_t width) {
    std::string out(text.substr(0, width));
    out.resize(width, ' ');
    return out;
}

std::string toUpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::string toLowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

namespace {

char upperCp1252(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) {
        return static_cast<char>(b - 0x20);
    }
    if (b == 0x9A || b == 0x9C || b == 0x9E) return static_cast<char>(b - 0x10);  // š œ ž
    if (b == 0xFF) return static_cast<char>(0x9F);                                // ÿ
    return c;
}

char lowerCp1252(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) {
        return static_cast<char>(b + 0x20);
    }
    if (b == 0x8A || b == 0x8C || b == 0x8E) return static_cast<char>(b + 0x10);  // Š Œ Ž
    if (b == 0x9F) return static_cast<char>(0xFF);                                // Ÿ
    return c;
}

}  // namespace

std::string toUpperCp1252(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = upperCp1252(c);
    return out;
}

std::string toLowerCp1252(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = lowerCp1252(c);
    return out;
}

bool isAccentedLetter(char c) {
    // The small letters; a capital is one once lowered (ß has no capital and stays itself).
    static constexpr std::string_view kSmall =
        "\xE9\xE8\xEA\xEB\xE0\xE2\xEE\xEF\xF4\xFB\xF9\xFC\xFF\xE7\x9C\xE6\xF1\xE1\xED\xF3\xFA\xE4"
        "\xF6\xDF";
    return kSmall.find(toLowerCp1252(std::string_view(&c, 1))[0]) != std::string_view::npos;
}

bool hasAccentedLetter(std::string_view word) {
    for (char c : word) {
        if (isAccentedLetter(c)) return true;
    }
    return false;
}

namespace {

// Files are read the same way whatever locale the program runs in (Qt sets the user's, whose
// decimal point may be a comma).
double strtodInCLocale(const std::string& number) {
    static const locale_t cLocale = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    return ::strtod_l(number.c_str(), nullptr, cLocale);
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The text without the blanks that the number reading skips.
std::string withoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (!isBlank(c)) out += c;
    }
    return out;
}

double radixNumber(std::string_view digits, int radix) {
    double value = 0;
    for (char c : digits) {
        int d = -1;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        if (d < 0 || d >= radix) break;
        value = value * radix + d;
    }
    return value;
}

}  // namespace

double leadingNumber(std::string_view text) {
    const std::string s = withoutBlanks(text);
    if (s.size() >= 2 && s[0] == '&') {
        const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(s[1])));
        if (kind == 'H') return radixNumber(std::string_view(s).substr(2), 16);
        if (kind == 'O') return radixNumber(std::string_view(s).substr(2), 8);
    }
    size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) number += s[i++];
    size_t digits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
        number += s[i++], ++digits;
    if (i < s.size() && s[i] == '.') {
        number += s[i++];
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
            number += s[i++], ++digits;
        }
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::string exponent = "e";
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
        size_t expDigits = 0;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
            exponent += s[j++], ++expDigits;
        }
        if (expDigits > 0) number += exponent;
    }
    const double value = strtodInCLocale(number);
    return std::isfinite(value) ? value : 0;
}

namespace {

// Moves i past the digits of text and returns how many there were.
size_t skipDigits(std::string_view text, size_t& i) {
    const size_t start = i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    return i - start;
}

}  // namespace

std::optional<double> leadingDecimalNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = skipDigits(text, i);
    if (i < text.size() && text[i] == '.') {
        ++i;
        digits += skipDigits(text, i);
    }
    if (digits == 0) return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (skipDigits(text, j) > 0) i = j;
    }
    const std::string_view number = text.substr(start, i - start);
    // A whole number of up to 15 digits, as most numbers of the files are, is exact in a double:
    // read at once, to the value strtod gives.
    const bool sign = number.front() == '+' || number.front() == '-';
    if (number.size() - (sign ? 1 : 0) <= 15 &&
        number.find_first_not_of("0123456789", sign ? 1 : 0) == std::string_view::npos) {
        double whole = 0;
        for (char c : number.substr(sign ? 1 : 0)) whole = whole * 10 + (c - '0');
        return number.front() == '-' ? -whole : whole;
    }
    const double value = strtodInCLocale(std::string(number));
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

double roundHalfEven(double value) { return std::nearbyint(value); }

std::optional<int16_t> roundToInt16(double value) {
    const double r = roundHalfEven(value);
    if (!(r >= -32768.0 && r <= 32767.0)) return std::nullopt;
    return static_cast<int16_t>(r);
}

}  // namespace kz
