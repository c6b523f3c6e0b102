#pragma once

#include <functional>

#include "session/host_ports.h"

class QWidget;

namespace kz::ui {

// The windows' side of the core's ports: Qt message boxes through the message service, the
// recovery dialog, the busy pointer, and the log's retry waits. Tests may replace the waits.
class UiHost : public HostPorts {
public:
    explicit UiHost(std::function<QWidget*()> parent = {});

    MessageAnswer message(std::string_view text, std::string_view caption, MessageIcon icon,
                          MessageButtons buttons) override;
    bool showRecoveryDialog(AppState& state) override;
    void setBusy(bool busy) override;
    void pause(int milliseconds) override;

    std::function<void(int)> pauser;  // replaces real pauses in tests

private:
    std::function<QWidget*()> m_parent;
};

// The busy pointer for the lifetime of a scope.
class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

// The normal pointer for the lifetime of a scope (a question or a dialog wants it even while file
// work that shows the busy pointer is under way); the busy pointers lifted come back afterwards.
class NormalPointer {
public:
    NormalPointer();
    ~NormalPointer();
    NormalPointer(const NormalPointer&) = delete;
    NormalPointer& operator=(const NormalPointer&) = delete;

private:
    int m_lifted = 0;
};

}  // namespace kz::ui
