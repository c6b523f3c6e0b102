#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "files/story_catalogue.h"
#include "files/tracking_log.h"
#include "ports/ports.h"
#include "qt_ports.h"
#include "session/session_start.h"

class QMenu;

namespace kz {
struct AppState;
class WavePlayer;
}  // namespace kz

namespace kz::ui {

class HelpWindow;
class MainFrame;
class UiHost;

// What the program's child window (the activity or the reader) is made with: the ports bundle its
// logic runs on, the shared state, and the frame that hosts it (its menus, help, the parent of
// its dialogs).
struct ChildContext {
    ProgramPorts ports;
    AppState& state;
    MainFrame& frame;
};

// What tells the two programs' main windows apart.
struct ProgramInfo {
    Program program;
    QString caption;           // "Words" or "Phrases"
    std::string helpDocument;  // in the installation directory, English; translations beside it
    std::string activity;      // the log's activity name: "Words" or "Phrases"
    // The two players' names by their roles (ProgramPorts), and which is closed first at the end.
    std::string wordPlayer, clickOrPagePlayer;
    bool wordPlayerClosedFirst;
};
ProgramInfo kivProgram();
ProgramInfo zanProgram();
// The program's caption in the class's language (the translations installed).
ProgramInfo translatedInfo(ProgramInfo info);

// The main window (frmKivbig, frmZanbig): a frame whose menu bar shows the child window's menus
// while one is loaded. Its load finishes the start-up (display check, sign-in, session start,
// settings in force), its first activation sets the scale factors and loads the child window,
// and its unload closes help and the players and writes the session's log entry.
class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    struct Ports {
        std::function<std::unique_ptr<WavePlayer>()> makePlayer;
        std::unique_ptr<Random> random;    // seeded from the clock when empty
        std::unique_ptr<Clock> clock;      // the system clock when empty
        std::function<int()> colourDepth;  // bits per pixel of the display
        std::function<bool()> arialAvailable;
        // Creates the child window (activity or reader) at the first activation; may be empty.
        std::function<QWidget*(const ChildContext&)> makeChild;
        // Called when the start-up window is no longer needed.
        std::function<void()> closeStartupWindow;
    };

    MainFrame(AppState& state, UiHost& host, ProgramInfo info, Ports ports);
    ~MainFrame() override;

    // Finishes the start-up; false when the user quit at sign-in (the program then ends).
    bool load();
    // Closes help and the players and writes the session's entry; runs once.
    void unload();

    // The ports bundle the child window's logic runs on.
    ProgramPorts programPorts();

    WavePlayer& player(const std::string& name);
    HelpWindow& help();
    const ProgramInfo& info() const { return m_info; }
    AppState& state() { return m_state; }
    UiHost& host() { return m_host; }

    // Shows a child window in the client area with its menus in the menu bar (none: the frame's).
    void setChild(QWidget* child, const QList<QMenu*>& menus);
    QWidget* child() const { return m_child; }

    // F11: full screen, or back to the maximised window.
    void toggleFullScreen();

signals:
    void activatedFirstTime();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeOnScreen();
    void runDisplayCheck();
    void firstActivation();
    void buildMenus();
    void showFrameMenus(bool show);
    void showChildCaption();

    AppState& m_state;
    UiHost& m_host;
    ProgramInfo m_info;
    Ports m_ports;
    QtTimers m_timers;
    QtTextMeasure m_textMeasure{this};
    std::vector<std::pair<std::string, std::unique_ptr<WavePlayer>>> m_players;
    HelpWindow* m_help = nullptr;
    QWidget* m_child = nullptr;
    QList<QMenu*> m_frameMenus;
    QList<QMenu*> m_childMenus;
    QMetaObject::Connection m_childCaption;
    bool m_activated = false;
    QSize m_placedSize;
    bool m_unloaded = false;
    SessionStart m_session;  // when the session started, for its log entry
};

}  // namespace kz::ui
