#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace kz {

struct AppState;
class GlobalSettings;
class HostPorts;

// Where a data file (name may hold a folder) is looked for, in the order the programs look: the
// installation directory first, then the data directory.
std::array<std::string, 2> dataFileLocations(std::string_view appDir, std::string_view dataDir,
                                             std::string_view name);

// The full path of a data file (name may hold a folder, as in "WAVS\CLICK.WAV"), looked for in
// the installation directory first, then in the data directory. When it is in neither and
// askUser is set, the recovery dialog asks for the data's location and the lookup tries again
// as often as needed (the dialog itself waits about a second after "Try again", so that a CD
// just put in has time to be read). Returns the empty text when it is not found and
// askUser is false, or when the user chose to quit in the dialog (with askUser set, the empty text
// means only that).
std::string findDataFile(AppState& state, HostPorts& host, std::string_view name, bool askUser);

// Saves the fields change() sets in the global settings: they take effect in state.global for
// this run whatever happens, and the file gets them and nothing else (other fields as the file
// now holds them, which state.global then takes too). On failure, when showMessage is set, tells
// the user and reads the file back (the in-memory values then match the file again where it can
// be read).
bool saveGlobalSettings(AppState& state, HostPorts& host, bool showMessage,
                        const std::function<void(GlobalSettings&)>& change);

// The milliseconds until the time of day passes the next whole second: the wait before the data
// is looked for again in a directory just typed.
int millisecondsToNextSecond(double secondsSinceMidnight);

}  // namespace kz
