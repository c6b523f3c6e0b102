#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kz {

struct AppState;
class HostPorts;
class Random;

inline constexpr std::string_view kVersion = "Version 3.10 December 2010";
inline constexpr std::string_view kProductTitle = "WQ Story Books";

// The installation directory: the folder of the program file as it was started, without
// resolving symbolic links, so a classroom folder may hold links to installed programs beside
// its own settings files. A bare program name is looked up in PATH; a relative one is taken from
// the working directory. The result is held as the programs hold paths (fromSystemPath).
std::string installationDirectory(std::string_view argv0, std::string_view pathVariable,
                                  std::string_view workingDirectory);

// Settles the data directory once the global settings are read: the remembered one, or on the
// first run the trimmed command-line argument (as the system gives it; else the installation
// directory), which is then remembered (a failed save is ignored: it is tried again at the next
// start; a folder whose name Windows-1252 cannot hold is used for the session and not stored).
void settleDataDirectory(AppState& state, HostPorts& host, std::string_view commandLine);

// The child windows' scale factors from the frame's client size against the 9600 by 6630 twip
// design; a factor within 1% of 1 is exactly 1.
struct ScaleFactors {
    float x, y, scale;
};
ScaleFactors scaleFactors(double clientWidthTwips, double clientHeightTwips);

// Writes the session's log entry, trying six times with short randomised waits between tries;
// when all six fail the user is asked "Can't write to log": Yes tries six more times, No gives
// up. The "Log too long" information follows a write of a text over 26000 characters. Returns
// whether the entry was written.
bool writeSessionLog(AppState& state, HostPorts& host, std::string_view entry, Random& random);

// The wait between two tries of the log, in milliseconds: 0.3 seconds, then the first check of
// the clock (every 10 ms) at which a freshly drawn fraction is smaller than the time elapsed
// beyond those 0.3 seconds.
int logRetryWaitMs(Random& random);

}  // namespace kz
