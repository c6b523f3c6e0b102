#include "kiv_children.h"

#include <QApplication>
#include <QMenu>
#include <QTimer>

#include "activity_window.h"
#include "dialogs.h"
#include "help_window.h"
#include "main_frame.h"
#include "pointer.h"
#include "settings_window.h"
#include "startup_window.h"
#include "ui_host.h"

namespace kz::ui {

KivChildren::KivChildren(MainFrame& frame, const ProgramPorts& ports)
    : QObject(&frame), m_frame(frame), m_ports(ports) {}

ActivityWindow* KivChildren::showActivity() {
    ActivityWindow::Hooks hooks;
    hooks.openSettings = [this] { showSettings(); };
    hooks.helpContents = [this] { m_frame.help().showContents(); };
    hooks.helpSearch = [this] { m_frame.help().showSearch(); };
    hooks.about = [this] { showAbout(&m_frame); };
    hooks.exit = [this] { m_frame.close(); };
    hooks.frame = [this] { return static_cast<QWidget*>(&m_frame); };
    auto* window = new ActivityWindow(m_frame.state(), m_ports, std::move(hooks));
    m_frame.setChild(window, window->menus());
    // The load runs once the window is in place, as the window's own load event would.
    QTimer::singleShot(0, window, [this, window] {
        if (!window->start()) m_frame.close();
    });
    return window;
}

void KivChildren::showSettings() {
    if (!checkSettingsPassword(&m_frame, m_frame.state(), m_frame.host())) return;
    BusyPointer busy;
    SettingsWindow::Hooks hooks;
    hooks.closed = [this] { QTimer::singleShot(0, this, [this] { showActivity(); }); };
    hooks.helpContents = [this] { m_frame.help().showContents(); };
    hooks.helpSearch = [this] { m_frame.help().showSearch(); };
    hooks.about = [this] { showAbout(&m_frame); };
    hooks.exit = [this] { m_frame.close(); };
    hooks.frame = [this] { return static_cast<QWidget*>(&m_frame); };
    auto* window = new SettingsWindow(m_frame.state(), m_frame.host(), std::move(hooks));
    m_frame.setChild(window, window->menus());
    window->load();
}

QWidget* makeKivChild(const ChildContext& context) {
    auto* children = new KivChildren(context.frame, context.ports);
    children->showActivity();
    return nullptr;  // already in the frame, with its menus
}

}  // namespace kz::ui
