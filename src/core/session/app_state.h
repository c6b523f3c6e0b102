#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "files/global_settings.h"
#include "files/user_settings.h"

namespace kz {

// What a running program shares between its windows: the directories, the global settings, the
// signed-in user and the two copies of the per-user settings. main() creates one
// and hands it to whatever needs it; each program keeps its own state in its own classes.
struct AppState {
    std::string appDir;   // installation directory, never changed after start-up
    std::string dataDir;  // data directory
    GlobalSettings global;
    std::string userName = "Unknown";
    bool started = false;
    bool sessionActivity = false;
    float scaleX = 1, scaleY = 1, scale = 1;
    std::string wordRange;      // the word activity's start word list
    UserSettings fileSettings;  // as last loaded or about to be saved
    UserSettings workSettings;  // what the activity, the reader and the settings windows obey
};

}  // namespace kz
