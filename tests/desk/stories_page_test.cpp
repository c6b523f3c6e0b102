// The desk's Stories page through its real widgets: a story made from a folder of pictures and
// sentences is shown page by page, written only when kept, and then holds the same bytes as
// wqadmin story make writes from that folder; bad folders get a message and write nothing.
#include "stories_page.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>
#include <cstdlib>

#include "desk_class.h"
#include "story_preview.h"
#include "temp_dir.h"
#include "tree_snapshot.h"
#include "ui_test_support.h"
#include "wqadmin_runner.h"

namespace kz::desk {
namespace {

namespace fs = std::filesystem;

constexpr const char* kStory =
    "Our Walk\n"
    "by Class 2\n"
    "Pictures by Mia\n"
    "\n"
    "[gate.png]\n"
    "We go out of the gate / and down the lane.\n"
    "\n"
    "[dog.jpg]\n"
    "A dog says \xE2\x80\x9CWoof!\xE2\x80\x9D\n"
    "\n"
    "[home.bmp]\n"
    "Home / again!\n";

// A class folder made by wqadmin init, its data directory beside it holding a sample story.
struct ClassFolder {
    ClassFolder(const test::TempDir& root, const std::string& name)
        : app((root / name).string()), data((root / (name + "-data")).string()) {
        if (test::runWqadmin({"init", app}).status != 0 ||
            test::runWqadmin({"globals", app, "set", "dataDir=" + data}).status != 0)
            qFatal("wqadmin could not make the class folder %s", app.c_str());
        root.write(name + "-data/DATA/PHRASES.TXT", "# rows\r\n19MOON\t|1,-1|2,3|\r\n");
        root.write(name + "-data/DATA/19MOON.DAT", "story");
    }
    std::string app, data;
};

void drawPicture(const fs::path& path, int w, int h, Qt::GlobalColor colour, const char* format) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(w / 4, h / 4, w / 2, h / 2, colour);
    painter.end();
    fs::create_directories(path.parent_path());
    QVERIFY(image.save(QString::fromStdString(path.string()), format));
}

template <typename T>
T* child(QWidget* page, const char* name) {
    auto* w = page->findChild<T*>(name);
    if (!w) qFatal("no child %s", name);
    return w;
}

// Clicks a button and answers the message box it brings up; returns that box's text (empty when
// none came).
QString clickAndReadMessage(QPushButton* button) {
    QString text;
    bool shown = false;
    test::whenModal([&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) text = box->text();
        shown = true;
        modal->close();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    if (!shown) {
        // No box came: the pending look at the modal window runs into nothing.
        QCoreApplication::processEvents();
    }
    return text;
}

// The files two trees do not hold alike.
QStringList differences(const std::map<std::string, std::string>& a,
                        const std::map<std::string, std::string>& b) {
    QStringList names;
    for (const auto& [name, content] : a) {
        const auto other = b.find(name);
        if (other == b.end() || other->second != content) names << QString::fromStdString(name);
    }
    for (const auto& [name, content] : b)
        if (!a.count(name)) names << QString::fromStdString(name);
    return names;
}

}  // namespace

class StoriesPageTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_root = std::make_unique<test::TempDir>();
        m_desk = std::make_unique<ClassFolder>(*m_root, "desk");
        m_src = *m_root / "src";
        m_root->write("src/story.txt", kStory);
        drawPicture(m_src / "gate.png", 640, 480, Qt::green, "PNG");
        drawPicture(m_src / "dog.jpg", 300, 400, Qt::red, "JPEG");
        drawPicture(m_src / "home.bmp", 500, 250, Qt::blue, "BMP");
        m_class = std::make_unique<DeskClass>(m_desk->app);
        m_page = std::make_unique<StoriesPage>(*m_class);
        m_page->resize(900, 600);
        m_page->show();
    }
    void cleanup() {
        m_page.reset();
        m_class.reset();
        m_desk.reset();
        m_root.reset();
    }

    void madeStoryIsShownPageByPageAndKeptAsWqadminWritesIt() {
        if (std::system("espeak-ng --version >/dev/null 2>&1") != 0)
            QSKIP("espeak-ng is not installed");
        auto* list = child<QTreeWidget>(m_page.get(), "stories");
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(0), QString("19 Moon"));

        child<QLineEdit>(m_page.get(), "folder")->setText(QString::fromStdString(m_src.string()));
        child<QLineEdit>(m_page.get(), "code")->setText("17walk");
        const auto before = test::snapshot(m_desk->data);
        QCOMPARE(clickAndReadMessage(child<QPushButton>(m_page.get(), "make")), QString());

        // Page by page, as the reader will show it, and nothing written yet.
        auto* preview = child<StoryPreview>(m_page.get(), "preview");
        auto* next = child<QPushButton>(m_page.get(), "next");
        QCOMPARE(preview->pageCount(), 4);
        QCOMPARE(preview->pageLines().value(0), QString("Our Walk"));
        QVERIFY(!child<QPushButton>(m_page.get(), "previous")->isEnabled());
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(child<QLabel>(m_page.get(), "pageLabel")->text(), QString("Page 2 of 4"));
        QVERIFY(preview->pageHasPicture());
        QCOMPARE(preview->pageLines().join(' '),
                 QString("We go out of the gate and down the lane."));
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(preview->pageLines().join(' '), QString::fromUtf8("A dog says \u201CWoof!\u201D"));
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(preview->pageLines().join(' '), QString("Home again!"));
        QVERIFY(!next->isEnabled());
        QCOMPARE(test::snapshot(m_desk->data), before);

        QCOMPARE(clickAndReadMessage(child<QPushButton>(m_page.get(), "keep")), QString());
        QVERIFY(preview->pageCount() == 0);
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->currentItem()->text(0), QString("17 Our Walk"));
        QCOMPARE(list->currentItem()->text(1), QString("Yellow (books 17 to 32)"));
        QCOMPARE(list->currentItem()->text(2), QString("17WALK.DAT"));

        // The same folder through wqadmin into a class in the same state: the same files, byte
        // for byte.
        ClassFolder other(*m_root, "wqadmin");
        const auto run = test::runWqadmin({"story", "make", other.app, "17WALK", m_src.string()});
        QVERIFY2(run.status == 0, run.err.c_str());
        const QStringList differ =
            differences(test::snapshot(m_desk->data), test::snapshot(other.data));
        QVERIFY2(differ.isEmpty(), qPrintable(differ.join(", ")));
    }

    void badFolderGivesAMessageAndWritesNothing_data() {
        QTest::addColumn<QString>("story");  // empty: no story.txt
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing picture") << "Our Walk\n\n[lost.png]\nHi there.\n"
                                         << "17WALK"
                                         << "names the picture \"lost.png\", which";
        QTest::newRow("sentence too long")
            << QString("Our Walk\n\n[gate.png]\n") + QString(40, 'w') << "17WALK"
            << "too long for a line";
        QTest::newRow("no story.txt") << ""
                                      << "17WALK"
                                      << "holds no story.txt";
        QTest::newRow("number taken")
            << kStory << "19WALK"
            << "The number 19 is taken by 19MOON.DAT (\"19 Moon\") in the DATA folder: choose "
               "another number, or tick \"Replace the story that has this number\" to replace that "
               "story.";
        QTest::newRow("bad code") << kStory << "WALK"
                                  << "is not two digits followed by up to six letters or digits";
    }
    void badFolderGivesAMessageAndWritesNothing() {
        QFETCH(QString, story);
        QFETCH(QString, code);
        QFETCH(QString, message);
        fs::remove(m_src / "story.txt");
        if (!story.isEmpty()) m_root->write("src/story.txt", story.toStdString());
        child<QLineEdit>(m_page.get(), "folder")->setText(QString::fromStdString(m_src.string()));
        child<QLineEdit>(m_page.get(), "code")->setText(code);
        const auto before = test::snapshot(m_desk->data);
        const QString shown = clickAndReadMessage(child<QPushButton>(m_page.get(), "make"));
        QVERIFY2(shown.contains(message), qPrintable(shown));
        QVERIFY(shown.endsWith("Nothing was written."));
        QCOMPARE(child<StoryPreview>(m_page.get(), "preview")->pageCount(), 0);
        QVERIFY(!child<QPushButton>(m_page.get(), "keep")->isEnabled());
        QCOMPARE(test::snapshot(m_desk->data), before);
    }

    // Another desk (or wqadmin) takes the number while the teacher looks at the pages: keeping
    // then says so and writes nothing, rather than putting a second story 17 beside it.
    void numberTakenWhileLookingIsNotOverwritten() {
        if (std::system("espeak-ng --version >/dev/null 2>&1") != 0)
            QSKIP("espeak-ng is not installed");
        child<QLineEdit>(m_page.get(), "folder")->setText(QString::fromStdString(m_src.string()));
        child<QLineEdit>(m_page.get(), "code")->setText("17WALK");
        QCOMPARE(clickAndReadMessage(child<QPushButton>(m_page.get(), "make")), QString());
        QCOMPARE(child<StoryPreview>(m_page.get(), "preview")->pageCount(), 4);
        m_root->write("desk-data/DATA/17TRIP.DAT", "another teacher's story");
        const auto before = test::snapshot(m_desk->data);
        const QString shown = clickAndReadMessage(child<QPushButton>(m_page.get(), "keep"));
        QVERIFY2(shown.contains("The number 17 is taken by 17TRIP.DAT"), qPrintable(shown));
        QCOMPARE(test::snapshot(m_desk->data), before);
        // Ticking Replace and making it again replaces that story, as wqadmin --force does.
        child<QCheckBox>(m_page.get(), "replace")->setChecked(true);
        QCOMPARE(clickAndReadMessage(child<QPushButton>(m_page.get(), "make")), QString());
        QCOMPARE(clickAndReadMessage(child<QPushButton>(m_page.get(), "keep")), QString());
        QVERIFY(!fs::exists(*m_root / "desk-data/DATA/17TRIP.DAT"));
        QVERIFY(fs::exists(*m_root / "desk-data/DATA/17WALK.DAT"));
    }

    // The list follows the DATA folder as other programs change it.
    void listFollowsTheDataFolder() {
        auto* list = child<QTreeWidget>(m_page.get(), "stories");
        m_root->write("desk-data/DATA/05FROG.DAT", "story");
        m_root->write("desk-data/DATA/TITLES.TXT", "05FROG\t05 The Frog\tAnn\tby Us\r\n");
        m_root->write("desk-data/DATA/40BIG.DAT", "story");
        QTRY_COMPARE(list->topLevelItemCount(), 3);
        const std::pair<QString, QString> rows[] = {
            {"05 The Frog", "Red (books 1 to 16)"},
            {"19 Moon", "Yellow (books 17 to 32)"},
            {"No title: Zan does not list it", "None: Zan lists books 1 to 32 only"}};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(list->topLevelItem(i)->text(0), rows[i].first);
            QCOMPARE(list->topLevelItem(i)->text(1), rows[i].second);
        }
        fs::remove(*m_root / "desk-data/DATA/19MOON.DAT");
        QTRY_COMPARE(list->topLevelItemCount(), 2);
    }

    // The code the page suggests for a folder: the first free book number and the folder's name.
    void suggestedCodeTakesAFreeNumber() {
        auto* folder = child<QLineEdit>(m_page.get(), "folder");
        auto* code = child<QLineEdit>(m_page.get(), "code");
        m_root->write("desk-data/DATA/01PIP.DAT", "story");
        folder->setText(QString::fromStdString((*m_root / "Our trip 2").string()));
        emit folder->editingFinished();
        QCOMPARE(code->text(), QString("02OURTRI"));
        // A code the teacher typed stays when the folder changes.
        code->setText("20BUS");
        folder->setText(QString::fromStdString(m_src.string()));
        emit folder->editingFinished();
        QCOMPARE(code->text(), QString("20BUS"));
    }

private:
    std::unique_ptr<test::TempDir> m_root;
    std::unique_ptr<ClassFolder> m_desk;
    fs::path m_src;
    std::unique_ptr<DeskClass> m_class;
    std::unique_ptr<StoriesPage> m_page;
};

}  // namespace kz::desk

QTEST_MAIN(kz::desk::StoriesPageTest)
#include "stories_page_test.moc"
