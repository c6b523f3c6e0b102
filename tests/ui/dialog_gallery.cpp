// Draws every shared dialog on the current screen and saves each as a PNG, for looking at the
// windows at several screen sizes: dialog_gallery OUTPUT_FOLDER SUFFIX DATA_FOLDER
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "chooser_dialog.h"
#include "display_check_dialog.h"
#include "files/user_list.h"
#include "password_dialog.h"
#include "recovery_dialog.h"
#include "session/app_state.h"
#include "sign_in_dialog.h"
#include "startup_window.h"
#include "temp_dir.h"
#include "ui_host.h"

using namespace kz;
using namespace kz::ui;

namespace {

// Shows the window and saves what the screen shows of it, with the window manager's frame and
// caption where there is one (on an X display); elsewhere the window's own contents.
void save(QWidget& w, const QString& folder, const QString& name, const QString& suffix) {
    w.show();
    QEventLoop settle;  // the window manager frames and places the window
    QTimer::singleShot(400, &settle, &QEventLoop::quit);
    settle.exec();
    const QRect frame = w.frameGeometry();
    const QPixmap shot =
        QGuiApplication::platformName() == "xcb"
            ? w.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
            : w.grab();
    shot.save(QDir(folder).filePath(name + "-" + suffix + ".png"));
    w.hide();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Phrases");
    const QStringList args = app.arguments();
    if (args.size() < 4) return 2;
    const QString out = args[1], suffix = args[2];
    test::TempDir dir;
    dir.write("USERS.WQ",
              encodeUserList({"Teacher", "Amy", "Ben Okafor", "Chloe", "Dev", "Ella", "Finn"}));
    AppState state;
    state.appDir = dir.str();
    state.dataDir = args[3].toStdString();
    state.global.setPassword("");
    UiHost host;

    StartupWindow startup(StartupWindow::Role::About);
    save(startup, out, "about", suffix);

    state.request = "What\r\nis your name?";
    SignInDialog signIn(nullptr, state, host);
    signIn.findChild<QListWidget*>()->setCurrentRow(2);
    save(signIn, out, "sign-in", suffix);

    PasswordDialog password(nullptr, state);
    password.findChild<QLineEdit*>()->setText("OWL");
    save(password, out, "password", suffix);

    state.request = "WAVS\\CLICK.WAV";
    RecoveryDialog recovery(nullptr, state);
    save(recovery, out, "recovery", suffix);
    recovery.findChild<QPushButton*>("cmdDetails")->click();
    save(recovery, out, "recovery-details", suffix);
    state.request = "AGAIN";
    RecoveryDialog again(nullptr, state);
    save(again, out, "recovery-success", suffix);

    DisplayCheckDialog colour(nullptr, state, host, DisplayWarning::Colour, 4);
    save(colour, out, "display-check", suffix);

    ChooserDialog chooser(nullptr, listChoices({"RESTRICT01:32", state.dataDir + "\\DATA", "*.DAT",
                                                "25SAMPLE", Program::Zan}));
    save(chooser, out, "chooser", suffix);
    return 0;
}
