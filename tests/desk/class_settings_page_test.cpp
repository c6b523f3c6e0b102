// The Class settings page: its checks, its saves compared with wqadmin's, and a change made on
// disk while the page shows the settings.
#include "class_settings_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include "desk_class.h"
#include "desk_test_support.h"
#include "files/global_settings.h"
#include "session/class_language.h"

using namespace kz::test;
using kz::desk::ClassSettingsPage;

namespace {

QLineEdit* line(ClassSettingsPage& page, const char* key) {
    return qobject_cast<QLineEdit*>(page.field(key));
}

void pickData(ClassSettingsPage& page, const char* key, const QVariant& data) {
    auto* box = qobject_cast<QComboBox*>(page.field(key));
    box->setCurrentIndex(box->findData(data));
}

kz::GlobalSettings globals(const std::string& dir) { return kz::loadGlobalSettings(dir).value(); }

}  // namespace

class ClassSettingsPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Each field saved by the page and by `wqadmin globals set` gives the same GLOBSET.WQ; mode
    // 3 gives every listed child a settings file as wqadmin does.
    void savesAreTheBytesWqadminWrites() {
        TempDir tmp;
        const std::string desk = newClass(tmp, "desk"), tool = newClass(tmp, "tool");
        const std::string data = (tmp / "data").string();
        std::filesystem::create_directories(data);
        for (const auto& dir : {desk, tool}) wq({"users", dir, "add", "Sam"});
        kz::desk::DeskClass deskClass(desk);
        ClassSettingsPage page(deskClass);

        line(page, "password")->setText("OWL7");
        pickData(page, "userMode", 3);
        qobject_cast<QCheckBox*>(page.field("logSessions"))->setChecked(false);
        qobject_cast<QCheckBox*>(page.field("omitFontWarning"))->setChecked(false);
        line(page, "dataDir")->setText(QString::fromStdString(data));
        pickData(page, "language", "fr");
        QVERIFY(page.save());
        QCOMPARE(wq({"globals", tool, "set", "password=OWL7", "userMode=3", "logSessions=0",
                     "omitFontWarning=-1", "dataDir=" + data})
                     .status,
                 0);
        QVERIFY(kz::setClassLanguage(tool, "fr"));
        QVERIFY(folderBytes(desk) == folderBytes(tool));
        QVERIFY(folderBytes(desk).count("SAM.WQ"));
        QCOMPARE(deskClass.dataDir(), data);
    }

    // Bad input in each field gets its message and writes nothing.
    void badValuesAreRefused_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("password too long") << "password"
                                           << "ABCDEFGHI"
                                           << "0 to 8 letters";
        QTest::newRow("password with a sign") << "password"
                                              << "OWL-7"
                                              << "0 to 8 letters";
        QTest::newRow("password with an accent")
            << "password" << QString::fromUtf8("ZOË") << "0 to 8 letters";
        QTest::newRow("data folder missing") << "dataDir"
                                             << "/no/such/folder"
                                             << "does not exist";
        QTest::newRow("data folder unstorable")
            << "dataDir" << QString::fromUtf8("/tmp/Łódź") << "cannot store";
    }
    void badValuesAreRefused() {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, message);
        TempDir tmp;
        const std::string dir = newClass(tmp, "class");
        if (value.startsWith("/tmp/")) std::filesystem::create_directories(value.toStdString());
        const auto before = folderBytes(dir);
        kz::desk::DeskClass deskClass(dir);
        ClassSettingsPage page(deskClass);
        line(page, "password")->setText("GOOD1");  // a good change beside it is not saved either
        line(page, key.toUtf8().constData())->setText(value);
        QString seen;
        answerMessage(&seen);
        QVERIFY(!page.save());
        QVERIFY2(seen.contains(message), qPrintable(seen));
        QVERIFY(folderBytes(dir) == before);
        if (value.startsWith("/tmp/")) std::filesystem::remove(value.toStdString());
    }

    // A field changed on disk since the page showed it, and changed here too: both are shown
    // and the teacher picks one. Fields changed only on disk are followed, never overwritten.
    void aConflictAsksWhichToKeep_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("kept");
        QTest::newRow("keep mine") << "Keep mine"
                                   << "MINE";
        QTest::newRow("keep the other") << "Keep the other"
                                        << "DISK";
    }
    void aConflictAsksWhichToKeep() {
        QFETCH(QString, button);
        QFETCH(QString, kept);
        TempDir tmp;
        const std::string dir = newClass(tmp, "class");
        kz::desk::DeskClass deskClass(dir);
        ClassSettingsPage page(deskClass);
        line(page, "password")->setText("MINE");
        pickData(page, "userMode", 1);
        // Another teacher's tool saves meanwhile: the password and the colour warning.
        wq({"globals", dir, "set", "password=DISK", "omitColourWarning=-1"});
        QString seen;
        answerMessage(&seen, button);
        QVERIFY(page.save());
        QVERIFY2(seen.contains("\"MINE\"") && seen.contains("\"DISK\""), qPrintable(seen));
        const auto g = globals(dir);
        QCOMPARE(QString::fromStdString(g.password()), kept);
        QCOMPARE(g.userMode(), 1);
        QCOMPARE(g.omitColourWarning(), -1);  // the other save's field is kept
        QCOMPARE(line(page, "password")->text(), kept);
    }

    // Changes on disk show in the fields the teacher has not touched, and not in one being
    // changed.
    void followsTheDisk() {
        TempDir tmp;
        const std::string dir = newClass(tmp, "class");
        kz::desk::DeskClass deskClass(dir);
        ClassSettingsPage page(deskClass);
        line(page, "password")->setText("TYPING");
        wq({"globals", dir, "set", "password=DISK", "userMode=1"});
        auto* mode = qobject_cast<QComboBox*>(page.field("userMode"));
        QTRY_COMPARE_WITH_TIMEOUT(mode->currentData().toInt(), 1, 10000);
        QCOMPARE(line(page, "password")->text(), QString("TYPING"));
    }
};

QTEST_MAIN(ClassSettingsPageTest)
#include "class_settings_page_test.moc"
