#pragma once

#include <optional>
#include <string>

namespace kz::admin {

// The Debian package and program that speak words into wave files.
inline constexpr const char* kSpeechProgram = "espeak-ng";

struct SpeechVoice {
    std::string name = "en-gb";  // any voice espeak-ng knows ("espeak-ng --voices" lists them)
    int wordsPerMinute = 110;    // the sample library's speed for single words
};

// True when espeak-ng can be started from the PATH.
bool speechProgramInstalled();

// The wave file (16-bit mono, as espeak-ng writes it) of text said in voice; nullopt when
// espeak-ng cannot be started or fails (an unknown voice: espeak-ng says why on stderr).
std::optional<std::string> speak(const std::string& text, const SpeechVoice& voice);

}  // namespace kz::admin
