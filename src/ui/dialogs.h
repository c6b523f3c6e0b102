#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "files/story_catalogue.h"
#include "session/display_check.h"
#include "session/host_ports.h"
#include "session/password.h"

class QWidget;

namespace kz {
struct AppState;
class Clock;
}  // namespace kz

namespace kz::ui {

class MessageService;

// The sign-in question in English, and as the sign-in shows it: in the class's language.
inline constexpr const char* kSignInQuestion = "What\r\nis your name?";
std::string signInQuestion();

// The name list (frmUserName), with the names of USERS.WQ read before it opens (missing or empty:
// the "file" fatal error). As the sign-in (the sign-in question shown): F3, Esc or closing the
// window quit the program (Quit), and "Teacher" needs the password; the chosen name becomes
// state.userName. As a name picker for the settings windows (any other prompt): Esc or closing
// cancels (Cancelled), and state.userName is left as it is.
enum class NameChoice { Chosen, Quit, Cancelled };
enum class NameListRole { SignIn, Picker };
struct NameList {
    std::string prompt;
    NameListRole role;
    std::vector<std::string> names;  // in the file's order
};
struct NameAnswer {
    NameChoice choice;
    std::string name;  // the chosen name, when Chosen
};
NameAnswer runSignInDialog(QWidget* parent, AppState& state, HostPorts& host);
NameAnswer runNamePicker(QWidget* parent, AppState& state, HostPorts& host,
                         std::string_view prompt);

// The teacher password box (frmPass), checked against the stored password.
PasswordOutcome runPasswordDialog(QWidget* parent, const AppState& state);

// The lock on "Alter the settings": true when the settings window may open (signed in as
// Teacher, no password stored, or the right one typed); a wrong one shows "Wrong password".
bool checkSettingsPassword(QWidget* parent, AppState& state, HostPorts& host);

// The data-location recovery dialog (frmNoData) for a reason; "Try again" replaces
// state.dataDir. Its Quit ends the
// program through the main window's unload, so in a running program it always returns true.
RecoveryAnswer runRecoveryDialog(QWidget* parent, AppState& state, std::string_view reason,
                                 MessageService& messages, Clock& clock);

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
    std::string dataDir;  // whose DATA folder delivers the catalogue rows of teachers' stories
};
struct ChooserChoice {
    std::string title;
    std::string fileName;
};
ChooserChoice runChooserDialog(QWidget* parent, const ChooserRequest& request);

}  // namespace kz::ui
