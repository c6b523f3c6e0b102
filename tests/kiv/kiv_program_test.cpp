// The word activity inside the real main window: the activity at the first activation, the
// settings window in its place, and a fresh activity on the settings then saved.
#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "activity_window.h"
#include "fake_ports.h"
#include "fake_wave_player.h"
#include "files/user_settings.h"
#include "kiv_children.h"
#include "main_frame.h"
#include "session/app_state.h"
#include "temp_dir.h"
#include "ui_host.h"
#include "ui_test_support.h"

using namespace kz;
using namespace kz::ui;

class KivProgramTest : public QObject {
    Q_OBJECT
private slots:
    void settingsReplaceTheActivityAndOkBringsItBackOnTheNewChoices() {
        test::TempDir dir;
        dir.write("TEACHER.WQ", UserSettings().encode());
        dir.write("LOG.WQ", std::string(2, '\0'));
        dir.write("BMPS/x", "x");
        dir.write("DATA/17FROG.DAT", "x");
        dir.write("WORDLIST/0001TO24.TXT", "*WORDLIST*\r\ncat,dog,pig,hen\r\n");
        AppState state;
        state.appDir = state.dataDir = dir.str();
        state.global.setPassword("");  // no password: the settings open at once
        UiHost host;
        test::MessageRecorder messages(host);
        MainFrame::Ports ports;
        ports.makePlayer = [] { return std::make_unique<FakeWavePlayer>(); };
        ports.random = std::make_unique<test::ScriptedRandom>();
        ports.clock = std::make_unique<test::FakeClock>();
        ports.colourDepth = [] { return 32; };
        ports.arialAvailable = [] { return true; };
        ports.makeChild = makeKivChild;
        MainFrame frame(state, host, kivProgram(), std::move(ports));
        QVERIFY(frame.load());
        frame.show();

        QTRY_VERIFY(frame.findChild<ActivityWindow*>("frmKiv") != nullptr);
        QTRY_VERIFY(state.sessionActivity);
        QStringList titles;
        for (QAction* a : frame.menuBar()->actions()) titles << a->text();
        QCOMPARE(titles, (QStringList{"&File", "&Questions", "&Answers", "Se&ttings", "Hel&p"}));

        frame.findChild<QAction*>("mnuSettings")->trigger();  // no password stored
        QTRY_VERIFY(frame.findChild<QWidget*>("frmKivSet") != nullptr);
        QTRY_VERIFY(frame.findChild<ActivityWindow*>("frmKiv") == nullptr);
        frame.findChild<QRadioButton*>("opta1")->click();
        frame.findChild<QPushButton*>("cmdSave")->click();

        QTRY_VERIFY(frame.findChild<ActivityWindow*>("frmKiv") != nullptr);
        QTRY_VERIFY(frame.findChild<QWidget*>("frmKivSet") == nullptr);
        auto* txt = frame.findChild<QLineEdit*>("txt");
        QTRY_VERIFY(txt && txt->isVisible());  // "Type the answer" now in force
        QCOMPARE(
            decodeKivOptions(UserSettings::decode(dir.read("TEACHER.WQ")).kivOptions()).answerStyle,
            1);
        QVERIFY(messages.seen.empty());
        frame.unload();
    }
};

QTEST_MAIN(KivProgramTest)
#include "kiv_program_test.moc"
