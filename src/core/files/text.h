#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kz {

// CR LF: every multi-line message and file text uses it.
inline constexpr std::string_view kNewLine = "\r\n";

// Removes leading and trailing spaces (only spaces, as the record formats pad with them).
std::string_view trimSpaces(std::string_view text);

// Left-aligned assignment into a fixed-width field: cut to the width or padded with spaces.
std::string padField(std::string_view text, size_t width);

// ASCII upper and lower case; other bytes are left alone.
std::string toUpperAscii(std::string_view text);
std::string toLowerAscii(std::string_view text);

// Upper and lower case of every letter Windows-1252 has: a-z, the accented letters, and the
// pairs Š/š, Œ/œ, Ž/ž, Ÿ/ÿ. Letters without a single-letter other case (ß, µ) stay as they are.
std::string toUpperCp1252(std::string_view text);
std::string toLowerCp1252(std::string_view text);

// The accented letters a word list may hold (and the word activity takes), in Windows-1252, small
// and capital: é è ê ë à â î ï ô û ù ü ÿ ç œ æ ñ á í ó ú ä ö ß (ß has no capital).
bool isAccentedLetter(char c);

// Whether a word holds an accented letter, so that its list must be an accented one.
bool hasAccentedLetter(std::string_view word);

// The usual text-to-number reading: white space anywhere is skipped, then an optional sign,
// digits with an optional fraction and exponent, and "&H"/"&O" prefixes for hexadecimal and octal.
// Reading stops at the first character that does not fit; no number at all reads as 0.
double leadingNumber(std::string_view text);

// The stricter reading of the numbers in story files: blanks (spaces, tabs) only before the
// number, an optional sign, digits with an optional fraction and exponent; no "&H"/"&O" prefixes
// and no blanks inside. No number at all reads as 0; nullopt when the number is too large for a
// double.
std::optional<double> leadingDecimalNumber(std::string_view text);

// Rounds halves to the even number; nullopt when the result does not fit in 16 bits.
std::optional<int16_t> roundToInt16(double value);

// Rounds halves to the even number (no range check).
double roundHalfEven(double value);

}  // namespace kz
