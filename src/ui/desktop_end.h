#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace kz::ui {

// Ends the program as File > Exit does (help and the players closed, the session's entry
// written) when the desktop ends it instead: SIGTERM, SIGHUP or SIGINT (a logout, a shutdown,
// Ctrl+C in a terminal), or the X server going away (Qt then ends the process with exit(1)).
// Nobody is there to answer a question then, so the caller's unload must not ask one. One per
// program, made once the main window exists.
class DesktopEnd : public QObject {
public:
    explicit DesktopEnd(std::function<void()> unattendedUnload);
    ~DesktopEnd() override;
    DesktopEnd(const DesktopEnd&) = delete;
    DesktopEnd& operator=(const DesktopEnd&) = delete;

private:
    void signalled();

    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace kz::ui
