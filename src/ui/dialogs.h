#pragma once

#include <string>

#include "files/story_catalogue.h"
#include "session/display_check.h"

class QWidget;

namespace kz {
struct AppState;
class HostPorts;
}  // namespace kz

namespace kz::ui {

// The sign-in question; the sign-in dialog compares its request against exactly this text.
inline constexpr const char* kSignInQuestion = "What\r\nis your name?";

// The name list (frmUserName). With state.request equal to the sign-in question it is the
// sign-in: F3, Esc or closing the window quit the program (Quit), and "Teacher" needs the
// password. With any other request it serves the settings windows as a name picker, and Esc or
// closing cancels (Cancelled). A chosen name is in state.userName.
enum class NameChoice { Chosen, Quit, Cancelled };
NameChoice runSignInDialog(QWidget* parent, AppState& state, HostPorts& host);

// The teacher password box (frmPass): sets state.passResult to -1 right, 0 wrong, 2 cancelled.
void runPasswordDialog(QWidget* parent, AppState& state);

// The lock on "Alter the settings": true when the settings window may open (signed in as
// Teacher, no password stored, or the right one typed); a wrong one shows "Wrong password".
bool checkSettingsPassword(QWidget* parent, AppState& state, HostPorts& host);

// The data-location recovery dialog (frmNoData) for the reason in state.request; the answer
// comes back in state.request ("AGAIN", "YES" or "no") and state.dataDir. Its Quit ends the
// program through the main window's unload, so in a running program it always returns true.
bool runRecoveryDialog(QWidget* parent, AppState& state);

// The display check (frmWarning) for a kind of warning; saves the
// "do not warn again" choice silently; "No - quit" ends the program. The colour depth (bits per
// pixel) names the number of colours; -1 reads the screen's.
void runDisplayCheckDialog(QWidget* parent, AppState& state, HostPorts& host, DisplayWarning kind,
                           int colourDepthBits = -1);

// The story and word-list chooser (frmGetfile): the files of a folder by their catalogue
// titles, the one in use pre-selected. Returns the chosen title and file name, both empty when
// nothing was chosen.
struct ChooserRequest {
    std::string request;      // "RESTRICT01:32" for stories; anything else lists every title
    std::string folder;       // the folder to list, as the formats write paths
    std::string pattern;      // "*.TXT" or "*.DAT"
    std::string currentFile;  // the word list or story code in use
    Program program;
};
struct ChooserChoice {
    std::string title;
    std::string fileName;
};
ChooserChoice runChooserDialog(QWidget* parent, const ChooserRequest& request);

}  // namespace kz::ui
