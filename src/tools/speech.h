#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kz::admin {

// The Debian package and program that speak words into wave files.
inline constexpr const char* kSpeechProgram = "espeak-ng";

struct SpeechVoice {
    // Any voice espeak-ng knows ("espeak-ng --voices" lists them); empty: the voice of the
    // class's language (classVoice).
    std::string name;
    int wordsPerMinute = 110;  // the sample library's speed for single words
};

// The espeak-ng voice of a language code: "fr", "es", "de"; "en-gb" for English and every other.
std::string voiceForLanguage(std::string_view language);

// The voice of the class's language (kz::chosenLanguage of the installation directory: its
// LANGUAGE.TXT, else the desktop's), so a French class hears French without asking for it.
std::string classVoice(std::string_view appDir);

// The voice as given, or the class's when none was given.
SpeechVoice withClassVoice(SpeechVoice voice, std::string_view appDir);

// True when espeak-ng can be started from the PATH.
bool speechProgramInstalled();

// The wave file (16-bit mono, as espeak-ng writes it) of text said in voice; nullopt when
// espeak-ng cannot be started or fails (an unknown voice: espeak-ng says why on stderr).
std::optional<std::string> speak(const std::string& text, const SpeechVoice& voice);

}  // namespace kz::admin
