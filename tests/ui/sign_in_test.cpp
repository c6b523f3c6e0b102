#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOptionFrame>
#include <QtTest>

#include "dialogs.h"
#include "fake_ports.h"
#include "fake_wave_player.h"
#include "files/text.h"
#include "files/user_list.h"
#include "files/user_settings.h"
#include "main_frame.h"
#include "password_dialog.h"
#include "session/app_state.h"
#include "sign_in_dialog.h"
#include "temp_dir.h"
#include "ui_host.h"
#include "ui_test_support.h"

using namespace kz;
using namespace kz::ui;

namespace {

struct SignIn {
    test::TempDir dir;
    AppState state;
    UiHost host;
    test::MessageRecorder messages;
    explicit SignIn(std::vector<std::string> names, const std::string& password = "") {
        state.appDir = dir.str();
        state.request = kSignInQuestion;
        state.global.setPassword(password);
        dir.write("USERS.WQ", encodeUserList(names));
    }
};

// The sign-in as the program runs it: over the main window that is not shown yet, with real
// message boxes (no responder), inside the application's own event loop.
struct RealSignIn {
    test::TempDir dir;
    AppState state;
    UiHost host;
    MainFrame frame;
    explicit RealSignIn(std::vector<std::string> names, const std::string& password)
        : frame(state, host, kivProgram(), ports()) {
        state.appDir = state.dataDir = dir.str();
        state.global.setUserMode(1);
        state.global.setPassword(password);
        dir.write("USERS.WQ", encodeUserList(names));
        dir.write("TEACHER.WQ", UserSettings().encode());
    }
    static MainFrame::Ports ports() {
        MainFrame::Ports p;
        p.makePlayer = [] { return std::make_unique<FakeWavePlayer>(); };
        p.random = std::make_unique<test::ScriptedRandom>();
        p.colourDepth = [] { return 32; };
        p.arialAvailable = [] { return true; };
        return p;
    }
    // Runs the main window's load in QApplication::exec(), as the program does, with answer
    // acting on its first dialog; true when the load finished with a name chosen and nothing else
    // ended the event loop.
    bool load(std::function<void(QWidget*)> answer) {
        bool loaded = false;
        QTimer::singleShot(0, &frame, [&] {
            test::whenModal(std::move(answer));
            loaded = frame.load();
            QCoreApplication::exit(kLoadReturned);
        });
        return QApplication::exec() == kLoadReturned && loaded;
    }
    static constexpr int kLoadReturned = 7;
};

QListWidget* names(QWidget* w) { return w->findChild<QListWidget*>("listnames"); }
QPushButton* ok(QWidget* w) { return w->findChild<QPushButton*>("CmdOK"); }

void pick(QWidget* dialog, int row) {
    names(dialog)->setCurrentRow(row);
    QTest::keyClick(names(dialog), Qt::Key_Return);
}

}  // namespace

class SignInTest : public QObject {
    Q_OBJECT
private slots:
    void listsNamesInFileOrderAndWaitsForAChoice() {
        SignIn s({"Zoe", "Teacher", "Al  Bo"});
        SignInDialog d(nullptr, s.state, s.host);
        QCOMPARE(names(&d)->count(), 3);
        QCOMPARE(names(&d)->item(2)->text(), QString("Al  Bo"));
        QVERIFY(!ok(&d)->isVisibleTo(&d));
        QVERIFY(d.findChild<QLabel*>()->text().contains("is your name?"));
        d.show();
        QTest::keyClick(names(&d), Qt::Key_Return);  // nothing chosen yet: nothing happens
        QVERIFY(d.isVisible());
        names(&d)->setCurrentRow(0);
        QVERIFY(ok(&d)->isVisibleTo(&d));
        QTest::keyClick(names(&d), Qt::Key_Return);
        QCOMPARE(d.choice(), NameChoice::Chosen);
        QCOMPARE(s.state.userName, std::string("Zoe"));
    }

