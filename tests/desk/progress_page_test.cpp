// The desk's Progress page on a class folder made by wqadmin, with a log of several children,
// both programs, three weeks, a damaged entry, a teacher's note and a child who never read.
#include "progress_page.h"

#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "class_log.h"
#include "desk_class.h"
#include "files/tracking_log.h"
#include "files/user_list.h"
#include "progress_chart.h"
#include "temp_dir.h"
#include "wqadmin_runner.h"

using kz::desk::DeskClass;
using kz::desk::ProgressPage;

namespace {

std::string session(kz::LocalTime at, int minutes, std::string_view activity) {
    return kz::composeSessionEntry(at, 0, float(minutes * 60), activity);
}

// The class's log as the programs and wqadmin log add write it.
std::string fixtureLog() {
    const std::pair<std::string, std::string> entries[] = {
        {"Ann", session({2026, 2, 20, 9, 0}, 9, "Words")},  // before the days looked at
        {"Sam", session({2026, 3, 2, 9, 5}, 12, "Words")},
        {"Zo\xEB", session({2026, 3, 3, 13, 30}, 20, "Phrases")},
        {"Sam", session({2026, 3, 4, 10, 0}, 5, "Words")},
        {"Sam", "Note, 5 March 2026:\r\nReads well; needs help with th.\r\n"},
        {"Teacher", session({2026, 3, 5, 8, 0}, 3, "Words")},
        {"Sam", session({2026, 3, 11, 14, 15}, 2, "Phrases")},
        // Damaged: a date no calendar has, and a header that lost its activity line.
        {"Sam", "12:30 am, 31 Smarch 2026.  Session time: 2 minutes.\r\n   Words  2 mins\r\n"},
        {"Zo\xEB", "9:00 am, 12 March 2026.  Session time: 4 minutes.\r\n"},
        {"Zo\xEB", session({2026, 3, 12, 9, 0}, 7, "Words")},
        {"Sam", session({2026, 3, 20, 9, 0}, 6, "Words")},  // after them
    };
    std::string text;
    for (const auto& [user, entry] : entries) text = kz::insertLogEntry(text, entry, user);
    return text;
}

struct Class {
    kz::test::TempDir dir;
    Class() {
        if (kz::test::runWqadmin({"init", dir.str()}).status != 0) qFatal("wqadmin init failed");
        dir.write("LOG.WQ", kz::encodeLogFile({}, fixtureLog()));
        dir.write("USERS.WQ", kz::encodeUserList({"Teacher", "Sam", "Zo\xEB", "Ann", "Bob"}));
    }
};

QStringList column(QTableWidget* table, int c) {
    QStringList out;
    for (int r = 0; r < table->rowCount(); ++r) out << table->item(r, c)->text();
    return out;
}

QStringList names(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

std::string fileText(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll().toStdString();
}

}  // namespace

class ProgressPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void showsEachChildsWeeksAndWhoNeverRead_data() {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QStringList>("children");
        QTest::addColumn<QStringList>("kivSessions");  // then its minutes, Zan's sessions, minutes
        QTest::addColumn<QStringList>("kivMinutes");
        QTest::addColumn<QStringList>("zanSessions");
        QTest::addColumn<QStringList>("zanMinutes");
        QTest::addColumn<QStringList>("never");
        QTest::addColumn<int>("weeks");
        QTest::newRow("two weeks")
            << QDate(2026, 3, 2) << QDate(2026, 3, 15) << QStringList{"Sam", "Zoë"}
            << QStringList{"2", "1"} << QStringList{"17", "7"} << QStringList{"1", "1"}
            << QStringList{"2", "20"} << QStringList{"Ann", "Bob"} << 2;
        QTest::newRow("one day") << QDate(2026, 3, 11) << QDate(2026, 3, 11) << QStringList{"Sam"}
                                 << QStringList{"0"} << QStringList{"0"} << QStringList{"1"}
                                 << QStringList{"2"} << QStringList{"Zoë", "Ann", "Bob"} << 1;
        QTest::newRow("all") << QDate(2026, 2, 1) << QDate(2026, 3, 31)
                             << QStringList{"Ann", "Sam", "Zoë"} << QStringList{"1", "3", "1"}
                             << QStringList{"9", "23", "7"} << QStringList{"0", "1", "1"}
                             << QStringList{"0", "2", "20"} << QStringList{"Bob"} << 10;
    }
    void showsEachChildsWeeksAndWhoNeverRead() {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        Class cls;
        DeskClass deskClass(cls.dir.str());
        ProgressPage page(deskClass);
        page.setRange(from, to);
        QTableWidget* t = page.totals();
        QFETCH(QStringList, children);
        QCOMPARE(column(t, 0), children);
        QTEST(column(t, 2), "kivSessions");
        QTEST(column(t, 3), "kivMinutes");
        QTEST(column(t, 4), "zanSessions");
        QTEST(column(t, 5), "zanMinutes");
        QTEST(names(page.neverRead()), "never");
        QTEST(page.chart()->weekCount(), "weeks");
        // The chart's figures in words, for a screen reader.
        const QString words = page.chart()->accessibleDescription();
        for (const QString& child : children)
            QVERIFY2(words.contains(child + ": "), qPrintable(words));
        QVERIFY(page.status()->text().contains("Teacher") == (from <= QDate(2026, 3, 5)));
    }

