#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kz {

// The stem (at most 8 characters) that names a user's settings file (stem + ".WQ") and a word's
// sound file (WAVS\WDS\stem.WAV): the letters A-Z of the text, upper-cased; a text without
// letters gives its trimmed first 8 characters; the lone letter "A" gives "AY" when voiceA is -1
// and "UH" otherwise; a longer stem becomes its first 6 letters and the last two digits of the
// sum of the letters' codes.
//
// A stem always names a file, so characters that could lead outside the folder or are not
// allowed in a file name ("/", "\", ":", NUL, a leading ".") become "_": a user named "../12"
// can never reach a file outside the installation directory.
std::string fileStem(std::string_view text, int16_t voiceA);

}  // namespace kz
