#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "dialogs.h"
#include "files/text.h"
#include "files/user_list.h"
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
