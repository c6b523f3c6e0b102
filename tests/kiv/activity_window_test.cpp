#include "activity_window.h"

#include <QAction>
#include <QClipboard>
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

    Rig(int32_t options, float scale = 1, QSize size = {800, 553}, bool start = true,
        const std::string& list = "*WORDLIST*\r\nTom,cat,dog,pig,hen\r\n", double first = 0.1)
        : random{{first}} {
        dir.write("BMPS/x", "x");
        dir.write("DATA/17FROG.DAT", "x");
        dir.write("WORDLIST/0001TO24.TXT", list);
        state.appDir = state.dataDir = dir.str();
        state.workSettings.setKivOptions(options);
        state.scaleX = state.scaleY = state.scale = scale;
        window = std::make_unique<ActivityWindow>(state, ports, ActivityWindow::Hooks{});
        window->resize(size);
        window->show();
        if (start) window->start();
    }
    template <typename T>
    T* find(const char* name) {
        return window->findChild<T*>(name);
    }
    QLabel* choice(int j) { return find<QLabel>(QString("lbl_choice%1").arg(j).toLatin1()); }
    QAction* item(const char* name) { return find<QAction>(name); }
};

// Types each character as a key whose text is that character, as the keyboard layer delivers a
// letter composed with a dead key (QTest's own keyClicks takes ASCII only).
void typeKeys(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        const auto key = Qt::Key(c.toUpper().unicode() < 256 ? c.toUpper().unicode() : 0);
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
    }
}

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

    // Accented letters come as a key's text (a dead key or compose composed by the keyboard
    // layer) or as an input method's committed text; both take the same letter-by-letter way.
    // é is not e; a capital is the word's own letter; œ is a Windows-1252 letter beyond Latin-1.
    void accentedLettersComeThroughKeysAndInputMethods() {
        const std::string list = "*WORDLIST ACCENTS*\r\n\xE9t\xE9,chat,lit,s\x9Cur,\xC9mile\r\n";
        Rig rig(options(3, 1, 20, 10), 1, {800, 553}, true, list, 0.1);
        auto* txt = rig.find<QLineEdit>("txt");
        QCOMPARE(rig.window->activity().currentWord(), std::string("\xE9t\xE9"));
        QTest::keyClicks(txt, "e");
        QCOMPARE(txt->text(), QString("e"));
        QCOMPARE(txt->palette().color(QPalette::Text), QColor(Qt::red));
        rig.timers.advance(600);
        QCOMPARE(txt->text(), QString());
        typeKeys(txt, QString::fromUtf8("\xC3\x89"));  // É, taken as the word's é
        QCOMPARE(txt->text(), QString::fromUtf8("\xC3\xA9"));
        QCOMPARE(txt->palette().color(QPalette::Text), QColor(Qt::black));
        QTest::keyClicks(txt, "t");
        QInputMethodEvent composing(QString::fromUtf8("\xC2\xB4"), {});  // still composing
        QApplication::sendEvent(txt, &composing);
        QCOMPARE(txt->text(), QString::fromUtf8("\xC3\xA9t"));
        QInputMethodEvent committed;
        committed.setCommitString(QString::fromUtf8("\xC3\xA9"));
        QApplication::sendEvent(txt, &committed);
        QCOMPARE(txt->text(), QString::fromUtf8("\xC3\xA9t\xC3\xA9"));
        QVERIFY(!rig.window->activity().questionOpen());

        Rig sister(options(3, 1, 20, 10), 1, {800, 553}, true, list, 0.7);
        txt = sister.find<QLineEdit>("txt");
        QCOMPARE(sister.window->activity().currentWord(), std::string("s\x9Cur"));
        typeKeys(txt, QString::fromUtf8("s\xC5\x92u"));  // Œ typed as a capital
        QCOMPARE(txt->text(), QString::fromUtf8("s\xC5\x93u"));
        typeKeys(txt, QString::fromUtf8("\xC3\xB1"));  // ñ: a wrong letter, shown red
        QCOMPARE(txt->text(), QString::fromUtf8("s\xC5\x93u\xC3\xB1"));
        QCOMPARE(txt->palette().color(QPalette::Text), QColor(Qt::red));
        sister.timers.advance(600);
        QTest::keyClicks(txt, "r");
        QVERIFY(!sister.window->activity().questionOpen());
    }

    // A list of plain words takes only the letters a-z, as it always did: é is cancelled.
    void plainListsCancelAccentedLetters() {
        Rig rig(options(3, 1, 20, 10));
        auto* txt = rig.find<QLineEdit>("txt");
        typeKeys(txt, QString::fromUtf8("\xC3\xA9t\xC3\xB1"));
        QCOMPARE(txt->text(), QString("T"));
        QInputMethodEvent committed;
        committed.setCommitString(QString::fromUtf8("\xC3\xB6o"));
        QApplication::sendEvent(txt, &committed);
        QCOMPARE(txt->text(), QString("To"));
        QCOMPARE(txt->palette().color(QPalette::Text), QColor(Qt::black));
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

    // Return and keypad Enter press the focused button as Space does.
    void enterPressesTheFocusedButton() {
        Rig rig(options(3, 3, 20, 10));  // the word shows for 2 seconds; See brings it back
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        auto* see = rig.find<QToolButton>("cmdSee");
        auto* hear = rig.find<QToolButton>("cmdHear");
        auto* word = rig.find<QLabel>("lbl_word");
        QVERIFY(see->isVisible() && hear->isVisible());
        rig.timers.advance(2000);
        QVERIFY(!word->isVisible());
        see->setFocus();
        QTRY_VERIFY(see->hasFocus());
        QTest::keyClick(see, Qt::Key_Return);
        QVERIFY(word->isVisible());
        const auto plays = [&] {
            const auto c = rig.word.commands();
            return std::count(c.begin(), c.end(), std::string("Play"));
        };
        const auto played = plays();
        hear->setFocus();
        QTRY_VERIFY(hear->hasFocus());
        QTest::keyClick(hear, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(plays(), played + 1);
    }

    // The button with the keyboard focus looks different from the same button without it.
    void theFocusedButtonShowsAMark() {
        Rig rig(options(3, 3, 20, 10));
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        auto* see = rig.find<QToolButton>("cmdSee");
        auto* hear = rig.find<QToolButton>("cmdHear");
        see->setFocus();
        QTRY_VERIFY(see->hasFocus());
        const QImage focused = see->grab().toImage();
        hear->setFocus();
        QTRY_VERIFY(hear->hasFocus());
        QVERIFY(see->grab().toImage() != focused);
    }

    // The box takes only letters typed: nothing pasted, and Tab does not take the focus away.
    void theAnswerBoxKeepsTheKeysAndRefusesPaste() {
        Rig rig(options(3, 1, 20, 10));
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        auto* txt = rig.find<QLineEdit>("txt");
        QTRY_VERIFY(txt->hasFocus());
        QTest::keyClick(txt, Qt::Key_Tab);
        QVERIFY(txt->hasFocus());
        QTest::keyClick(txt, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(txt->hasFocus());
        QTest::keyClicks(QApplication::focusWidget(), "to");
        QCOMPARE(txt->text(), QString("To"));
        QGuiApplication::clipboard()->setText("zzz");
        QTest::keyClick(txt, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(txt, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(txt->text(), QString("To"));
        QVERIFY(rig.click.commands().empty() || rig.click.commands().back() != std::string("Play"));
    }

    // The middle button pastes the X selection into a text box: never into the answer box,
    // where it would be judged as typing. Needs a platform with a selection (X11).
    void theMiddleButtonPastesNothing() {
        if (!QGuiApplication::clipboard()->supportsSelection()) QSKIP("no selection here");
        Rig rig(options(3, 1, 20, 10));
        QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
        auto* txt = rig.find<QLineEdit>("txt");
        QGuiApplication::clipboard()->setText("zzz", QClipboard::Selection);
        QTRY_COMPARE(QGuiApplication::clipboard()->text(QClipboard::Selection), QString("zzz"));
        QTest::mouseClick(txt, Qt::MiddleButton);
        QCOMPARE(txt->text(), QString());
        QVERIFY(rig.window->activity().questionOpen());
        QCOMPARE(rig.find<QLabel>("imgPad0")->property("picture").toInt(),
                 static_cast<int>(PadPicture::Sitting));
    }

    // With no list loaded there is no question: no white word label either.
    void noQuestionShowsNoWordLabel() {
        Rig rig(options(3, 3, 20, 10), 1, {800, 553}, false);
        QVERIFY(!rig.find<QLabel>("lbl_word")->isVisible());
    }

    // The choice labels meet edge to edge at sizes the design does not divide evenly.
    void choiceLabelsMeetWithoutAGap() {
        for (const QSize size : {QSize(698, 500), QSize(640, 441), QSize(1018, 703),
                                 QSize(1277, 881), QSize(333, 229)}) {
            Rig rig(options(3, 4, 20, 10), 1, size);
            for (int j = 1; j < 4; ++j) {
                QCOMPARE(rig.choice(j)->geometry().bottom() + 1,
                         rig.choice(j + 1)->geometry().top());
            }
        }
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
