#include "settings_window.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "files/user_list.h"
#include "files/user_settings.h"
#include "session/app_state.h"
#include "temp_dir.h"
#include "ui_host.h"
#include "ui_test_support.h"

using namespace kz;
using namespace kz::ui;

namespace {

// An installation with the shared settings, a child's own file and two word lists.
struct Rig {
    test::TempDir dir;
    AppState state;
    UiHost host;
    test::MessageRecorder messages{host};
    int closed = 0;
    std::unique_ptr<SettingsWindow> window;

    explicit Rig(int16_t mode, const std::string& user = "Unknown") {
        state.appDir = state.dataDir = dir.str();
        state.global.setUserMode(mode);
        state.userName = user;
        UserSettings teacher;
        teacher.setKivWordlist("0001TO24");
        teacher.setZanStory("01PIP");
        dir.write("TEACHER.WQ", teacher.encode());
        UserSettings sam;
        sam.setKivOptions(1 + 16 + 128 * 5 + 8192 * 2);
        dir.write("SAM.WQ", sam.encode());
        dir.write("USERS.WQ", encodeUserList({"Sam", "Ann", "Teacher"}));
        dir.write("WORDLIST/0001TO24.TXT", "*WORDLIST*\r\n");
        dir.write("WORDLIST/0009TO16.TXT", "*WORDLIST*\r\n");
        open();
    }
    void open() {
        SettingsWindow::Hooks hooks;
        hooks.closed = [this] { ++closed; };
        window = std::make_unique<SettingsWindow>(state, host, std::move(hooks));
        window->resize(800, 553);
        window->show();
        window->load();
    }
    template <typename T>
    T* find(const char* name) {
        return window->findChild<T*>(name);
    }
    QString owner() { return find<QLabel>("lblOwner")->text(); }
    UserSettings file(const char* name) { return UserSettings::decode(dir.read(name)); }
};

// Picks a name in the name picker the window opens next.
void pickName(int row) {
    test::whenModal([row](QWidget* dialog) {
        auto* names = dialog->findChild<QListWidget*>("listnames");
        names->setCurrentRow(row);
        QTest::keyClick(names, Qt::Key_Return);
    });
}

}  // namespace

class SettingsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void choicesSurviveSavingAndReopening() {
        Rig rig(0);
        QVERIFY(rig.find<QRadioButton>("optQ3")->isChecked());  // kivOptions 0: the defaults
        QVERIFY(rig.find<QRadioButton>("optt20")->isChecked());
        QCOMPARE(rig.find<QComboBox>("combofrog")->currentText(), QString(" 10"));
        QCOMPARE(rig.find<QComboBox>("Combo")->currentText(), QString("Books 1 to 24"));
        QVERIFY(!rig.window->altered());
        rig.find<QRadioButton>("optt0")->click();
        rig.find<QRadioButton>("opta1")->click();
        QVERIFY(rig.window->altered());
        rig.find<QComboBox>("Combo")->setCurrentIndex(1);
        rig.find<QComboBox>("combofrog")->setCurrentIndex(0);
        rig.find<QAction>("mnuFileSave")->trigger();
        QVERIFY(!rig.window->altered());
        const UserSettings saved = rig.file("TEACHER.WQ");
        QCOMPARE(saved.kivOptions(), 3 + 16 + 128 * 50 + 8192);
        QCOMPARE(saved.kivWordlist(), std::string("0009TO16"));
        QCOMPARE(saved.zanStory(), std::string("01PIP"));  // the reader's fields travel along

