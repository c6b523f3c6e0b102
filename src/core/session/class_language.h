#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kz {

// A class may choose its own language, apart from the desktop's: the file "LANGUAGE.TXT" in the
// class folder (the installation directory) holds its code on the first line ("fr", "es", "de",
// "en"; ASCII letters, any case, CR LF or LF after it). It is a file of its own so that
// GLOBSET.WQ stays exactly as the programs have always written it.
inline constexpr const char* kClassLanguageFile = "LANGUAGE.TXT";

// The path of the class's language file in appDir (held as the core holds paths).
std::string classLanguagePath(std::string_view appDir);

// The class's language code, lower-cased, when the file exists and its first line is two or three
// ASCII letters; nullopt otherwise (no file, an empty or unreadable one): the desktop's language
// holds then.
std::optional<std::string> classLanguage(std::string_view appDir);

// The desktop's language: the first of LANGUAGE (a colon-separated list), LC_ALL, LC_MESSAGES,
// LANG that is set and not empty, cut at "_", "." or "@" and lower-cased ("fr_FR.UTF-8" gives
// "fr"); "en" when none is set or it is "C" or "POSIX". For a program that has no class folder
// yet (the desk before the teacher chose one).
std::string desktopLanguage();

// The language the programs speak: the class's own (classLanguage), else the desktop's
// (desktopLanguage).
std::string chosenLanguage(std::string_view appDir);

// Writes the class's language file ("fr" CR LF) atomically; an empty code removes the file, so
// that the desktop's language holds again. False when it cannot be written or the code is not two
// or three ASCII letters.
bool setClassLanguage(std::string_view appDir, std::string_view code);

}  // namespace kz
