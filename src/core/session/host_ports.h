#pragma once

#include <string_view>

namespace kz {

struct AppState;

enum class MessageIcon { Exclamation, Information, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// What the core asks of the windows: message boxes, the recovery dialog, the busy pointer and
// the log's short retry waits at exit. The windows implement it with Qt; tests with fakes that
// answer at once.
class HostPorts {
public:
    virtual ~HostPorts() = default;

    // A modal message box; an empty caption means the program's own.
    virtual MessageAnswer message(std::string_view text, std::string_view caption, MessageIcon icon,
                                  MessageButtons buttons) = 0;

    // The modal data-location recovery dialog, reading and setting state.request and
    // state.dataDir. Returns false when the user chose to quit the program.
    virtual bool showRecoveryDialog(AppState& state) = 0;

    // The busy (hourglass) pointer on or off.
    virtual void setBusy(bool busy) = 0;

    // Blocks for a short time without spinning, no window reacting: only the retries of the log
    // at exit, when nothing is left to answer, wait this way.
    virtual void pause(int milliseconds) = 0;
};

}  // namespace kz
