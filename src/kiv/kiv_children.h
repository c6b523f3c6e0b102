#pragma once

#include <QObject>
#include <QPointer>

#include "ports/ports.h"

namespace kz::ui {

class ActivityWindow;
struct ChildContext;
class MainFrame;
class SettingsWindow;

// What the word activity's main window holds: the activity, or the settings window while the
// teacher changes the settings (the activity does not exist meanwhile), then a fresh activity
// with the settings then in force.
class KivChildren : public QObject {
    Q_OBJECT
public:
    KivChildren(MainFrame& frame, const ProgramPorts& ports);

    // A fresh activity window, shown in the frame with its menus, its load run.
    ActivityWindow* showActivity();
    // "&Alter the settings": the password lock, then the settings window in place of the
    // activity.
    void showSettings();

private:
    MainFrame& m_frame;
    ProgramPorts m_ports;
};

// The child maker the main window calls at its first activation: the activity, already shown in
// the frame with its menus.
QWidget* makeKivChild(const ChildContext& context);

}  // namespace kz::ui
