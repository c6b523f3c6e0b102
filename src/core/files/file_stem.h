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

// The stem of a word's recording (WAVS\WDS\stem.WAV). A word of the letters A-Z (and anything
// else without an accented letter) gets its fileStem, so every existing recording keeps its name.
// A word with an accented letter (é, ñ, ß ...) keeps its accented letters in the stem, so that
// "t\xFA" and "t\xE9" name T\xDA.WAV and T\xC9.WAV, never both T.WAV: the letters A-Z and the
// accented letters of the word, upper-cased in Windows-1252 (ß stays ß); past 8 letters, the first
// 6 and the last two digits of the sum of the upper-cased letters' codes (0-255 each). On disk the
// name is UTF-8, as every name the programs resolve ("\xC9T\xC9.WAV" is "ÉTÉ.WAV").
std::string wordSoundStem(std::string_view word, int16_t voiceA);

}  // namespace kz
