// The "Word lists" page driven as a teacher drives it: lists shown by the titles the word
// activity's chooser gives them, bad input refused with a message and nothing written, a list
// and its recordings written byte for byte as wqadmin writes them, and a word recorded from the
// microphone (SDL's disk driver reading a file), heard, and kept trimmed.
#include "word_lists_page.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "desk_class.h"
#include "files/paths.h"
#include "files/wave_trim.h"
#include "temp_dir.h"
#include "tree_snapshot.h"
#include "wqadmin_runner.h"

namespace kz::desk {
namespace {

namespace fs = std::filesystem;

// A class folder as wqadmin makes it, with one list of the sample kind, one titled by a row of
// its own and one the chooser never offers.
void makeClass(const test::TempDir& dir) {
    QCOMPARE(test::runWqadmin({"init", dir.str()}).status, 0);
    dir.write("WORDLIST/0001TO24.TXT", "*WORDLIST*\n* start\nthe, and, can, see\n");
    dir.write("WORDLIST/99LIST01.TXT", "*WORDLIST*\r\nfrog\r\nlog\r\nbog\r\ndog\r\n*END*\r\n");
    dir.write("WORDLIST/NOTITLE.TXT", "*WORDLIST*\ncat,dog,pig,hen\n");
    dir.write("DATA/TITLES.TXT", "# rows\r\n99list01\tPond words\t\t\r\n");
}

template <typename T>
T* child(QWidget& page, const char* name) {
    auto* widget = page.findChild<T*>(name);
    if (!widget) qFatal("no control %s", name);
    return widget;
}

QStringList rows(QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

// The page with its message boxes answered and remembered.
struct Desk {
    explicit Desk(const test::TempDir& dir) : deskClass(dir.str()), page(deskClass) {
        page.messages().setResponder([this](const ui::MessageRequest& request) {
            shown << request.text;
            return answer;
        });
        page.resize(900, 600);
        page.show();
    }
    void selectWord(const QString& word) {
        auto* sounds = child<QListWidget>(page, "sounds");
        for (int i = 0; i < sounds->count(); ++i) {
            if (sounds->item(i)->text().startsWith(word + "  ")) sounds->setCurrentRow(i);
        }
        QVERIFY(sounds->currentItem() && sounds->currentItem()->text().startsWith(word));
    }
    void click(const char* name) {
        QTest::mouseClick(child<QPushButton>(page, name), Qt::LeftButton);
    }
    QString soundLine(const QString& word) {
        for (const auto& row : rows(child<QListWidget>(page, "sounds")))
            if (row.startsWith(word + "  ")) return row;
        return {};
    }
    DeskClass deskClass;
    WordListsPage page;
    QStringList shown;
    MessageAnswer answer = MessageAnswer::Ok;
};

// Key presses typing text: Return for a line end, the character itself for any other (as an
// input method sends letters a keyboard has no key for).
void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c == '\n') {
            QTest::keyClick(widget, Qt::Key_Return);
        } else if (c.unicode() < 128) {
            QTest::keyClick(widget, char(c.unicode()));
        } else {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &press);
            QApplication::sendEvent(widget, &release);
        }
    }
}

// Types a new list, its title and words, through the keyboard.
void typeNewList(Desk& desk, const QString& title, const QString& words) {
    desk.click("new");
    typeText(child<QLineEdit>(desk.page, "title"), title);
    child<QPlainTextEdit>(desk.page, "words")->setFocus();
    typeText(child<QPlainTextEdit>(desk.page, "words"), words);
}

// Raw 16-bit mono samples at 22050 Hz, as SDL's disk driver reads its input: silence, a tone
// (the "word"), silence.
std::string microphoneInput(int lead, int tone, int tail) {
    std::string raw;
    auto put = [&](int v) {
        raw += char(v & 0xFF);
        raw += char((v >> 8) & 0xFF);
    };
    for (int i = 0; i < lead; ++i) put(0);
    for (int i = 0; i < tone; ++i) put(int(12000 * std::sin(2 * M_PI * 330.0 * i / 22050)));
    for (int i = 0; i < tail; ++i) put(0);
    return raw;
}

// The seconds recorded so far, as the status line counts them while recording.
double recordedSeconds(Desk& desk) {
    const auto m =
        QRegularExpression("([0-9.]+) s\\.").match(child<QLabel>(desk.page, "status")->text());
    return m.hasMatch() ? m.captured(1).toDouble() : 0.0;
}

