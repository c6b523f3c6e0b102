#pragma once

#include <string>
#include <string_view>

namespace kz {

struct AppState;
struct ProgramPorts;

// Whether a data directory holds the story data: a BMPS folder, and a DATA folder with a
// "*.DAT" file whose name starts with a number from 17 to 32.
bool dataSetPresent(std::string_view dataDir);

// The activity's start-up data check. Each round sets up the click (WAVS\CLICK.WAV of the data
// directory) and the word player, and counts the session as active, so that it is logged from
// here on; while the data is missing the recovery dialog asks with "STARTUPYELLOW" and the check
// runs again. Once found in another directory than at entry, the dialog asks
// "AGAIN" whether to keep it, and "YES" stores it in the global settings. False when the user
// chose to quit.
bool runDataCheck(AppState& state, ProgramPorts& ports);

// A word list's name as the settings store it and the start-up reads it back: the file name
// before its first ".", cut to 8 characters (07DOG.TXT is kept as "07DOG", not "07DOG.TX").
std::string storedWordListName(std::string_view fileName);

// The start list's path: the data directory's WORDLIST folder, the stored name, ".TXT".
std::string startListPath(std::string_view dataDir, std::string_view wordRange);

}  // namespace kz
