// The reader and its settings window as real widgets in a main window: the settings round trip,
// and a page laid out again in the middle of a phrase.
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "fake_ports.h"
#include "fake_wave_player.h"
#include "files/story_file.h"
#include "files/user_list.h"
#include "files/user_settings.h"
#include "main_frame.h"
#include "message_service.h"
#include "session/app_state.h"
#include "temp_dir.h"
#include "ui_host.h"
#include "ui_test_support.h"
#include "zan_program.h"
#include "zan_settings_window.h"
#include "zan_window.h"

using namespace kz;
using namespace kz::ui;

namespace {

// An installation that is its own data directory, holding the story 01PIP: a title page, then
// a page of two lines whose phrases (the library's table, delivered in DATA/PHRASES.TXT) are
// "Pip can hop." and the rest.
struct Installation {
    test::TempDir dir;
    AppState state;
    UiHost host;
    std::unique_ptr<MainFrame> frame;
    zan::ZanProgram program;

    explicit Installation(const char* firstLine = "Pip can hop.") {
        state.appDir = state.dataDir = dir.str();
        UserSettings teacher;
        teacher.setZanStory("01PIP");
        dir.write("TEACHER.WQ", teacher.encode());
        state.fileSettings = state.workSettings = teacher;
        Story story;
        story.pageCount = 2;
        story.pictureSlots = 1;
        story.textSlots = 2;
        story.wordCapacity = 8;
        story.fontSize = 24;
        story.pages.resize(2);
        story.pages[0].texts = {{900, 360, 8500, 630, 900, "Pip"}};
        story.pages[1].texts = {{900, 4020, 8500, 630, 900, firstLine},
                                {900, 4650, 8500, 630, 900, "Pip can run and run."}};
        for (auto& page : story.pages) page.pictures = {{900, 150, 6300, 3750, "PIC"}};
        dir.write("DATA/01PIP.DAT", encodeStory(story));
        dir.write("DATA/PHRASES.TXT", "01PIP\t|1,-1|2,3,8|\r\n");
        for (const char* dummy : {"WAVS/CLICK.WAV", "WAVS/01PIP/SNT01.WAV", "WAVS/01PIP/SNT02.WAV"})
            dir.write(dummy, "RIFF");
        std::filesystem::create_directories(dir / "BMPS/01PIP");
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::green);
        picture.save(QString::fromStdString((dir / "BMPS/01PIP/PIC.BMP").string()), "BMP");
        picture.save(QString::fromStdString((dir / "BMPS/01PIP/01PIP.DIB").string()), "BMP");

        MainFrame::Ports ports;
        ports.makePlayer = [] { return std::make_unique<FakeWavePlayer>(); };
        ports.random = std::make_unique<test::ScriptedRandom>();
        ports.colourDepth = [] { return 32; };
        ports.arialAvailable = [] { return true; };
        frame = std::make_unique<MainFrame>(state, host, zanProgram(), std::move(ports));
        frame->resize(800, 600);
        frame->show();
        program.makeChild({frame->programPorts(), state, *frame});
        QTest::qWait(50);  // the reader loads once it is in place
    }
    zan::ZanWindow* reader() { return qobject_cast<zan::ZanWindow*>(frame->child()); }
    QStringList entries() {
        auto* list = reader()->findChild<QListWidget*>("Wordlist");
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
    QString caption(int slot) {
        return reader()->findChild<QLabel*>(QString("Label%1").arg(slot))->text();
    }
};

}  // namespace

class ZanWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void readerShowsTitleThenAPhraseToClick() {
        Installation in;
        zan::ZanWindow* reader = in.reader();
        QVERIFY(reader);
        QCOMPARE(in.caption(1), QString("Pip"));
        QCOMPARE(reader->windowTitle(), QString("01 Pip"));
        auto* next = reader->findChild<QToolButton*>("cmdNext");
        QVERIFY(next->isVisible());
        QVERIFY(!reader->findChild<QToolButton*>("cmdBack")->isVisible());
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(in.entries(), (QStringList{"Pip", "can", "hop."}));
        QVERIFY(!next->isVisible());
    }

    // The keyboard chooses as the mouse does: arrows move, Enter or Space choose.
    void wordListByKeyboardAndMouse() {
        Installation in;
        in.reader()->reader().cmdNextClick();
        auto* list = in.reader()->findChild<zan::WordListBox*>("Wordlist");
        list->setFocus();
        list->setCurrentRow(1);  // "can": a wrong word
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(in.caption(1), QString());
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(in.caption(1), QString("Pip "));
        QCOMPARE(in.entries(), (QStringList{"", "can", "hop."}));
        const QRect can = list->visualItemRect(list->item(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, can.center());
        QCOMPARE(in.caption(1), QString("Pip can "));
    }

    // A press of any mouse button chooses the entry under the pointer.
    void wordListTakesAnyMouseButton() {
        Installation in;
        in.reader()->reader().cmdNextClick();
        auto* list = in.reader()->findChild<zan::WordListBox*>("Wordlist");
        const struct {
            Qt::MouseButton button;
            int row;
            const char* caption;
        } rows[] = {{Qt::RightButton, 0, "Pip "}, {Qt::MiddleButton, 1, "Pip can "}};
        for (const auto& r : rows) {
            const QRect entry = list->visualItemRect(list->item(r.row));
            QTest::mouseClick(list->viewport(), r.button, {}, entry.center());
            QCOMPARE(in.caption(1), QString(r.caption));
        }
    }

    // At the end of a page the child presses Enter on Next, as on every focused button, and
    // the list of the next phrase has the keyboard at once: arrows and Enter read on.
    void theKeyboardAloneReadsOn() {
        Installation in;
        QVERIFY(QTest::qWaitForWindowActive(in.frame.get()));
        auto* next = in.reader()->findChild<QToolButton*>("cmdNext");
        next->setFocus();
        QTRY_VERIFY(next->hasFocus());
        QTest::keyClick(next, Qt::Key_Return);
        QCOMPARE(in.entries(), (QStringList{"Pip", "can", "hop."}));
        auto* list = in.reader()->findChild<zan::WordListBox*>("Wordlist");
        QTRY_VERIFY(list->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // the first entry
        QCOMPARE(in.caption(1), QString("Pip "));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(in.caption(1), QString("Pip can "));
    }

    // A 35-letter word steps the list's font down until the list fits right of the buttons.
    void aLongWordKeepsTheListInTheWindow() {
        Installation in("Pip can Abracadabracadabracadabracadabrabra");
        in.frame->resize(640, 480);
        QTRY_VERIFY(in.reader()->width() <= 640);
        in.reader()->reader().cmdNextClick();
        auto* list = in.reader()->findChild<zan::WordListBox*>("Wordlist");
        QCOMPARE(in.entries().last().size(), 35);
        QVERIFY(list->isVisible());
        auto* hear = in.reader()->findChild<QToolButton*>("cmdHear");
        QVERIFY(list->geometry().left() > hear->geometry().right());
        QVERIFY(list->geometry().right() < in.reader()->width());
    }

    // A menu and a button sharing an access key would leave Alt+key doing nothing for either.
    void menusAndButtonsHaveTheirOwnAccessKeys() {
        Installation in;
        auto key = [](const QString& text) {
            const qsizetype at = text.indexOf('&');
            return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
        };
        QSet<QChar> menuKeys;
        for (QMenu* menu : in.reader()->menus()) menuKeys.insert(key(menu->title()));
        for (const char* name : {"cmdHear", "cmdBook", "cmdBack", "cmdNext", "cmdRestart"}) {
            const QString caption = in.reader()->findChild<QToolButton*>(name)->text();
            QVERIFY2(!menuKeys.contains(key(caption)), qPrintable(caption));
        }
    }

    void resizeInTheMiddleOfAPhraseKeepsTextAndList() {
        Installation in;
        in.reader()->reader().cmdNextClick();
        auto* list = in.reader()->findChild<zan::WordListBox*>("Wordlist");
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Return);
        const int fontBefore = list->font().pixelSize();
        in.frame->resize(640, 480);
        QTest::qWait(50);
        QCOMPARE(in.caption(1), QString("Pip "));
        QCOMPARE(in.entries(), (QStringList{"", "can", "hop."}));
        QVERIFY(list->isVisible());
        QVERIFY(list->font().pixelSize() < fontBefore);
        QCOMPARE(in.reader()->reader().expectedWord(), std::string("can"));
    }

    // File > Open offers the stories numbered 1 to 32 by title; the one chosen opens at page 1.
    void fileOpenThroughTheChooser() {
        Installation in;
        in.dir.write("DATA/19MOON.DAT", in.dir.read("DATA/01PIP.DAT"));
        in.dir.write("DATA/35NEST.DAT", in.dir.read("DATA/01PIP.DAT"));
        for (const char* copy : {"BMPS/19MOON/PIC.BMP", "BMPS/19MOON/19MOON.DIB"})
            in.dir.write(copy, in.dir.read("BMPS/01PIP/PIC.BMP"));
        in.dir.write("WAVS/19MOON/SNT01.WAV", "RIFF");
        QStringList offered;
        QString title;
        test::whenModal([&](QWidget* chooser) {
            title = chooser->windowTitle();
            auto* list = chooser->findChild<QListWidget*>("list");
            for (int i = 0; i < list->count(); ++i) offered << list->item(i)->text();
            list->setCurrentRow(1);
            QTest::mouseClick(chooser->findChild<QAbstractButton*>("cmdYes"), Qt::LeftButton);
        });
        QAction* open = in.reader()->menus().first()->findChild<QAction*>("mnuFileOpen");
        QVERIFY(open);
        open->trigger();
        QCOMPARE(title, QString("Choose a story"));
        QCOMPARE(offered, (QStringList{"01 Pip", "19 Moon"}));
        QCOMPARE(in.reader()->reader().storyCode(), std::string("19MOON"));
        QCOMPARE(in.reader()->windowTitle(), QString("19 Moon"));
        QCOMPARE(in.reader()->reader().page(), 1);
    }

    void settingsRoundTripStoresInvertedBits() {
        Installation in;
        for (const bool tick : {false, true}) {
            zan::ZanSettingsWindow* settings = in.program.showSettings();
            QCOMPARE(settings->findChild<QLabel*>("lblOwner")->text(),
                     QString("Settings for Teacher"));
            for (const char* name : {"Check3D1", "Check3D2", "Check3D3", "Check3D4"})
                settings->findChild<QCheckBox*>(name)->setChecked(tick);
            QVERIFY(settings->editor().altered() || tick);
            QTest::mouseClick(settings->findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
            QTest::qWait(50);
            const auto saved = loadUserSettings(in.dir.str(), "TEACHER.WQ");
            QCOMPARE(saved->zanOptions(), tick ? 0 : 15);
            QVERIFY(in.reader());
            // The reader was loaded again with the settings in force.
            QCOMPARE(in.reader()->reader().canOpenStories(), tick);
            QCOMPARE(in.reader()->findChild<QToolButton*>("cmdHear")->isVisible(), tick);
        }
    }

    // At the smallest size the main window allows, no control covers another and every check
    // box's caption fits beside its mark; the frame's title names the settings window.
    void settingsFitTheSmallestWindow() {
        Installation in;
        zan::ZanSettingsWindow* settings = in.program.showSettings();
        QCOMPARE(in.frame->windowTitle(), QString("Phrases - Settings"));
        in.frame->resize(320, 240);
        QTRY_VERIFY(settings->height() < 240);
        const QList<QWidget*> all = settings->findChildren<QWidget*>();
        for (QWidget* a : all) {
            if (!a->isVisible() || a->parentWidget() != settings) continue;
            if (auto* box = qobject_cast<QCheckBox*>(a))
                QVERIFY2(box->sizeHint().width() <= box->width(), qPrintable(box->objectName()));
            for (QWidget* b : all) {
                if (a == b || !b->isVisible() || b->parentWidget() != settings) continue;
                if (a->objectName().startsWith("Shape") || b->objectName().startsWith("Shape"))
                    continue;  // the panels behind the controls
                QVERIFY2(!a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + " covers " + b->objectName()));
            }
        }
    }

    void settingsListStartStoriesAndCancelKeepsTheFile() {
        Installation in;
        in.dir.write("DATA/19MOON.DAT", in.dir.read("DATA/01PIP.DAT"));
        zan::ZanSettingsWindow* settings = in.program.showSettings();
        auto* stories = settings->findChild<QComboBox*>("combo_file");
        QCOMPARE(stories->count(), 1);
        QCOMPARE(stories->itemText(0), QString("19 Moon"));
        QVERIFY(settings->editor().altered() == false);
        settings->findChild<QCheckBox*>("Check3D1")->setChecked(false);
        QTest::mouseClick(settings->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
        QTest::qWait(50);
        QCOMPARE(loadUserSettings(in.dir.str(), "TEACHER.WQ")->zanOptions(), 0);
        QCOMPARE(loadUserSettings(in.dir.str(), "TEACHER.WQ")->zanStory(), std::string("01PIP"));
        QVERIFY(in.reader());
    }

    void openingAChildWithoutSettingsSaysSoAndTheReaderGoesOn() {
        // The real name picker and the real message box, each answered with a key press.
        Installation in;
        in.state.global.setUserMode(3);
        in.state.userName = "Teacher";
        in.dir.write("USERS.WQ", encodeUserList({"Teacher", "Amira"}));
        zan::ZanSettingsWindow* settings = in.program.showSettings();
        settings->findChild<QCheckBox*>("Check3D1")->click();
        QVERIFY(settings->editor().altered());
        QString boxText;
        test::whenModal([&](QWidget* box) {  // "Changes not saved": Yes
            test::whenModal([&](QWidget* picker) {
                test::whenModal([&](QWidget* box2) {
                    if (auto* b = qobject_cast<QMessageBox*>(box2)) boxText = b->text();
                    QTest::keyClick(box2, Qt::Key_Return);
                });
                auto* names = picker->findChild<QListWidget*>("listnames");
                names->setCurrentRow(1);
                QTest::keyClick(names, Qt::Key_Return);
            });
            qobject_cast<QMessageBox*>(box)->button(QMessageBox::Yes)->click();
        });
        settings->menus().first()->findChild<QAction*>("mnuFileOpen")->trigger();
        QCOMPARE(boxText,
                 QString("Amira has no settings file yet.\r\n\r\nUse Save As to give Amira "
                         "these settings."));
        QCOMPARE(in.frame->child(), settings);
        QCOMPARE(settings->findChild<QLabel*>("lblOwner")->text(), QString("Settings for Teacher"));
        QVERIFY(!settings->findChild<QCheckBox*>("Check3D1")->isChecked());
        QVERIFY(settings->editor().altered());
        QVERIFY(!std::filesystem::exists(in.dir / "AMIRA.WQ"));
    }
};

QTEST_MAIN(ZanWindowsTest)
#include "zan_windows_test.moc"
