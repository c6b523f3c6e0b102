#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kz {

// The core's sentences are English; the windows show them in the class's language. A sentence the
// windows show is written once in the core as kz::translate("Context", "English text with %1"),
// which lupdate collects into the shared translation file (scripts/update-translations.sh), and
// filled in with its arguments by fillIn. Texts written into files (the log, the settings) never
// pass through here.

// What the windows install: the sentence in the class's language as Windows-1252 bytes, or an
// empty string when it has none (the English is shown then).
using TextTranslator = std::function<std::string(const char* context, const char* english)>;

// Installs the windows' translator; an empty one goes back to English. Set once at start, before
// any window.
void setTextTranslator(TextTranslator translator);

// The sentence in the class's language (Windows-1252), the English itself when no translator is
// installed or it has no translation for it. Both arguments are string literals; their lines end
// in "\n", given back as CR LF (the line end of every message the programs show).
std::string translate(const char* context, const char* english);

// The text with %1 ... %9 replaced by the arguments, in one pass, so that an argument holding
// "%2" stays as it is; a marker with no argument and a lone "%" stay as written.
std::string fillIn(std::string_view text, std::initializer_list<std::string_view> args);

}  // namespace kz
