#include "program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "audio_output.h"
#include "desktop_end.h"
#include "fatal.h"
#include "input_blocker.h"
#include "ports/wave_player.h"
#include "session/app_state.h"
#include "session/startup.h"
#include "startup_window.h"
#include "translations.h"
#include "ui_host.h"

namespace kz::ui {
namespace {

// The data directory may be given on the command line, spaces and all.
std::string commandLine() {
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return args.join(' ').toStdString();
}

bool arialAvailable() {
    const QString family = QFontInfo(QFont("Arial")).family();
    return family == "Arial" || family == "Liberation Sans" || family == "Arimo";
}

}  // namespace

int runProgram(int argc, char** argv, const ProgramInfo& info,
               std::function<QWidget*(const ChildContext&)> makeChild) {
    QApplication app(argc, argv);
    // The program ends through its main window's unload, never because some window closed last:
    // during the start-up and sign-in the main window is not shown yet, and closing a message box
    // there would otherwise end the run.
    QApplication::setQuitOnLastWindowClosed(false);

    AppState state;
    const char* path = std::getenv("PATH");
    state.appDir =
        installationDirectory(argv[0], path ? path : "", std::filesystem::current_path().string());
    state.dataDir = state.appDir;
    // The class's language holds from the first window on; the caption follows it.
    installTranslations(state.appDir, info.program == Program::Kiv ? "kiv" : "zan");
    const ProgramInfo translated = translatedInfo(info);
    // The program's caption for message boxes that have none. Only the application name is set:
    // on X11 a display name would be appended to every window title ("Password — Words"), and
    // captions are shown exactly as the windows give them.
    QApplication::setApplicationName(translated.caption);
    QPointer<MainFrame> mainWindow;
    UiHost host([&mainWindow] {
        return mainWindow ? static_cast<QWidget*>(mainWindow) : QApplication::activeWindow();
    });
    const FatalErrorHandlers beforeTheFrame(
        {}, [&state] { return state.dataDir; }, &host.messages());

    auto globals = loadGlobalSettings(state.appDir);
    if (!globals) fatalError(globals.error());
    state.global = globals.value();
    settleDataDirectory(state, host, commandLine());

    // The start-up window goes up first: the sound output and the main window are built while
    // it shows, and the window is on the screen as soon as a bare Qt window would be.
    auto* startup = new StartupWindow(StartupWindow::Role::Startup);
    startup->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<StartupWindow> startupAlive(startup);
    startup->show();
    QCoreApplication::processEvents();
    QElapsedTimer shown;
    shown.start();

    AudioOutput audio(info.caption.toStdString());
    MainFrame::Ports ports;
    ports.makePlayer = [&audio] { return audio.createPlayer(); };
    ports.colourDepth = [] { return QGuiApplication::primaryScreen()->depth(); };
    ports.arialAvailable = arialAvailable;
    ports.makeChild = std::move(makeChild);
    ports.closeStartupWindow = [startupAlive] {
        if (startupAlive) startupAlive->close();
    };
    MainFrame frame(state, host, translated, std::move(ports));
    mainWindow = &frame;
    // Its window is made on the display now, hidden, so that the end of the pause only fills and
    // shows it.
    frame.winId();
    const FatalErrorHandlers withTheFrame([&frame] { frame.unload(); },
                                          [&state] { return state.dataDir; }, &host.messages());
    // A logout, a shutdown or a lost display ends the session as File > Exit does.
    const DesktopEnd desktopEnd([&frame, &host] {
        host.setUnattended();
        frame.unload();
    });

    // The start-up window stays about a second once painted, with the busy pointer and no window
    // reacting to input; then the main window loads. The times count from the window's showing,
    // so building the main window meanwhile does not lengthen them.
    std::unique_ptr<InputBlocker> startupPause;
    const int tick = std::max<int>(0, 100 - static_cast<int>(shown.elapsed()));
    QTimer::singleShot(tick, Qt::PreciseTimer, &frame, [&] {
        startupPause = std::make_unique<InputBlocker>();
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const int rest = std::max<int>(0, 1100 - static_cast<int>(shown.elapsed()));
        QTimer::singleShot(rest, Qt::PreciseTimer, &frame, [&] {
            QApplication::restoreOverrideCursor();
            startupPause.reset();
            if (!frame.load()) {
                frame.unload();
                QApplication::quit();
                return;
            }
            frame.showMaximized();
        });
    });
    const int status = QApplication::exec();
    // The program ends with its main window's unload (help and players closed, the log entry
    // written), as a fatal error does. Tearing down the sound output on the way out would close
    // the audio device, and SDL's close waits until the sound server next asks for samples: up to
    // about two seconds under PulseAudio.
    frame.unload();
    std::fflush(nullptr);
    std::_Exit(status);
}

}  // namespace kz::ui
