#pragma once

#include <string_view>

namespace kz {

struct AppState;

enum class MessageIcon { Exclamation, Information, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// The reasons the recovery dialog is shown for, besides the name of a file that was not found.
inline constexpr std::string_view kRecoveryNoBooks = "STARTUP";
inline constexpr std::string_view kRecoveryYellowCd = "STARTUPYELLOW";
inline constexpr std::string_view kRecoverySuccess = "AGAIN";  // found where the user said

// What the user answered in the recovery dialog.
enum class RecoveryAnswer {
    TryAgain,         // look again: state.dataDir holds the directory typed (or the same one)
    KeepPermanently,  // the success question's "Yes": remember the new data directory
    ThisSessionOnly,  // the success question's "No"
    Quit,             // the program ends (a running program never returns this)
};

// What the core asks of the windows: message boxes, the recovery dialog, the busy pointer and
// the log's short retry waits at exit. The windows implement it with Qt; tests with fakes that
// answer at once.
class HostPorts {
public:
    virtual ~HostPorts() = default;

    // A modal message box; an empty caption means the program's own.
    virtual MessageAnswer message(std::string_view text, std::string_view caption, MessageIcon icon,
                                  MessageButtons buttons) = 0;

    // The modal data-location recovery dialog for a reason (one of the codes above, or the name
    // of a missing file); "Try again" sets state.dataDir to the directory typed.
    virtual RecoveryAnswer showRecoveryDialog(std::string_view reason, AppState& state) = 0;

    // The busy (hourglass) pointer on or off.
    virtual void setBusy(bool busy) = 0;

    // Blocks for a short time without spinning, no window reacting: only the retries of the log
    // at exit, when nothing is left to answer, wait this way.
    virtual void pause(int milliseconds) = 0;
};

}  // namespace kz
