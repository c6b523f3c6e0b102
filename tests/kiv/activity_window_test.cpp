#include "activity_window.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QToolButton>
#include <QtTest>

#include "fake_host.h"
#include "fake_ports.h"
#include "fake_wave_player.h"
#include "files/user_settings.h"
#include "kiv/word_activity.h"
#include "session/app_state.h"
#include "temp_dir.h"

using namespace kz;
using namespace kz::ui;

namespace {

// A data directory with one word list, and the window on fake ports.
struct Rig {
    test::TempDir dir;
    AppState state;
    test::FakeTimers timers;
    test::FakeClock clock{&timers};
    test::ScriptedRandom random{{0.1}};
    test::FakeTextMeasure text;
    FakeWavePlayer word{"MM_word"}, click{"MM_No"};
    test::FakeHost host;
    ProgramPorts ports{timers, word, click, text, random, clock, host};
    std::unique_ptr<ActivityWindow> window;

    Rig(int32_t options, float scale = 1, QSize size = {800, 553}) {
        dir.write("BMPS/x", "x");
        dir.write("DATA/17FROG.DAT", "x");
        dir.write("WORDLIST/0001TO24.TXT", "*WORDLIST*\r\nTom,cat,dog,pig,hen\r\n");
        state.appDir = state.dataDir = dir.str();
        state.workSettings.setKivOptions(options);
        state.scaleX = state.scaleY = state.scale = scale;
        window = std::make_unique<ActivityWindow>(state, ports, ActivityWindow::Hooks{});
        window->resize(size);
        window->show();
        window->start();
    }
    template <typename T>
    T* find(const char* name) {
        return window->findChild<T*>(name);
    }
    QLabel* choice(int j) { return find<QLabel>(QString("lbl_choice%1").arg(j).toLatin1()); }
    QAction* item(const char* name) { return find<QAction>(name); }
};

constexpr int32_t options(int q, int a, int t, int pads) {
    return q + 16 * a + 128 * t + 8192 * pads;
}

}  // namespace

class ActivityWindowTest : public QObject {
    Q_OBJECT
private slots:
    void typingGoesThroughTheFilterAndTakesTheWordsCase() {
        Rig rig(options(3, 1, 20, 10));
        auto* txt = rig.find<QLineEdit>("txt");
        QVERIFY(txt->isVisible());
        QCOMPARE(rig.window->activity().currentWord(), std::string("Tom"));
        QTest::keyClicks(txt, "t");
        QTest::keyClick(txt, Qt::Key_Backspace);
        QTest::keyClicks(txt, "o 9");
        QCOMPARE(txt->text(), QString("To"));
        QTest::keyClick(txt, Qt::Key_Delete);
        QCOMPARE(txt->text(), QString("To"));
        QTest::keyClicks(txt, "X");
        QCOMPARE(txt->text(), QString("Tox"));
        QCOMPARE(txt->palette().color(QPalette::Text), QColor(Qt::red));
        rig.timers.advance(600);
        QCOMPARE(txt->text(), QString("To"));
        QTest::keyClicks(txt, "m");
        QVERIFY(!rig.window->activity().questionOpen());
        QCOMPARE(rig.find<QLabel>("imgPad0")->property("picture").toInt(),
                 static_cast<int>(PadPicture::Sitting));  // missed: the frog stays
    }

    void theKeysOneToFourChooseAsAClickWould() {
        Rig rig(options(3, 3, 20, 10));
        int right = 0;
        for (int j = 1; j <= 3; ++j) {
            QVERIFY(rig.choice(j)->isVisible());
            if (rig.choice(j)->text() == "Tom") right = j;
        }
        QVERIFY(!rig.choice(4)->isVisible());
        QVERIFY(right > 0);
        const int wrong = right == 1 ? 2 : 1;
        QTest::keyClick(rig.window.get(), Qt::Key(Qt::Key_0 + wrong));
        QCOMPARE(rig.choice(wrong)->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(rig.click.commands(),
                 (std::vector<std::string>{
                     "Close", "Open " + rig.state.dataDir + "\\WAVS\\CLICK.WAV", "Prev", "Play"}));
        QTest::mouseClick(rig.choice(right), Qt::LeftButton);
        QVERIFY(!rig.choice(wrong)->isVisible());
        QVERIFY(rig.choice(right)->isVisible());
        QVERIFY(rig.find<QLabel>("lbl_word")->isVisible());
    }

    void menusShowTheOptionsAndTheirLocks() {
        Rig rig(options(1, 2, 50, 3) + 4 + 8);
        QVERIFY(rig.item("mnuQuestion1")->isChecked());
        QVERIFY(!rig.item("mnuQuestion3")->isChecked());
        QVERIFY(rig.item("mnuTime0")->isChecked());
        QVERIFY(rig.item("mnuanswer2")->isChecked());
        QVERIFY(!rig.item("mnuFileOpen")->isEnabled());
        QVERIFY(!rig.find<QMenu>("mnuQuestions")->menuAction()->isEnabled());
        QVERIFY(!rig.find<QMenu>("mnuanswers")->menuAction()->isEnabled());
        QCOMPARE(rig.item("mnuanswer1")->text(), QString("&Type the answer"));
        QCOMPARE(rig.find<QMenu>("mnuSettingsHead")->title(), QString("Se&ttings"));
        QCOMPARE(rig.find<QMenu>("mnuHelp")->title(), QString("Hel&p"));
        QVERIFY(rig.find<QLabel>("imgPad3") != nullptr);
        QVERIFY(rig.find<QLabel>("imgPad4") == nullptr);

        rig.item("mnuanswer2")->trigger();  // the style in force: the check stays
        QVERIFY(rig.item("mnuanswer2")->isChecked());
        rig.item("mnuQuestion3")->trigger();
        QVERIFY(rig.item("mnuQuestion3")->isChecked());
        QVERIFY(!rig.item("mnuQuestion1")->isChecked());
    }

    void buttonsShowBigPicturesWithCaptionsOrSmallOnes() {
        Rig big(options(3, 4, 20, 1), 1);
        QCOMPARE(big.find<QToolButton>("cmdSee")->text(), QString("&See"));
        QVERIFY(big.find<QLabel>("imgPad0") == nullptr);  // no frog reward, no pads
        Rig small(options(3, 4, 20, 10), 0.5f, {400, 276});
        auto* see = small.find<QToolButton>("cmdSee");
        QCOMPARE(see->text(), QString());
        QCOMPARE(see->shortcut(), QKeySequence("Alt+S"));
        QVERIFY(see->isVisible());
    }

    void theMainWindowKeepsNearFourByThree() {
        Rig rig(options(3, 4, 20, 10));
        QMainWindow frame;
        ActivityWindow::Hooks hooks;
        hooks.frame = [&frame] { return static_cast<QWidget*>(&frame); };
        auto* window = new ActivityWindow(rig.state, rig.ports, std::move(hooks));
        frame.setCentralWidget(window);
        frame.resize(800, 600);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QCOMPARE(frame.size(), QSize(800, 600));
        // The rule reads and sets the outer size, frame included.
        const QSize border = frame.frameGeometry().size() - frame.size();
        frame.resize(QSize(800, 500) - border);
        QTRY_COMPARE(frame.frameGeometry().size(), QSize(666, 500));
        frame.resize(QSize(300, 200) - border);
        QTRY_COMPARE(frame.frameGeometry().size(), QSize(320, 240));
        QTRY_VERIFY(rig.state.scale < 0.5f);  // laid out again at the size it keeps
    }
};

QTEST_MAIN(ActivityWindowTest)
#include "activity_window_test.moc"
