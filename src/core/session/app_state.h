#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "files/global_settings.h"
#include "files/user_settings.h"

namespace kz {

// What a running program shares between its windows: the directories, the global settings, the
// user list, the signed-in user, the two copies of the per-user settings, and the request text
// the dialogs pass back and forth. main() creates one and hands it to whatever needs it.
struct AppState {
    std::string appDir;   // installation directory, never changed after start-up
    std::string dataDir;  // data directory
    GlobalSettings global;
    std::vector<std::string> users;  // element 0: the count text; then the names
    std::string userName = "Unknown";
    std::string request;  // request and answer text of the sign-in, recovery and chooser dialogs
    int passResult = 0;   // -1 right, 0 wrong, 2 cancelled
    bool started = false;
    bool sessionActivity = false;
    float scaleX = 1, scaleY = 1, scale = 1;
    std::string wordRange;      // the word activity's start word list
    std::string wordList;       // the current word-list file name
    std::string storyCode;      // the story reader's current story
    UserSettings fileSettings;  // as last loaded or about to be saved
    UserSettings workSettings;  // what the activity, the reader and the settings windows obey
};

}  // namespace kz