bool holdsSound(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return bytes.find_first_not_of('\0') != std::string::npos;
}

// SDL's disk driver for this test: the microphone reads `input`, what is heard goes to `heard`.
struct DiskSound {
    DiskSound(const fs::path& input, const fs::path& heard) {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILEIN", input.string().c_str());
        qputenv("SDL_DISKAUDIOFILE", heard.string().c_str());
    }
    ~DiskSound() {
        qunsetenv("SDL_DISKAUDIOFILEIN");
        qunsetenv("SDL_DISKAUDIOFILE");
        qputenv("SDL_AUDIODRIVER", "dummy");
    }
};

}  // namespace

class WordListsPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void listsAreShownByTheChoosersTitles() {
        test::TempDir dir;
        makeClass(dir);
        Desk desk(dir);
        // The untitled list is left out, as the chooser leaves it out.
        auto* lists = child<QListWidget>(desk.page, "lists");
        QCOMPARE(rows(lists), QStringList({"Books 1 to 24", "Pond words"}));
        lists->setCurrentRow(1);
        QCOMPARE(child<QLineEdit>(desk.page, "title")->text(), QString("Pond words"));
        QCOMPARE(child<QPlainTextEdit>(desk.page, "words")->toPlainText(),
                 QString("frog\nlog\nbog\ndog"));
        QVERIFY(!child<QLineEdit>(desk.page, "title")->isReadOnly());
        lists->setCurrentRow(0);
        QVERIFY(child<QLineEdit>(desk.page, "title")->isReadOnly());
        // Which words have no recording, by the name the activity looks for; the view follows
        // a recording that appears on disk.
        QVERIFY(desk.soundLine("can").contains("CAN.WAV  -  no recording"));
        dir.write("WAVS/WDS/CAN.WAV", "x");
        emit desk.deskClass.filesChanged();
        QVERIFY(desk.soundLine("can").contains("CAN.WAV  -  recorded"));
        QVERIFY(desk.soundLine("see").contains("SEE.WAV  -  no recording"));
    }

    void badInputGetsAMessageAndWritesNothing_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("message");
        const QString four = "cat\ndog\npig\nhen";
        QTest::newRow("no title") << "" << four << "Give the list a title";
        QTest::newRow("title too long") << QString(41, 'a') << four << "longer than 40 characters";
        QTest::newRow("title not storable") << QString::fromUtf8("Ωmega") << four << "cannot show";
        QTest::newRow("empty list") << "Farm"
                                    << ""
                                    << "at least 4 words";
        QTest::newRow("three words") << "Farm"
                                     << "cat\ndog\npig"
                                     << "at least 4 words";
        QTest::newRow("duplicate") << "Farm"
                                   << "cat\ndog\nCat\npig"
                                   << "\"Cat\" is in the list twice";
        QTest::newRow("short word") << "Farm"
                                    << "cat\ndog\nis\npig"
                                    << "\"is\" is shorter than 3";
        QTest::newRow("long word") << "Farm"
                                   << "cat\ndog\ncaterpillars\npig"
                                   << "longer than 11 letters";
        QTest::newRow("apostrophe") << "Farm"
                                    << "cat\ndon't\npig\nhen"
                                    << "other than the letters";
        QTest::newRow("same word, accents in two cases")
            << "Farm" << QString::fromUtf8("cat\ncafé\nCAFÉ\nhen") << "in the list twice";
        QTest::newRow("not storable word")
            << "Farm" << QString::fromUtf8("cat\nĉat\npig\nhen") << "cannot store";
        QTest::newRow("comment") << "Farm"
                                 << "cat\n*dog\npig\nhen"
                                 << "marks a comment";
    }

    void badInputGetsAMessageAndWritesNothing() {
        QFETCH(QString, title);
        QFETCH(QString, words);
        QFETCH(QString, message);
        test::TempDir dir;
        makeClass(dir);
        Desk desk(dir);
        typeNewList(desk, title, words);
        const auto before = test::snapshot(dir.path());
        desk.click("save");
        QCOMPARE(desk.shown.size(), 1);
        QVERIFY2(desk.shown.first().contains(message), qPrintable(desk.shown.first()));
        QCOMPARE(test::snapshot(dir.path()), before);
        QCOMPARE(child<QListWidget>(desk.page, "lists")->count(), 2);
    }

    void aNewListIsWhatWqadminWritesAndTheChooserOffersIt() {
        test::TempDir dir, twin;
        makeClass(dir);
        makeClass(twin);
        Desk desk(dir);
        const QString title = QString::fromUtf8("Farm animals, à la ferme");
        typeNewList(desk, title, "cat, dog\n  pig\nHen\n");
        desk.click("save");
        QCOMPARE(desk.shown, QStringList());
        QCOMPARE(desk.page.editedName(), std::string("99LIST02"));
        const auto run = test::runWqadmin({"wordlist-save", twin.str(), "99LIST02", "--title",
                                           title.toStdString(), "cat", "dog", "pig", "Hen"});
        QCOMPARE(run.status, 0);
        for (const char* file : {"WORDLIST/99LIST02.TXT", "DATA/TITLES.TXT"})
            QCOMPARE(dir.read(file), twin.read(file));
        QCOMPARE(dir.read("WORDLIST/99LIST02.TXT"),
                 std::string("*WORDLIST*\r\ncat\r\ndog\r\npig\r\nHen\r\n*END*\r\n"));
        auto* lists = child<QListWidget>(desk.page, "lists");
        QCOMPARE(rows(lists), QStringList({"Books 1 to 24", "Pond words", title}));
        QCOMPARE(lists->currentRow(), 2);

        // Editing a list keeps its name; a list named by a book range keeps its title.
        lists->setCurrentRow(0);
        child<QPlainTextEdit>(desk.page, "words")->setPlainText("the\nand\ncan\nsee\nlook");
        desk.click("save");
        QCOMPARE(desk.shown, QStringList());
        QCOMPARE(dir.read("WORDLIST/0001TO24.TXT"),
                 std::string("*WORDLIST*\r\nthe\r\nand\r\ncan\r\nsee\r\nlook\r\n*END*\r\n"));
        QCOMPARE(dir.read("DATA/TITLES.TXT"), twin.read("DATA/TITLES.TXT"));
    }

    void aListChangedOnDiskIsNotOverwrittenUnasked() {
        test::TempDir dir;
        makeClass(dir);
        Desk desk(dir);
        child<QListWidget>(desk.page, "lists")->setCurrentRow(1);
        child<QPlainTextEdit>(desk.page, "words")->setPlainText("frog\nlog\nbog\ndog\nhog");
        const std::string other = "*WORDLIST*\r\nfrog\r\nlog\r\nbog\r\ndog\r\nfog\r\n";
        dir.write("WORDLIST/99LIST01.TXT", other);
        desk.answer = MessageAnswer::No;
        desk.click("save");
        QCOMPARE(desk.shown.size(), 1);
        QVERIFY(desk.shown.first().contains("changed on disk"));
        QCOMPARE(dir.read("WORDLIST/99LIST01.TXT"), other);
        desk.answer = MessageAnswer::Yes;
        desk.click("save");
        QVERIFY(dir.read("WORDLIST/99LIST01.TXT").find("hog") != std::string::npos);
    }

    void aWordRecordedFromTheMicrophoneIsHeardThenKeptTrimmed() {
        test::TempDir dir;
        makeClass(dir);
        const int lead = 11025, tone = 8820, tail = 11025;
        dir.write("mic.raw", microphoneInput(lead, tone, tail));
        DiskSound sound(dir / "mic.raw", dir / "heard.raw");
        Desk desk(dir);
        child<QListWidget>(desk.page, "lists")->setCurrentRow(1);
        desk.selectWord("frog");
        QVERIFY(!child<QPushButton>(desk.page, "keep")->isEnabled());
        desk.click("record");
        QVERIFY(child<QPushButton>(desk.page, "record")->text().contains("Stop"));
        // Until the whole "word" has come in, as the status line counts it.
        QTRY_VERIFY_WITH_TIMEOUT(recordedSeconds(desk) >= 1.5, 60000);
        desk.click("record");
        QCOMPARE(desk.shown, QStringList());
        QVERIFY(desk.soundLine("frog").contains("not kept yet"));
        QVERIFY(!fs::exists(dir / "WAVS/WDS/FROG.WAV"));
        // Heard back through the player before it is kept.
        QTRY_VERIFY_WITH_TIMEOUT(holdsSound(dir / "heard.raw"), 30000);
        desk.click("keep");
        QVERIFY(desk.soundLine("frog").contains("FROG.WAV  -  recorded"));
        const std::string kept = dir.read("WAVS/WDS/FROG.WAV");
        QCOMPARE(kept.substr(0, 4), std::string("RIFF"));
        QCOMPARE(trimSilence(kept).value(), kept);  // already trimmed
        const double frames = double(kept.size() - 44) / 2;
        QVERIFY2(std::abs(frames - (tone + 22050 * 0.130)) < 12,
                 qPrintable(QString::number(frames)));
    }

    void silenceFromTheMicrophoneIsNotKept() {
        test::TempDir dir;
        makeClass(dir);
        dir.write("mic.raw", microphoneInput(4410, 0, 0));
        DiskSound sound(dir / "mic.raw", dir / "heard.raw");
        Desk desk(dir);
        child<QListWidget>(desk.page, "lists")->setCurrentRow(1);
        desk.selectWord("log");
        desk.click("record");
        // At least as much as the input holds; a busy machine may pass 0.3 s between two ticks.
        QTRY_VERIFY_WITH_TIMEOUT(recordedSeconds(desk) >= 0.3, 60000);
        desk.click("record");
        QCOMPARE(desk.shown.size(), 1);
        QVERIFY(desk.shown.first().contains("Nothing was heard"));
        QVERIFY(desk.soundLine("log").contains("no recording"));
        QVERIFY(!child<QPushButton>(desk.page, "keep")->isEnabled());
    }

    void espeakRecordingsAreWhatWqadminMakes() {
        if (std::system("espeak-ng --version >/dev/null 2>&1") != 0)
            QSKIP("espeak-ng is not installed");
        test::TempDir dir, twin;
        makeClass(dir);
        makeClass(twin);
        Desk desk(dir);
        child<QListWidget>(desk.page, "lists")->setCurrentRow(1);
        desk.selectWord("bog");
        desk.click("speak");
        QCOMPARE(desk.shown, QStringList());
        QVERIFY(desk.soundLine("bog").contains("new, from espeak-ng"));
        QVERIFY(!fs::exists(dir / "WAVS/WDS/BOG.WAV"));  // heard first, kept only on Keep
        desk.click("keep");
        QCOMPARE(test::runWqadmin({"recordings", twin.str(), "99LIST01.TXT", "--make"}).status, 0);
        QCOMPARE(dir.read("WAVS/WDS/BOG.WAV"), twin.read("WAVS/WDS/BOG.WAV"));
        QVERIFY(dir.read("WAVS/WDS/BOG.WAV").size() > 44);
    }

    // A French class: accented words make an accented list, byte for byte what wqadmin writes,
    // and the word is said in French into a recording named with its accents.
    void aFrenchListKeepsItsAccentsInItsFileAndRecordings() {
        if (std::system("espeak-ng --version >/dev/null 2>&1") != 0)
            QSKIP("espeak-ng is not installed");
        test::TempDir dir, twin;
        for (const auto* d : {&dir, &twin}) {
            makeClass(*d);
            d->write("LANGUAGE.TXT", "fr\n");
        }
        Desk desk(dir);
        QCOMPARE(child<QComboBox>(desk.page, "voice")->currentText(), QString("fr"));
        typeNewList(desk, QString::fromUtf8("L'été"), QString::fromUtf8("été\ntête\nlit\nchat"));
        desk.click("save");
        QCOMPARE(desk.shown, QStringList());
        QCOMPARE(dir.read("WORDLIST/99LIST02.TXT"),
                 std::string("*WORDLIST ACCENTS*\r\n\xE9t\xE9\r\nt\xEAte\r\nlit\r\nchat\r\n"
                             "*END*\r\n"));
        desk.selectWord(QString::fromUtf8("été"));
        desk.click("speak");
        QCOMPARE(desk.shown, QStringList());
        desk.click("keep");
        QCOMPARE(test::runWqadmin({"wordlist-save", twin.str(), "99LIST02", "--title",
                                   "L'\u00e9t\u00e9", "\u00e9t\u00e9", "t\u00eate", "lit", "chat"})
                     .status,
                 0);
        QCOMPARE(dir.read("WORDLIST/99LIST02.TXT"), twin.read("WORDLIST/99LIST02.TXT"));
        QCOMPARE(test::runWqadmin({"recordings", twin.str(), "99LIST02.TXT", "--make"}).status, 0);
        const std::string said = dir.read("WAVS/WDS/\u00c9T\u00c9.WAV");
        QVERIFY(said.size() > 44);
        QCOMPARE(said, twin.read("WAVS/WDS/\u00c9T\u00c9.WAV"));
    }
};

}  // namespace kz::desk

QTEST_MAIN(kz::desk::WordListsPageTest)
#include "word_lists_page_test.moc"