    void chartSaysEachWeeksFigures() {
        Class cls;
        DeskClass deskClass(cls.dir.str());
        ProgressPage page(deskClass);
        page.setRange({2026, 3, 2}, {2026, 3, 15});
        const QStringList lines = page.chart()->accessibleDescription().split('\n');
        QCOMPARE(lines,
                 (QStringList{"Sam: week of 2 March 2026: Kiv 2 sessions, 17 minutes. week of 9 "
                              "March 2026: Zan 1 session, 2 minutes.",
                              "Zoë: week of 2 March 2026: Zan 1 session, 20 minutes. week of 9 "
                              "March 2026: Kiv 1 session, 7 minutes."}));
        QCOMPARE(page.totals()->item(0, 1)->text(),
                 QString("Wed 11 Mar 2026, 2:15 pm (Zan, 2 min)"));
    }

    // The same days saved by the page and written by wqadmin: the same bytes.
    void savesWhatWqadminWrites_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("two weeks") << "2026-03-02"
                                   << "2026-03-15";
        QTest::newRow("one day") << "2026-03-11"
                                 << "2026-03-11";
        QTest::newRow("nothing read") << "2025-01-01"
                                      << "2025-01-31";
        QTest::newRow("everything dated") << "2000-01-01"
                                          << "2030-12-31";
    }
    void savesWhatWqadminWrites() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        Class cls;
        DeskClass deskClass(cls.dir.str());
        ProgressPage page(deskClass);
        page.setRange(QDate::fromString(from, Qt::ISODate), QDate::fromString(to, Qt::ISODate));
        const QString html = QString::fromStdString((cls.dir / "page.html").string());
        const QString csv = QString::fromStdString((cls.dir / "page.csv").string());
        QVERIFY(page.saveHtml(html));
        QVERIFY(page.saveCsv(csv));
        const auto out = (cls.dir / "wqadmin.html").string();
        const auto report =
            kz::test::runWqadmin({"report", cls.dir.str(), "--from", from.toStdString(), "--to",
                                  to.toStdString(), "--out", out});
        QCOMPARE(report.status, 0);
        QCOMPARE(fileText(html), cls.dir.read("wqadmin.html"));
        const auto log = kz::test::runWqadmin({"log", cls.dir.str(), "--csv", "--from",
                                               from.toStdString(), "--to", to.toStdString()});
        QCOMPARE(log.status, 0);
        QCOMPARE(fileText(csv), log.out);
        QVERIFY(fileText(csv).find("Smarch") == std::string::npos);
    }

    void printsToPdf() {
        Class cls;
        DeskClass deskClass(cls.dir.str());
        ProgressPage page(deskClass);
        page.setRange({2026, 3, 2}, {2026, 3, 15});
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString path = QString::fromStdString((cls.dir / "progress.pdf").string());
        printer.setOutputFileName(path);
        page.printTo(printer);
        const std::string pdf = fileText(path);
        QVERIFY(pdf.rfind("%PDF-", 0) == 0);
        QVERIFY(pdf.find("%%EOF") != std::string::npos);
        QVERIFY(pdf.find("/Type /Page\n") != std::string::npos ||
                pdf.find("/Type /Page ") != std::string::npos ||
                pdf.find("/Type /Page\r") != std::string::npos);
        QVERIFY(pdf.find("/Subtype /Image") != std::string::npos);  // the chart
        QVERIFY2(pdf.size() > 10000, std::to_string(pdf.size()).c_str());
    }

    // A log caught half-written keeps the last reading on show; the page follows the log once
    // the write is whole, without being opened again.
    void followsTheLogWhileAProgramWritesIt() {
        Class cls;
        DeskClass deskClass(cls.dir.str());
        ProgressPage page(deskClass);
        page.setRange({2026, 3, 2}, {2026, 3, 31});
        QCOMPARE(column(page.totals(), 0), (QStringList{"Sam", "Zoë"}));

        const std::string whole = cls.dir.read("LOG.WQ");
        cls.dir.write("LOG.WQ", whole.substr(0, whole.size() / 2));  // the prefix says more
        QTRY_VERIFY_WITH_TIMEOUT(page.status()->text().contains("could not be read just now"),
                                 20000);
        QCOMPARE(column(page.totals(), 0), (QStringList{"Sam", "Zoë"}));
        QVERIFY(page.findChild<QPushButton*>()->isEnabled());

        cls.dir.write("LOG.WQ", whole);
        QVERIFY(kz::appendToLog(cls.dir.str(), session({2026, 3, 24, 10, 0}, 8, "Phrases"), "Bob")
                    .written);
        QTRY_COMPARE_WITH_TIMEOUT(column(page.totals(), 0), (QStringList{"Bob", "Sam", "Zoë"}),
                                  20000);
        QCOMPARE(names(page.neverRead()), QStringList{"Ann"});
        QVERIFY(!page.status()->text().contains("could not be read"));
    }

    void everyControlIsNamedAndOnTheTabChain() {
        Class cls;
        DeskClass deskClass(cls.dir.str());
        ProgressPage page(deskClass);
        QList<QWidget*> chain;
        for (QWidget* w = page.nextInFocusChain(); w != &page; w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus && page.isAncestorOf(w)) chain << w;
        }
        const QList<QWidget*> wanted = {page.findChildren<QDateEdit*>().value(0),
                                        page.findChildren<QDateEdit*>().value(1), page.chart(),
                                        page.totals(), page.neverRead()};
        for (QWidget* w : wanted) QVERIFY(chain.contains(w));
        for (QPushButton* b : page.findChildren<QPushButton*>()) {
            QVERIFY(chain.contains(b));
            QVERIFY(b->text().contains('&'));
        }
        for (QWidget* w : wanted + QList<QWidget*>{page.status()}) {
            QVERIFY2(!w->accessibleName().isEmpty(), w->metaObject()->className());
        }
        for (QPushButton* b : page.findChildren<QPushButton*>())
            QVERIFY(!b->accessibleName().isEmpty());
        // Each labelled control is reached by its label's letter.
        for (QLabel* label : page.findChildren<QLabel*>()) {
            if (label->buddy()) QVERIFY(label->text().contains('&'));
        }
    }

    void aMissingLogSaysSoAndSavesNothing() {
        Class cls;
        std::filesystem::remove(cls.dir / "LOG.WQ");
        DeskClass deskClass(cls.dir.str());
        ProgressPage page(deskClass);
        page.setRange({2026, 3, 2}, {2026, 3, 15});
        QVERIFY(page.status()->text().startsWith("The log could not be read"));
        QVERIFY(!page.saveHtml(QString::fromStdString((cls.dir / "x.html").string())));
        QVERIFY(!std::filesystem::exists(cls.dir / "x.html"));
        // The log made again: the page follows it.
        cls.dir.write("LOG.WQ", kz::encodeLogFile({}, fixtureLog()));
        QTRY_COMPARE_WITH_TIMEOUT(column(page.totals(), 0), (QStringList{"Sam", "Zoë"}), 20000);
    }
};

QTEST_MAIN(ProgressPageTest)
#include "progress_page_test.moc"