    void theTickWaitsForAName() {
        // The list gets the focus when the dialog opens; that alone chooses nobody.
        SignIn s({"Zoe", "Sam"});
        SignInDialog d(nullptr, s.state, s.host);
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(names(&d)));
        QVERIFY(!ok(&d)->isVisible());
        QTest::keyClick(names(&d), Qt::Key_Return);
        QVERIFY(d.isVisible());
        QTest::keyClick(names(&d), Qt::Key_Down);  // moving through the list selects
        QVERIFY(ok(&d)->isVisible());
    }

    void leavingTheSignInQuits_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("F3") << int(Qt::Key_F3);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void leavingTheSignInQuits() {
        QFETCH(int, key);
        SignIn s({"Sam"});
        SignInDialog d(nullptr, s.state, s.host);
        d.show();
        QTest::keyClick(names(&d), Qt::Key(key));
        QCOMPARE(d.choice(), NameChoice::Quit);
        SignInDialog closed(nullptr, s.state, s.host);
        closed.show();
        closed.close();
        QCOMPARE(closed.choice(), NameChoice::Quit);
    }

    void asANamePickerEscCancels() {
        SignIn s({"Sam"});
        s.state.request = "Whose settings?";
        SignInDialog d(nullptr, s.state, s.host);
        auto* exitHint = d.findChild<QLabel*>("Label2");
        QVERIFY(exitHint != nullptr);
        QVERIFY(!exitHint->isVisibleTo(&d));
        d.show();
        QTest::keyClick(names(&d), Qt::Key_F3);  // F3 means nothing here
        QVERIFY(d.isVisible());
        QTest::keyClick(names(&d), Qt::Key_Escape);
        QCOMPARE(d.choice(), NameChoice::Cancelled);
        QCOMPARE(s.state.userName, std::string("Unknown"));
        SignInDialog closed(nullptr, s.state, s.host);
        closed.show();
        closed.close();
        QCOMPARE(closed.choice(), NameChoice::Cancelled);
    }

    void teacherNeedsThePasswordOnlyWhenOneIsSet() {
        SignIn open({"Teacher", "teacher"});
        QCOMPARE(runAndPick(open, 0), NameChoice::Chosen);  // no password stored
        SignIn guarded({"Teacher", "teacher"}, "OWL7");
        QCOMPARE(runAndPick(guarded, 1), NameChoice::Chosen);  // "teacher" is a pupil's name
        QVERIFY(guarded.messages.seen.empty());
    }

    void teacherPasswordOutcomes() {
        SignIn s({"Teacher", "Sam"}, "owl7");
        SignInDialog d(nullptr, s.state, s.host);
        d.show();
        // Wrong: the message, and the list stays.
        test::whenModal([](QWidget* pass) {
            QTest::keyClicks(pass->findChild<QLineEdit*>("Text1"), "cat");
            QTest::keyClick(pass->findChild<QLineEdit*>("Text1"), Qt::Key_Return);
        });
        pick(&d, 0);
        QVERIFY(d.isVisible());
        QCOMPARE(s.messages.seen.size(), size_t{1});
        QCOMPARE(s.messages.seen[0].text, QString("Wrong password"));
        QCOMPARE(s.messages.seen[0].caption, QString("Password"));
        // Cancelled or empty: silently back to the list.
        test::whenModal([](QWidget* pass) {
            QTest::keyClick(pass->findChild<QLineEdit*>("Text1"), Qt::Key_Escape);
        });
        pick(&d, 0);
        test::whenModal([](QWidget* pass) {
            QTest::keyClick(pass->findChild<QLineEdit*>("Text1"), Qt::Key_Return);
        });
        pick(&d, 0);
        QVERIFY(d.isVisible());
        QCOMPARE(s.messages.seen.size(), size_t{1});
        // Right, typed in lower case: signed in.
        test::whenModal([](QWidget* pass) {
            QTest::keyClicks(pass->findChild<QLineEdit*>("Text1"), "OwL7");
            pass->findChild<QPushButton*>("CmdOK")->click();
        });
        pick(&d, 0);
        QCOMPARE(d.choice(), NameChoice::Chosen);
        QCOMPARE(s.state.userName, std::string("Teacher"));
    }

    void firstArrowKeyChoosesTheNameTheListStandsOn_data() {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<int>("key");
        QTest::newRow("down") << QStringList{"Zoe", "Sam", "Al"} << int(Qt::Key_Down);
        QTest::newRow("up") << QStringList{"Zoe", "Sam", "Al"} << int(Qt::Key_Up);
        QTest::newRow("down, one name") << QStringList{"Teacher"} << int(Qt::Key_Down);
    }
    void firstArrowKeyChoosesTheNameTheListStandsOn() {
        QFETCH(QStringList, list);
        QFETCH(int, key);
        std::vector<std::string> userNames;
        for (const QString& n : list) userNames.push_back(n.toStdString());
        SignIn s(userNames);
        SignInDialog d(nullptr, s.state, s.host);
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QTest::keyClick(names(&d), Qt::Key(key));
        QCOMPARE(names(&d)->selectedItems().size(), 1);
        QCOMPARE(names(&d)->currentRow(), 0);
        QTest::keyClick(names(&d), Qt::Key_Return);
        QCOMPARE(d.choice(), NameChoice::Chosen);
        QCOMPARE(s.state.userName, userNames.front());
    }

    void arrowKeysMoveOnceANameIsChosen() {
        SignIn s({"Zoe", "Sam", "Al"});
        SignInDialog d(nullptr, s.state, s.host);
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QTest::keyClick(names(&d), Qt::Key_Down);
        QTest::keyClick(names(&d), Qt::Key_Down);
        QTest::keyClick(names(&d), Qt::Key_Down);
        QTest::keyClick(names(&d), Qt::Key_Up);
        QCOMPARE(names(&d)->currentRow(), 1);
        QVERIFY(names(&d)->currentItem()->isSelected());
    }

    void wrongTeacherPasswordReturnsToTheNames() {
        // The real windows end to end: the sign-in over the hidden main window, the password box
        // over the sign-in, the real "Wrong password" box, each answered with real key presses.
        RealSignIn s({"Teacher", "Sam"}, "OWL7");
        QString boxText;
        bool boxOverTheNames = false;
        bool namesShownAfterTheBox = false;
        const bool loaded = s.load([&](QWidget* signIn) {
            test::whenModal([&](QWidget* pass) {
                test::whenModal([&](QWidget* box) {
                    if (auto* b = qobject_cast<QMessageBox*>(box)) boxText = b->text();
                    boxOverTheNames = box->parentWidget() == signIn;
                    QTest::keyClick(box, Qt::Key_Return);
                });
                QTest::keyClicks(pass->findChild<QLineEdit*>("Text1"), "zz");
                QTest::keyClick(pass->findChild<QLineEdit*>("Text1"), Qt::Key_Return);
            });
            pick(signIn, 0);
            // Back at the names once the events after the box have run.
            QTimer::singleShot(0, signIn, [&namesShownAfterTheBox, signIn] {
                namesShownAfterTheBox = signIn->isVisible();
                pick(signIn, 1);
            });
        });
        QVERIFY(loaded);
        QCOMPARE(boxText, QString("Wrong password"));
        QVERIFY(boxOverTheNames);
        QVERIFY(namesShownAfterTheBox);
        QCOMPARE(s.state.userName, std::string("Sam"));
    }

    void passwordBoxKeepsItsLookOverTheSignIn() {
        // Opened from the sign-in as in the program, not on its own: what the sign-in window
        // wears must not reach it.
        RealSignIn s({"Teacher", "Sam"}, "OWL7");
        QString shown;
        int whitePixels = 0, darkPixels = 0;
        int spare = -1;
        const bool loaded = s.load([&](QWidget* signIn) {
            test::whenModal([&](QWidget* pass) {
                auto* box = pass->findChild<QLineEdit*>("Text1");
                QTest::keyClicks(box, "OWLSOWL7");
                shown = box->displayText();
                // All eight fit in the room the box's frame leaves for text.
                QStyleOptionFrame frame;
                frame.initFrom(box);
                frame.lineWidth =
                    box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box);
                const QRect room =
                    box->style()->subElementRect(QStyle::SE_LineEditContents, &frame, box);
                const int kLineEditMargin = 2;  // QLineEdit keeps this much either side of the text
                spare = room.width() - 2 * kLineEditMargin -
                        box->fontMetrics().horizontalAdvance(box->displayText());
                for (QLabel* label : pass->findChildren<QLabel*>()) {
                    if (label->text() != "PASSWORD") continue;
                    const QImage image = label->grab().toImage();
                    for (int y = 0; y < image.height(); ++y) {
                        for (int x = 0; x < image.width(); ++x) {
                            const QColor c = image.pixelColor(x, y);
                            if (c.lightness() > 230) ++whitePixels;
                            if (c.lightness() < 60) ++darkPixels;
                        }
                    }
                }
                QTest::keyClick(box, Qt::Key_Escape);
            });
            pick(signIn, 0);
            pick(signIn, 1);
        });
        QVERIFY(loaded);
        QCOMPARE(shown, QString("********"));
        QVERIFY2(spare >= 0, qPrintable(QString("%1 pixels short").arg(-spare)));
        QVERIFY(whitePixels > 0);  // white letters on red
        QCOMPARE(darkPixels, 0);
    }

    void passwordBoxLetsOnlyLettersAndDigitsThrough() {
        const std::pair<QChar, QChar> kept[] = {{'a', 'A'}, {'Z', 'Z'}, {'7', '7'}};
        for (auto [typed, shown] : kept)
            QCOMPARE(PasswordDialog::filterKey(typed), std::optional<QChar>(shown));
        for (QChar refused : {QChar(' '), QChar('-'), QChar(0xE9), QChar('*')}) {
            QVERIFY(!PasswordDialog::filterKey(refused).has_value());
        }
        AppState state;
        PasswordDialog d(nullptr, state);
        auto* box = d.findChild<QLineEdit*>("Text1");
        QTest::keyClicks(box, "ab c-1");
        QKeyEvent accented(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(0xE9)));
        QApplication::sendEvent(box, &accented);
        QTest::keyClicks(box, "xyz789");
        QCOMPARE(box->text(), QString("ABC1XYZ7"));  // at most 8
        QCOMPARE(box->echoMode(), QLineEdit::Password);
        QCOMPARE(box->displayText(), QString("********"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QString("ABC1XYZ"));

        // Pasting and input methods pass the same filter.
        box->clear();
        QGuiApplication::clipboard()->setText(QString("ab c-%1!9").arg(QChar(0xE9)));
        box->paste();
        QCOMPARE(box->text(), QString("ABC9"));
        QInputMethodEvent composed;
        composed.setCommitString(QString("q%1").arg(QChar(0xF1)));
        QApplication::sendEvent(box, &composed);
        QCOMPARE(box->text(), QString("ABC9Q"));
    }

    void tabLeavesThePasswordBox() {
        AppState state;
        PasswordDialog d(nullptr, state);
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        auto* box = d.findChild<QLineEdit*>("Text1");
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(box));
        QTest::keyClick(box, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != box);
        QVERIFY(box->text().isEmpty());
    }

    void passwordResults_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("action");  // 0 Enter, 1 Esc, 2 close, 3 cross
        QTest::addColumn<int>("result");
        QTest::newRow("right") << "owl7" << 0 << -1;
        QTest::newRow("wrong") << "owl8" << 0 << 0;
        QTest::newRow("empty") << "" << 0 << 2;
        QTest::newRow("esc") << "owl7" << 1 << 2;
        QTest::newRow("closed") << "owl7" << 2 << 2;
        QTest::newRow("cross") << "owl7" << 3 << 2;
    }
    void passwordResults() {
        QFETCH(QString, typed);
        QFETCH(int, action);
        QFETCH(int, result);
        AppState state;
        state.global.setPassword("Owl7");
        PasswordDialog d(nullptr, state);
        d.show();
        auto* box = d.findChild<QLineEdit*>("Text1");
        QTest::keyClicks(box, typed);
        if (action == 0) QTest::keyClick(box, Qt::Key_Return);
        if (action == 1) QTest::keyClick(box, Qt::Key_Escape);
        if (action == 2) d.close();
        if (action == 3) d.findChild<QPushButton*>("CmdAbort")->click();
        QCOMPARE(state.passResult, result);
    }

    void settingsLock() {
        UiHost host;
        test::MessageRecorder messages;
        AppState state;
        state.userName = "Sam";
        state.global.setPassword("");
        QVERIFY(checkSettingsPassword(nullptr, state, host));  // no password: no question
        state.global.setPassword("OWL7");
        state.userName = "Teacher";
        QVERIFY(checkSettingsPassword(nullptr, state, host));  // the teacher is not asked again
        state.userName = "Sam";
        test::whenModal([](QWidget* pass) {
            QTest::keyClicks(pass->findChild<QLineEdit*>("Text1"), "X");
            QTest::keyClick(pass->findChild<QLineEdit*>("Text1"), Qt::Key_Return);
        });
        QVERIFY(!checkSettingsPassword(nullptr, state, host));
        QCOMPARE(messages.seen.size(), size_t{1});
        QCOMPARE(messages.seen[0].icon, MessageIcon::Exclamation);
        test::whenModal([](QWidget* pass) {
            QTest::keyClick(pass->findChild<QLineEdit*>("Text1"), Qt::Key_Escape);
        });
        QVERIFY(!checkSettingsPassword(nullptr, state, host));
        QCOMPARE(messages.seen.size(), size_t{1});
        test::whenModal([](QWidget* pass) {
            QTest::keyClicks(pass->findChild<QLineEdit*>("Text1"), "owl7");
            QTest::keyClick(pass->findChild<QLineEdit*>("Text1"), Qt::Key_Return);
        });
        QVERIFY(checkSettingsPassword(nullptr, state, host));
    }

private:
    static NameChoice runAndPick(SignIn& s, int row) {
        test::whenModal([row](QWidget* d) { pick(d, row); });
        return runSignInDialog(nullptr, s.state, s.host);
    }
};

QTEST_MAIN(SignInTest)
#include "sign_in_test.moc"
