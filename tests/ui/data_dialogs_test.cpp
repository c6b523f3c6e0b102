#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "chooser_dialog.h"
#include "display_check_dialog.h"
#include "files/global_settings.h"
#include "qt_text.h"
#include "recovery_dialog.h"
#include "session/app_state.h"
#include "session/find_data_file.h"
#include "temp_dir.h"
#include "ui_host.h"
#include "ui_test_support.h"

using namespace kz;
using namespace kz::ui;

namespace {

template <typename T>
T* child(QWidget* w, const char* name) {
    return w->findChild<T*>(name);
}

}  // namespace

class DataDialogsTest : public QObject {
    Q_OBJECT
    MessageService m_messages;  // real message boxes, answered through the windows
    SystemClock m_clock;

private slots:
    void recoveryTryAgainTakesTheTypedDirectory() {
        AppState state;
        state.dataDir = "/old";
        RecoveryDialog d(nullptr, state, "DATA\\X.DAT", m_messages, m_clock);
        d.show();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("VM_WQ_GETCD"));
        auto* box = child<QLineEdit>(&d, "Text1");
        QVERIFY(!box->isVisibleTo(&d));
        QCOMPARE(box->text(), QString("/old"));
        child<QPushButton>(&d, "cmdDetails")->click();  // once: it hides itself
        QVERIFY(box->isVisibleTo(&d));
        QVERIFY(!child<QPushButton>(&d, "cmdDetails")->isVisibleTo(&d));
        QVERIFY(
            child<QLabel>(&d, "lblInstr")->text().startsWith("The file that cannot be found is"));
        box->setText("  /media/cd  ");
        QTest::keyClick(box, Qt::Key_Return);  // Enter is "Try again"
        QCOMPARE(state.dataDir, std::string("/MEDIA/CD"));
        QCOMPARE(d.answer(), RecoveryAnswer::TryAgain);
        QTRY_VERIFY(!d.isVisible());
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    }

    void recoverySuccessQuestion() {
        for (bool keep : {true, false}) {
            AppState state;
            state.dataDir = "/MEDIA/CD";
            RecoveryDialog d(nullptr, state, "AGAIN", m_messages, m_clock);
            QVERIFY(!child<QPushButton>(&d, "cmdQuit")->isVisibleTo(&d));
            QCOMPARE(child<QPushButton>(&d, "cmdAgain")->text(), QString("&Yes"));
            QCOMPARE(child<QPushButton>(&d, "cmdDetails")->text(), QString("&No"));
            QVERIFY(child<QLabel>(&d, "lblInstr")->text().contains("/MEDIA/CD"));
            child<QPushButton>(&d, keep ? "cmdAgain" : "cmdDetails")->click();
            QCOMPARE(d.answer(),
                     keep ? RecoveryAnswer::KeepPermanently : RecoveryAnswer::ThisSessionOnly);
            QCOMPARE(state.dataDir, std::string("/MEDIA/CD"));
        }
        AppState state;
        RecoveryDialog d(nullptr, state, "STARTUPYELLOW", m_messages, m_clock);
        d.show();
        QTest::keyClick(&d, Qt::Key_Escape);  // only the buttons leave
        QVERIFY(d.isVisible());
        child<QPushButton>(&d, "cmdQuit")->click();
        QVERIFY(d.quitChosen());
    }

    void recoveryRefusesAFolderTheSettingsCannotHold() {
        AppState state;
        // Given on the command line for this session: no Windows-1252 form. The box shows it,
        // and "Try again" with it refuses it as it would a typed one.
        const std::string greek = "/srv/\u0395\u03BB\u03AD\u03BD\u03B7";
        state.dataDir = greek;
        RecoveryDialog d(nullptr, state, "DATA\\X.DAT", m_messages, m_clock);
        d.show();
        child<QPushButton>(&d, "cmdDetails")->click();
        QCOMPARE(child<QLineEdit>(&d, "Text1")->text(), QString::fromStdString(greek));
        QWidget* parent = nullptr;
        QString text;
        test::whenModal([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            parent = box->parentWidget();
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        child<QPushButton>(&d, "cmdAgain")->click();
        QCOMPARE(text, QString("This folder name has letters that cannot be stored in the settings "
                               "file. Please use a folder whose name has only Western European "
                               "letters."));
        QCOMPARE(parent, &d);
        QVERIFY(d.isVisible());  // the dialog stays open for another try
        QCOMPARE(state.dataDir, greek);

        // A Western European name is taken, upper-cased letter by letter.
        child<QLineEdit>(&d, "Text1")->setText(QString::fromUtf8(" /srv/zo\u00EB "));
        child<QPushButton>(&d, "cmdAgain")->click();
        QCOMPARE(state.dataDir, std::string("/SRV/ZO\xCB"));
        QCOMPARE(d.answer(), RecoveryAnswer::TryAgain);
        QTRY_VERIFY(!d.isVisible());
    }

    void typedDirectoryIsFoundWhateverItsCase_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("ASCII") << "cd";
        QTest::newRow("Western European letters") << QString::fromUtf8("Zo\u00EB \u00C9l\u00E8ve");
    }
    void typedDirectoryIsFoundWhateverItsCase() {
        QFETCH(QString, folder);
        test::TempDir app, data;
        data.write(folder.toStdString() + "/Data/X.DAT", "x");
        app.write("GLOBSET.WQ", std::string(GlobalSettings::kSize, ' '));
        AppState state;
        state.appDir = app.str();
        state.dataDir = app.str();
        UiHost host;
        const std::string typed = (data / folder.toLower().toStdString()).string();
        test::whenModal([typed](QWidget* d) {
            child<QPushButton>(d, "cmdDetails")->click();
            child<QLineEdit>(d, "Text1")->setText(QString::fromStdString(typed));
            // The success question comes next: keep the new place.
            test::whenModal([](QWidget* again) { child<QPushButton>(again, "cmdAgain")->click(); },
                            d);
            child<QPushButton>(d, "cmdAgain")->click();
        });
        const std::string found = findDataFile(state, host, "DATA\\X.DAT", true);
        QVERIFY(!found.empty());
        QCOMPARE(state.dataDir, *toFileText(QString::fromStdString(typed).toUpper()));
        QCOMPARE(loadGlobalSettings(app.str())->dataDir(), state.dataDir);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void tryAgainWaitsDeafToInputThenCloses() {
        test::TempDir app;
        AppState state;
        state.appDir = state.dataDir = app.str();
        RecoveryDialog d(nullptr, state, "DATA\\X.DAT", m_messages, m_clock);
        d.show();
        child<QPushButton>(&d, "cmdDetails")->click();
        child<QLineEdit>(&d, "Text1")->setText("/media/cdrom");
        QTest::mouseClick(child<QPushButton>(&d, "cmdAgain"), Qt::LeftButton);
        // Waiting for the next whole second: still shown, busy, and a click on Quit is not taken.
        QVERIFY(d.isVisible());
        QVERIFY(QApplication::overrideCursor() != nullptr);
        QTest::mouseClick(child<QPushButton>(&d, "cmdQuit"), Qt::LeftButton);
        QVERIFY(!d.quitChosen());
        QTRY_VERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.answer(), RecoveryAnswer::TryAgain);
        QCOMPARE(state.dataDir, std::string("/MEDIA/CDROM"));
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void displayCheckStoresTheChoiceWhenClicked_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("stored");  // -2: nothing saved
        QTest::newRow("colour ticked") << "Colour" << 1 << -1;
        QTest::newRow("font ticked") << "Font" << 1 << -1;
        QTest::newRow("ticked then cleared") << "Colour" << 2 << 0;
        QTest::newRow("not clicked") << "Font" << 0 << -2;
    }
    void displayCheckStoresTheChoiceWhenClicked() {
        QFETCH(QString, kind);
        QFETCH(int, clicks);
        QFETCH(int, stored);
        test::TempDir app;
        const std::string blank(GlobalSettings::kSize, ' ');
        app.write("GLOBSET.WQ", blank);
        AppState state;
        state.appDir = app.str();
        state.global = GlobalSettings::decode(blank);
        UiHost host;
        DisplayCheckDialog d(nullptr, state, host,
                             kind == "Colour" ? DisplayWarning::Colour : DisplayWarning::Font, 4);
        QCOMPARE(d.windowTitle(), QString("WQ Story Books Software"));
        for (int i = 0; i < clicks; ++i) child<QCheckBox>(&d, "Check3D1")->click();
        // Meanwhile the teacher sets a password: the warning's save keeps it.
        GlobalSettings teachers = GlobalSettings::decode(blank);
        teachers.setPassword("OWL7");
        app.write("GLOBSET.WQ", teachers.encode());
        child<QPushButton>(&d, "Command1")->click();
        QVERIFY(!d.quitChosen());
        const std::string onDisk = app.read("GLOBSET.WQ");
        QCOMPARE(GlobalSettings::decode(onDisk).password(), std::string("OWL7"));
        if (stored == -2) {
            QCOMPARE(onDisk, teachers.encode());
        } else {
            const auto g = GlobalSettings::decode(onDisk);
            QCOMPARE(int(kind == "Colour" ? g.omitColourWarning() : g.omitFontWarning()), stored);
        }
    }

    void aFailedSaveOfTheWarningChoiceIsSilent() {
        test::TempDir app;
        AppState state;
        state.appDir = (app / "gone").string();  // GLOBSET.WQ cannot be written there
        UiHost host;
        test::MessageRecorder messages(host);
        DisplayCheckDialog d(nullptr, state, host, DisplayWarning::Font, 24);
        child<QCheckBox>(&d, "Check3D1")->click();
        child<QPushButton>(&d, "Command1")->click();
        QVERIFY(messages.seen.empty());
        QCOMPARE(int(state.global.omitFontWarning()), -1);  // still holds for this run
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void displayWarningIsAnsweredOnlyByItsButtons() {
        AppState state;
        UiHost host;
        DisplayCheckDialog d(nullptr, state, host, DisplayWarning::Colour, 4);
        d.show();
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(d.isVisible());
        child<QPushButton>(&d, "Command2")->click();
        QVERIFY(d.quitChosen());
        QVERIFY(!d.isVisible());
        DisplayCheckDialog closed(nullptr, state, host, DisplayWarning::Colour, 4);
        closed.show();
        closed.close();  // closing goes on, as "Yes - proceed" does
        QVERIFY(!closed.isVisible());
        QVERIFY(!closed.quitChosen());
        QCOMPARE(closed.result(), int(QDialog::Accepted));
    }

    void chooserStaysOnTheScreen() {
        const QSize screen(9600, 7200);
        QCOMPARE(chooserGeometry(screen, {0, 0}), QRect(1035, 1140, 4770, 3420));
        QCOMPARE(chooserGeometry(screen, {-5000, -5000}), QRect(0, 0, 4770, 3420));
        QCOMPARE(chooserGeometry(screen, {9000, 7000}),
                 QRect(9600 - 4770, 7200 - 3810, 4770, 3420));
        QCOMPARE(chooserGeometry({19200, 14400}, {0, 0}), QRect(1035, 1140, 9540, 6840));
        // On a large screen the chooser is larger than its design, and still kept whole.
        QCOMPARE(chooserGeometry({19200, 14400}, {15000, 12000}),
                 QRect(19200 - 9540, 14400 - 6840 - 390, 9540, 6840));
    }

    void dialogsShowTheNormalPointerAndGiveTheBusyOneBack() {
        // A dialog opened during file work shows the normal pointer; the work's busy pointer
        // comes back when it closes.
        BusyPointer work;
        AppState state;
        UiHost host;
        {
            RecoveryDialog recovery(nullptr, state, "STARTUP", m_messages, m_clock);
            QVERIFY(QApplication::overrideCursor() == nullptr);
            DisplayCheckDialog warning(nullptr, state, host, DisplayWarning::Font, 24);
            QVERIFY(QApplication::overrideCursor() == nullptr);
        }
        QVERIFY(QApplication::overrideCursor() != nullptr);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }

    void chooserPicksAFile() {
        test::TempDir data;
        for (const char* f : {"01PIP.DAT", "25SAMPLE.DAT", "33FARM.DAT", "X.DAT"})
            data.write(f, "x");
        const ChooserRequest stories{"RESTRICT01:32", data.str(),   "*.dat",
                                     "25SAMPLE",      Program::Zan, ""};
        {
            ChooserDialog d(nullptr, listChoices(stories));
            QCOMPARE(d.windowTitle(), QString("Choose a story"));
            auto* list = child<QListWidget>(&d, "list");
            QCOMPARE(list->count(), 2);
            QCOMPARE(list->currentItem()->text(), QString("25 Sam and the Kite"));
            d.show();
            QTest::keyClick(list, Qt::Key_Return);
            QCOMPARE(d.choice().title, std::string("25 Sam and the Kite"));
            QCOMPARE(d.choice().fileName, std::string("25SAMPLE.DAT"));
        }
        {
            ChooserDialog d(nullptr, listChoices(stories));
            d.show();
            auto* list = child<QListWidget>(&d, "list");
            const QPoint first = list->visualItemRect(list->item(0)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
            QVERIFY(!d.isVisible());
            QCOMPARE(d.choice().fileName, std::string("01PIP.DAT"));
        }
        {
            ChooserDialog d(nullptr, listChoices(stories));
            d.show();
            QTest::keyClick(child<QListWidget>(&d, "list"), Qt::Key_Escape);
            QVERIFY(d.choice().title.empty() && d.choice().fileName.empty());
        }
        {
            ChooserDialog d(nullptr,
                            listChoices({"NO", data.str(), "*.DAT", "nomatch", Program::Zan, ""}));
            QCOMPARE(d.windowTitle(), QString("Choose a wordlist"));
            QCOMPARE(child<QListWidget>(&d, "list")->count(), 3);
            child<QPushButton>(&d, "cmdYes")->click();  // nothing selected: empty values
            QVERIFY(d.choice().fileName.empty());
        }
    }
};

QTEST_MAIN(DataDialogsTest)
#include "data_dialogs_test.moc"
#include "pointer.h"
