#pragma once

#include <functional>

#include "message_service.h"
#include "qt_ports.h"
#include "session/host_ports.h"

class QWidget;

namespace kz::ui {

// The windows' side of the core's ports: Qt message boxes through the message service, the
// recovery dialog, the busy pointer, and the log's retry waits. Tests may replace the waits.
class UiHost : public HostPorts {
public:
    // The boxes and the recovery dialog open over the modal dialog in progress, else over the
    // window parent() gives (the main window).
    explicit UiHost(std::function<QWidget*()> parent = {});

    MessageAnswer message(std::string_view text, std::string_view caption, MessageIcon icon,
                          MessageButtons buttons) override;
    RecoveryAnswer showRecoveryDialog(std::string_view reason, AppState& state) override;
    void setBusy(bool busy) override;
    void pause(int milliseconds) override;

    std::function<void(int)> pauser;  // replaces real pauses in tests

    // From now on nobody answers (the desktop is ending the program, or its display is gone):
    // no box is shown, a question is answered No, and the busy pointer is left alone.
    void setUnattended() { m_unattended = true; }

    // The program's one message service: every message box goes through it.
    MessageService& messages() { return m_messages; }

    // The clock the dialogs read (the recovery dialog's wait for the next second): the main
    // window's clock port while it lives; nullptr puts the system clock back.
    void setClock(Clock* clock) { m_clock = clock; }
    Clock& clock() { return m_clock ? *m_clock : m_systemClock; }

private:
    QWidget* dialogParent() const;

    std::function<QWidget*()> m_parent;
    MessageService m_messages;
    SystemClock m_systemClock;
    Clock* m_clock = nullptr;
    bool m_unattended = false;
};

}  // namespace kz::ui
