#pragma once

#include <functional>

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
    bool showRecoveryDialog(AppState& state) override;
    void setBusy(bool busy) override;
    void pause(int milliseconds) override;

    std::function<void(int)> pauser;  // replaces real pauses in tests

private:
    QWidget* dialogParent() const;

    std::function<QWidget*()> m_parent;
};

}  // namespace kz::ui
