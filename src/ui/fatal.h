#pragma once

#include <functional>

#include "session/fatal_error.h"

class QWidget;

namespace kz::ui {

// Ends the program after a fault it cannot do without: the message of the error's type, then
// the main window's unload (help closed, players closed, the session's log entry written when a
// session was under way), then the end. Works before any main window exists too.
[[noreturn]] void fatalError(const FatalError& error);

// Ends the program at the user's wish from inside a dialog (the recovery dialog's Quit): the
// main window's unload, then the end.
[[noreturn]] void quitProgram();

// How the program unloads its main window at a fatal error or a quit, and the data directory the
// messages name, registered for as long as the guard lives; the registration it replaced comes
// back when it goes, so no handler outlives what it refers to.
class FatalErrorHandlers {
public:
    FatalErrorHandlers(std::function<void()> unloadMainWindow,
                       std::function<std::string()> dataDir);
    ~FatalErrorHandlers();
    FatalErrorHandlers(const FatalErrorHandlers&) = delete;
    FatalErrorHandlers& operator=(const FatalErrorHandlers&) = delete;

private:
    std::function<void()> m_previousUnload;
    std::function<std::string()> m_previousDataDir;
};

}  // namespace kz::ui
