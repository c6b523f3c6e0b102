#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "session/fatal_error.h"

namespace kz::admin {

// The Windows-1252 form of a UTF-8 value; fails with `refusal`, the whole sentence saying which
// value holds a character the file cannot store (a sentence(translate(...)) where the desk can
// meet it).
std::string toFileText(std::string_view utf8, std::string_view refusal);

// Whole numbers in the range of the field; fails naming the key.
int16_t parseInt16(std::string_view text, std::string_view key);
int32_t parseInt32(std::string_view text, std::string_view key);

// KEY=VALUE arguments; fails on a missing "=", a key not in `allowed`, or a key given twice.
std::map<std::string, std::string> parseAssignments(const std::vector<std::string>& args,
                                                    const std::vector<std::string>& allowed);

// Fails saying that the file (a path the core holds) could not be written.
[[noreturn]] void failCouldNotWrite(std::string_view path);

// Fails with the text of the fatal error (CR LF shown as newlines).
[[noreturn]] void failWith(const FatalError& error);

// A file text for the terminal: UTF-8, CR LF as newline, control characters escaped.
std::string forTerminal(std::string_view fileText);

// One field of a file (a name, a word) for the terminal: UTF-8, control characters escaped.
std::string terminalText(std::string_view fileText);

// A sentence of the engine as its reader meets it: UTF-8, its %1 ... %9 filled in with the
// arguments (UTF-8: names, terminalPath, terminalText). The sentence is written where it is used
// as translate("kz::admin::Context", "English with %1") (files/shown_text.h), so that lupdate
// collects it into the desk's translations: the desk, which installs them, shows the sentence in
// the class's language; wqadmin installs none and prints the English byte for byte.
std::string sentence(std::string_view translated,
                     std::initializer_list<std::string_view> args = {});

// A path typed on the command line (UTF-8) as the core holds paths: Windows-1252 where it can be
// (fromSystemPath in files/paths.h). Options naming files transform their values with it. A
// path holding a backslash is refused: the core would read it as a folder separator.
std::string heldPath(std::string systemPath);

// A path the core holds, as the terminal shows it: "/" between folders, in UTF-8.
std::string terminalPath(std::string_view path);

// The text of the installation's tracking log; fails with a message when the log is missing,
// empty or damaged.
std::string readLogText(const std::string& dir);

// An installation directory and the data directory the programs use with it.
struct Installation {
    std::string appDir;
    std::string dataDir;
};

// The installation directory and the data directory its GLOBSET.WQ names (the installation
// directory itself while none is recorded, as the programs' first run records it); fails with a
// message when dir holds no GLOBSET.WQ or the data directory does not exist.
Installation openInstallation(const std::string& dir);

// A field value checked to be storable and to fit its width in the file; fails with the whole
// sentence of the fault: `notStorable`, or `tooLong` with the width as its %1.
std::string fieldText(std::string_view utf8, size_t width, std::string_view notStorable,
                      std::string_view tooLong);

// Why the system refused a file or folder, for a message: the common reasons in the class's
// language where the desk has them translated, else the system's own text (wqadmin, which
// installs no translator, prints the system's text as before).
std::string systemReason(const std::error_code& ec);

// Today's date as the log and the report write it: the day, the month's name and the year.
struct Today {
    int day;
    const char* month;
    int year;
};
Today today();
std::string todayText();  // "7 March 2026"

}  // namespace kz::admin
