// The Children page driven as a teacher drives it: its buttons, input dialogs and message boxes.
#include "children_page.h"

#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "desk_class.h"
#include "desk_test_support.h"
#include "files/paths.h"
#include "files/tracking_log.h"
#include "log_summary.h"

using namespace kz::test;

namespace {

QPushButton* button(QWidget& page, const QString& accessibleName) {
    for (auto* b : page.findChildren<QPushButton*>()) {
        if (b->accessibleName() == accessibleName) return b;
    }
    return nullptr;
}

QStringList shownNames(kz::desk::ChildrenPage& page) {
    QStringList names;
    for (int i = 0; i < page.list()->topLevelItemCount(); ++i) {
        names << page.list()->topLevelItem(i)->text(0);
    }
    return names;
}

void choose(kz::desk::ChildrenPage& page, const QString& name) {
    for (int i = 0; i < page.list()->topLevelItemCount(); ++i) {
        if (page.list()->topLevelItem(i)->text(0) == name) {
            page.list()->setCurrentItem(page.list()->topLevelItem(i));
        }
    }
}

// A log of one session each for Sam (today) and Ann, as the programs write it.
std::string sampleLog() {
    const auto today = kz::admin::localToday();
    const kz::LocalTime at{today.year, today.month, today.day, 9, 5};
    std::string text =
        kz::insertLogEntry({}, kz::composeSessionEntry(at, 0, 12 * 60, "Words"), "Sam");
    text = kz::insertLogEntry(text, kz::composeSessionEntry({2020, 3, 2, 10, 0}, 0, 300, "Phrases"),
                              "Ann");
    return kz::encodeLogFile({}, text);
}

}  // namespace

class ChildrenPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The same changes made on the page and by wqadmin leave the same bytes in every file:
    // the list, the settings files (mode 3) and the log with the renamed child's section.
    void changesAreTheBytesWqadminWrites() {
        TempDir tmp;
        const std::string desk = newClass(tmp, "desk"), tool = newClass(tmp, "tool");
        for (const auto& dir : {desk, tool}) {
            wq({"globals", dir, "set", "userMode=3"});
            wq({"users", dir, "add", "Sam"});
            std::ofstream(std::filesystem::path(dir) / "LOG.WQ", std::ios::binary) << sampleLog();
        }
        kz::desk::DeskClass deskClass(desk);
        kz::desk::ChildrenPage page(deskClass);

        answerInput(QString::fromUtf8("Zoë"));
        button(page, "Add a child")->click();
        wq({"users", tool, "add", "Zoë"});
        answerInput("Ann");
        button(page, "Add a child")->click();
        wq({"users", tool, "add", "Ann"});
        choose(page, "Sam");
        answerInput("Samuel");
        button(page, "Rename the chosen child")->click();
        wq({"users", tool, "rename", "Sam", "Samuel"});
        choose(page, "Ann");
        button(page, "Move the chosen child up")->click();
        wq({"users", tool, "move", "Ann", "3"});
        choose(page, "Teacher");
        button(page, "Move the chosen child down")->click();
        wq({"users", tool, "move", "Teacher", "2"});
        choose(page, QString::fromUtf8("Zoë"));
        QString question;
        answerMessage(&question, "Yes");
        button(page, "Remove the chosen child")->click();
        wq({"users", tool, "remove", "Zoë"});

        QVERIFY(question.contains(QString::fromUtf8("Zoë")));
        QCOMPARE(shownNames(page), QStringList({"Samuel", "Teacher", "Ann"}));
        const auto deskFiles = folderBytes(desk), toolFiles = folderBytes(tool);
        QCOMPARE(deskFiles.size(), toolFiles.size());
        for (const auto& [name, bytes] : toolFiles) {
            QVERIFY2(deskFiles.count(name) && deskFiles.at(name) == bytes, name.c_str());
        }
        // The rename moved the settings and the log's section; Zoë's file stays after removal.
        QVERIFY(deskFiles.count("SAMUEL.WQ") && !deskFiles.count("SAM.WQ"));
        QVERIFY(deskFiles.count("ZO.WQ"));
        QVERIFY(deskFiles.at("LOG.WQ").find("Log for Samuel\r\n") != std::string::npos);
        QVERIFY(deskFiles.at("LOG.WQ").find("Log for Sam\r\n") == std::string::npos);
        QVERIFY(deskFiles.at("LOG.WQ").find("Log for Ann\r\n") != std::string::npos);
    }

    void badNamesAreRefusedWithTheirMessage_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "  "
                               << "The name is empty.";
        QTest::newRow("17 characters") << "Abcdefghijklmnopq"
                                       << "at most 16 characters";
        QTest::newRow("a letter the file cannot store")
            << QString::fromUtf8("Łukasz") << "type \"L\" instead";
        QTest::newRow("an emoji") << QString::fromUtf8("Sam 🐸") << "cannot store";
        QTest::newRow("a name listed already") << "Sam"
                                               << "is already in the list";
    }
    void badNamesAreRefusedWithTheirMessage() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        TempDir tmp;
        const std::string dir = newClass(tmp, "class");
        wq({"users", dir, "add", "Sam"});
        const auto before = folderBytes(dir);
        kz::desk::DeskClass deskClass(dir);
        kz::desk::ChildrenPage page(deskClass);
        for (const QString action : {"Add a child", "Rename the chosen child"}) {
            const bool rename = action.startsWith("Rename");
            if (rename && name == "Sam") continue;  // Sam renamed Sam is no change
            choose(page, rename ? "Sam" : "Teacher");
            QString seen;
            answerInput(name);
            answerMessage(&seen);
            button(page, action)->click();
            QVERIFY2(seen.contains(message), qPrintable(action + (": " + seen)));
            QVERIFY(!seen.contains("wqadmin"));  // a teacher at the desk types no command
            QVERIFY(folderBytes(dir) == before);
        }
        QCOMPARE(shownNames(page), QStringList({"Teacher", "Sam"}));
    }

    // A rename onto another child's settings file would lose that child's settings.
    void renameOntoAnotherChildsFileIsRefused() {
        TempDir tmp;
        const std::string dir = newClass(tmp, "class");
        wq({"globals", dir, "set", "userMode=3"});
        wq({"users", dir, "add", "Sam"});
        wq({"users", dir, "add", "Max"});
        // A child who left the list keeps a file too: it is not overwritten either.
        std::filesystem::copy_file(std::filesystem::path(dir) / "MAX.WQ",
                                   std::filesystem::path(dir) / "OLIVIA.WQ");
        const auto before = folderBytes(dir);
        kz::desk::DeskClass deskClass(dir);
        kz::desk::ChildrenPage page(deskClass);
        for (const QString& newName : {QString("Max!"), QString("Olivia")}) {
            choose(page, "Sam");
            QString seen;
            answerInput(newName);
            answerMessage(&seen);
            button(page, "Rename the chosen child")->click();
            QVERIFY2(seen.contains(newName.startsWith("Max") ? "MAX.WQ" : "OLIVIA.WQ"),
                     qPrintable(seen));
            QVERIFY(seen.contains("was not renamed"));
            QVERIFY(folderBytes(dir) == before);
        }
    }

    // Removing asks first; No changes nothing; Yes keeps the settings file and the log.
    void removeAsksAndKeepsTheLog() {
        TempDir tmp;
        const std::string dir = newClass(tmp, "class");
        wq({"users", dir, "add", "Sam"});
        std::ofstream(std::filesystem::path(dir) / "LOG.WQ", std::ios::binary) << sampleLog();
        const auto before = folderBytes(dir);
        kz::desk::DeskClass deskClass(dir);
        kz::desk::ChildrenPage page(deskClass);
        choose(page, "Sam");
        answerMessage(nullptr, "No");
        button(page, "Remove the chosen child")->click();
        QVERIFY(folderBytes(dir) == before);
        choose(page, "Sam");
        answerMessage(nullptr, "Yes");
        button(page, "Remove the chosen child")->click();
        QCOMPARE(shownNames(page), QStringList({"Teacher"}));
        QCOMPARE(folderBytes(dir).at("LOG.WQ"), before.at("LOG.WQ"));
    }

    // This week's minutes count from Monday: the week holding a day, across months, years and a
    // leap day; and a session on the Sunday before is last week's.
    void weeksStartOnMonday_data() {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QDate>("monday");
        QTest::newRow("Thursday") << QDate(2026, 12, 10) << QDate(2026, 12, 7);
        QTest::newRow("Monday") << QDate(2026, 12, 7) << QDate(2026, 12, 7);
        QTest::newRow("Sunday") << QDate(2026, 12, 13) << QDate(2026, 12, 7);
        QTest::newRow("across the year") << QDate(2027, 1, 1) << QDate(2026, 12, 28);
        QTest::newRow("leap day") << QDate(2024, 3, 1) << QDate(2024, 2, 26);
    }
    void weeksStartOnMonday() {
        QFETCH(QDate, day);
        QFETCH(QDate, monday);
        const kz::admin::Day d{day.year(), day.month(), day.day()};
        const auto m = kz::admin::weekStart(d);
        QCOMPARE(QDate(m.year, m.month, m.day), monday);
        const QDate sunday = monday.addDays(-1);
        std::string text = kz::insertLogEntry(
            {},
            kz::composeSessionEntry({sunday.year(), sunday.month(), sunday.day(), 9, 0}, 0, 600,
                                    "Words"),
            "Sam");
        text = kz::insertLogEntry(
            text,
            kz::composeSessionEntry({day.year(), day.month(), day.day(), 9, 0}, 0, 180, "Words"),
            "Sam");
        const auto summary = kz::admin::logSummary(text, d);
        QCOMPARE(summary.at("Sam").weekMinutes, 3);
        QCOMPARE(summary.at("Sam").sessions, 2);
    }

    // Beside each name: the last session and this week's minutes; a session another program
    // adds shows once the folder's change has settled.
    void showsTheLogAndFollowsIt() {
        TempDir tmp;
        const std::string dir = newClass(tmp, "class");
        wq({"users", dir, "add", "Sam"});
        wq({"users", dir, "add", "Ann"});
        std::ofstream(std::filesystem::path(dir) / "LOG.WQ", std::ios::binary) << sampleLog();
        kz::desk::DeskClass deskClass(dir);
        kz::desk::ChildrenPage page(deskClass);
        const auto row = [&](const QString& name) {
            for (int i = 0; i < page.list()->topLevelItemCount(); ++i) {
                if (page.list()->topLevelItem(i)->text(0) == name)
                    return page.list()->topLevelItem(i);
            }
            return static_cast<QTreeWidgetItem*>(nullptr);
        };
        QCOMPARE(row("Sam")->text(2), QString("12"));
        QVERIFY(!row("Sam")->text(1).isEmpty());
        QCOMPARE(row("Ann")->text(2), QString("0"));  // read in 2020, not this week
        QVERIFY(row("Ann")->text(1) != QString("never"));
        QCOMPARE(row("Teacher")->text(1), QString("never"));
        const auto today = kz::admin::localToday();
        kz::appendToLog(dir,
                        kz::composeSessionEntry({today.year, today.month, today.day, 11, 0}, 0,
                                                5 * 60, "Phrases"),
                        "Ann");
        QTRY_COMPARE_WITH_TIMEOUT(row("Ann")->text(2), QString("5"), 10000);
    }
};

QTEST_MAIN(ChildrenPageTest)
#include "children_page_test.moc"