        rig.open();
        QVERIFY(rig.find<QRadioButton>("optt0")->isChecked());
        QVERIFY(rig.find<QRadioButton>("opta1")->isChecked());
        QCOMPARE(rig.find<QComboBox>("Combo")->currentText(), QString("Books 9 to 16"));
        QCOMPARE(rig.find<QComboBox>("combofrog")->currentText(), QString(" 1 (no frogs)"));
    }

    void sharedModesOfferNeitherOpenNorSaveAs() {
        for (int16_t mode : {0, 1, 2}) {
            Rig rig(mode, "Sam");
            QVERIFY(!rig.find<QAction>("mnuFileOpen")->isEnabled());
            QVERIFY(!rig.find<QAction>("mnuFileSaveAs")->isEnabled());
            QCOMPARE(rig.owner(), QString("Settings for Teacher"));
            QCOMPARE(rig.find<QLabel>("lblApply")->text(),
                     QString("These settings apply to everyone."));
        }
    }

    void saveAsCreatesTheChildsFile() {
        Rig rig(3, "Sam");
        QCOMPARE(rig.owner(), QString("Settings for Sam"));
        QVERIFY(rig.find<QRadioButton>("optQ1")->isChecked());
        QVERIFY(rig.find<QAction>("mnuFileSaveAs")->isEnabled());
        rig.find<QRadioButton>("optQ2")->click();
        pickName(1);  // Ann
        rig.window->saveAs();
        QCOMPARE(rig.owner(), QString("Settings for Ann"));
        QCOMPARE(rig.state.userName, std::string("Sam"));  // still signed in
        QCOMPARE(rig.file("ANN.WQ").kivOptions(), 2 + 16 + 128 * 5 + 8192 * 2);
        QCOMPARE(rig.file("SAM.WQ").kivOptions(), 1 + 16 + 128 * 5 + 8192 * 2);
    }

    void cancelPutsTheSignedInUsersSettingsBack() {
        Rig rig(3, "Sam");
        rig.find<QRadioButton>("opta4")->click();
        rig.messages.answers = {MessageAnswer::No};
        rig.window->open();  // altered: asked first, and No keeps everything
        QCOMPARE(rig.messages.seen.size(), size_t{1});
        QCOMPARE(rig.messages.seen[0].caption, QString("Changes not saved"));
        QCOMPARE(rig.owner(), QString("Settings for Sam"));

        rig.messages.answers = {MessageAnswer::Yes};
        pickName(2);  // Teacher
        rig.window->open();
        QCOMPARE(rig.owner(), QString("Settings for Teacher"));
        QVERIFY(rig.find<QRadioButton>("optQ3")->isChecked());
        rig.window->cancel();
        QCOMPARE(rig.closed, 1);
        QCOMPARE(rig.state.workSettings.kivOptions(), 1 + 16 + 128 * 5 + 8192 * 2);
    }

    void openingAChildWithoutAFileKeepsTheSettingsShown() {
        // The real name picker and the real message box, each answered with a key press.
        Rig rig(3, "Sam");
        rig.host.messages().setResponder({});
        rig.find<QRadioButton>("optQ2")->click();
        QString boxText;
        test::whenModal([&](QWidget* box) {  // "Changes not saved": Yes
            test::whenModal([&](QWidget* picker) {
                test::whenModal([&](QWidget* box2) {
                    if (auto* b = qobject_cast<QMessageBox*>(box2)) boxText = b->text();
                    QTest::keyClick(box2, Qt::Key_Return);
                });
                auto* names = picker->findChild<QListWidget*>("listnames");
                names->setCurrentRow(1);  // Ann has no file yet
                QTest::keyClick(names, Qt::Key_Return);
            });
            qobject_cast<QMessageBox*>(box)->button(QMessageBox::Yes)->click();
        });
        rig.window->open();
        QCOMPARE(boxText,
                 QString("Ann has no settings file yet.\r\n\r\nUse Save As to give Ann these "
                         "settings."));
        QCOMPARE(rig.owner(), QString("Settings for Sam"));
        QVERIFY(rig.find<QRadioButton>("optQ2")->isChecked());
        QVERIFY(rig.window->altered());  // the change made before still counts
        rig.window->save();
        QCOMPARE(rig.file("SAM.WQ").kivOptions() & 3, 2);
        QVERIFY(!std::filesystem::exists(rig.dir / "ANN.WQ"));
    }

    // At the smallest size the main window allows (320 by 240 outside, its title and menu bar
    // taken) and at a larger one, no control covers another and every option's caption fits.
    void nothingOverlapsAtTheSmallestSize() {
        Rig rig(0);
        for (const QSize size : {QSize(312, 190), QSize(640, 442)}) {
            rig.window->resize(size);
            QTRY_COMPARE(rig.window->size(), size);
            const QList<QWidget*> all = rig.window->findChildren<QWidget*>();
            for (QWidget* a : all) {
                if (!a->isVisible() || a->parentWidget()->inherits("QComboBox")) continue;
                // An option's caption beside its round or square mark.
                auto* caption = qobject_cast<QAbstractButton*>(a);
                if (caption && !qobject_cast<QPushButton*>(a)) {
                    QVERIFY2(caption->sizeHint().width() <= caption->width(),
                             qPrintable(caption->objectName() + " is cut"));
                }
                for (QWidget* b : all) {
                    if (a == b || !b->isVisible() || a->parentWidget() != b->parentWidget())
                        continue;
                    QVERIFY2(!a->geometry().intersects(b->geometry()),
                             qPrintable(a->objectName() + " covers " + b->objectName()));
                }
            }
        }
    }
};

QTEST_MAIN(SettingsWindowTest)
#include "settings_window_test.moc"
