// Draws every shared dialog on the current screen and saves each as a PNG, for looking at the
// windows at several screen sizes: dialog_gallery OUTPUT_FOLDER SUFFIX DATA_FOLDER
// [LANGUAGE QM_FOLDER [STORY]] (the windows in that language, from the compiled translations
// there; the story chooser on STORY, else on the sample's 25SAMPLE).
// Each dialog has the parent it has in the programs (the main window, not shown yet while it
// loads; the sign-in under the password box), since what a parent wears can reach its dialogs.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "audio_output.h"
#include "chooser_dialog.h"
#include "display_check_dialog.h"
#include "files/user_list.h"
#include "main_frame.h"
#include "message_service.h"
#include "password_dialog.h"
#include "ports/seeded_random.h"
#include "recovery_dialog.h"
#include "session/app_state.h"
#include "sign_in_dialog.h"
#include "startup_window.h"
#include "temp_dir.h"
#include "translations.h"
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

// Saves the message box the service shows over parent, then answers it.
void saveMessage(QWidget* parent, const MessageRequest& request, const QString& folder,
                 const QString& name, const QString& suffix) {
    QTimer::singleShot(0, [=] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box) return;
        save(*box, folder, name, suffix);
        QMetaObject::invokeMethod(box, "accept", Qt::QueuedConnection);
    });
    MessageService().show(parent, request);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) return 2;
    if (args.size() >= 6) installTranslations(args[4], args[5], "zan");
    QApplication::setApplicationName(translatedInfo(zanProgram()).caption);
    const QString out = args[1], suffix = args[2];
    test::TempDir dir;
    dir.write("USERS.WQ",
              encodeUserList({"Teacher", "Amy", "Ben Okafor", "Chloe", "Dev", "Ella", "Finn"}));
    AppState state;
    state.appDir = dir.str();
    state.dataDir = args[3].toStdString();
    state.global.setPassword("");
    UiHost host;
    AudioOutput audio;
    MainFrame::Ports ports;
    ports.makePlayer = [&audio] { return audio.createPlayer(); };
    ports.random = std::make_unique<kz::SeededRandom>(1);
    ports.colourDepth = [] { return 32; };
    ports.arialAvailable = [] { return true; };
    MainFrame frame(state, host, translatedInfo(zanProgram()),
                    std::move(ports));  // loading: not shown yet

    StartupWindow startup(StartupWindow::Role::About, &frame);
    save(startup, out, "about", suffix);

    const auto users = loadUserList(state.appDir);
    SignInDialog signIn(&frame, state, host,
                        {signInQuestion(), NameListRole::SignIn,
                         users ? std::vector<std::string>(users->begin() + 1, users->end())
                               : std::vector<std::string>{}});
    signIn.findChild<QListWidget*>()->setCurrentRow(2);
    save(signIn, out, "sign-in", suffix);

    // The password box and its message over the sign-in, which stays on screen behind them.
    signIn.findChild<QListWidget*>()->setCurrentRow(0);
    signIn.show();
    PasswordDialog password(&signIn, storedPassword(state.global));
    password.findChild<QLineEdit*>()->setText("OWL");
    save(password, out, "password", suffix);
    saveMessage(&signIn,
                {"Wrong password", "Password", MessageIcon::Exclamation, MessageButtons::Ok}, out,
                "wrong-password", suffix);
    signIn.hide();

    RecoveryDialog recovery(&frame, state, "WAVS\\CLICK.WAV", host.messages(), host.clock());
    save(recovery, out, "recovery", suffix);
    recovery.findChild<QPushButton*>("cmdDetails")->click();
    save(recovery, out, "recovery-details", suffix);
    RecoveryDialog again(&frame, state, "AGAIN", host.messages(), host.clock());
    save(again, out, "recovery-success", suffix);

    DisplayCheckDialog colour(&frame, state, host, DisplayWarning::Colour, 4);
    save(colour, out, "display-check", suffix);

    // The story chosen in the list: the sample's, or the one named after the translations.
    const std::string chosen = args.size() >= 7 ? args[6].toStdString() : "25SAMPLE";
    ChooserDialog chooser(&frame, listChoices({"RESTRICT01:32", state.dataDir + "\\DATA", "*.DAT",
                                               chosen, Program::Zan, ""}));
    save(chooser, out, "chooser", suffix);
    return 0;
}
