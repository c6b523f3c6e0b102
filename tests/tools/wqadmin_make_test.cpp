// wqadmin story make, run as the teacher runs it: a folder with story.txt and pictures becomes a
// story the reader lists, shows and speaks; bad input is refused and leaves the data directory
// exactly as it was, also when a write fails part-way.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "files/file_stem.h"
#include "files/story_catalogue.h"
#include "files/story_file.h"
#include "session/chooser.h"
#include "temp_dir.h"
#include "tree_snapshot.h"
#include "wave_decoder.h"
#include "wqadmin_runner.h"
#include "zan/phrase_tables.h"

namespace kz {
namespace {

namespace fs = std::filesystem;

bool speechProgramFound() { return std::system("espeak-ng --version >/dev/null 2>&1") == 0; }

using test::snapshot;

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

class WqadminMake : public testing::Test {
protected:
    void SetUp() override {
        if (!speechProgramFound()) GTEST_SKIP() << "espeak-ng is not installed";
        ASSERT_EQ(test::runWqadmin({"init", app()}).status, 0);
        ASSERT_EQ(test::runWqadmin({"globals", app(), "set", "dataDir=" + data()}).status, 0);
        // A data directory holding a sample story's row, which must stay as it is.
        m_root.write("data/DATA/PHRASES.TXT", "# rows\r\n19MOON\t|1,-1|2,3|\r\n");
        m_root.write("data/DATA/19MOON.DAT", "story");
        writeStory(kStory);
        picture("src/gate.png", 640, 480, Qt::green, "PNG");
        picture("src/dog.jpg", 300, 400, Qt::red, "JPEG");
        picture("src/home.bmp", 500, 250, Qt::blue, "BMP");
    }

    std::string app() const { return (m_root / "app").string(); }
    std::string data() const { return (m_root / "data").string(); }
    std::string src() const { return (m_root / "src").string(); }
    void writeStory(const std::string& text) const { m_root.write("src/story.txt", text); }
    void picture(const std::string& name, int w, int h, Qt::GlobalColor colour,
                 const char* format) const {
        // PNG keeps a transparent background; JPEG and BMP get a white one, as drawing
        // programs save them.
        QImage image(w, h, QImage::Format_ARGB32);
        image.fill(std::string_view(format) == "PNG" ? QColor(Qt::transparent) : QColor(Qt::white));
        QPainter painter(&image);
        painter.fillRect(w / 4, h / 4, w / 2, h / 2, colour);
        painter.end();
        fs::create_directories((m_root / name).parent_path());
        ASSERT_TRUE(image.save(QString::fromStdString((m_root / name).string()), format));
    }
    test::RunResult make(std::vector<std::string> extra = {}) const {
        std::vector<std::string> args = {"story", "make", app(), "17WALK", src()};
        args.insert(args.end(), extra.begin(), extra.end());
        return test::runWqadmin(args);
    }

    test::TempDir m_root;
};

TEST_F(WqadminMake, FolderOfPicturesAndSentencesBecomesAStoryTheReaderShowsAndSpeaks) {
    m_root.write("data/WAVS/WDS/DOG.WAV", "the teacher's own dog");
    const auto run = make();
    ASSERT_EQ(run.status, 0) << run.out << run.err;

    const auto story = readStoryFile(data() + "/DATA/17WALK.DAT");
    ASSERT_TRUE(story.ok());
    EXPECT_EQ(story->pageCount, 4);
    EXPECT_EQ(story->page(3).texts.at(0).text, "A dog says @Woof!@");

    // The table row is added beside the sample's, which stays byte for byte.
    EXPECT_EQ(m_root.read("data/DATA/PHRASES.TXT"),
              "# rows\r\n19MOON\t|1,-1|2,3|\r\n17WALK\t|1,-2|2,6,10|3,4|4,2|\r\n");
    EXPECT_EQ(selectPhraseTable("17walk", readPhraseTableFile(data())), "|1,-2|2,6,10|3,4|4,2|");

    // The chooser lists it by its title; the credits are the teacher's.
    const auto catalogue = readCatalogueFile(data());
    const auto info = storyTitle("17WALK", Program::Zan, catalogue);
    EXPECT_EQ(info.title, "17 Our Walk");
    EXPECT_EQ(info.credit, "by Class 2");
    EXPECT_EQ(info.illustrator, "Mia");
    const auto list = chooserList(listFolder(data() + "/DATA", "*.DAT"), "RESTRICT01:32", "",
                                  Program::Zan, catalogue);
    ASSERT_EQ(list.entries.size(), 2u);
    EXPECT_EQ(list.entries[0].title, "17 Our Walk");

    // Pictures: 8-bit bitmaps at the size the page gives them, over the story's palette.
    for (int p = 2; p <= 4; ++p) {
        const StoryPicture& pic = story->page(p).pictures.at(0);
        const QImage image(QString::fromStdString(data() + "/BMPS/17WALK/" + pic.name + ".BMP"));
        ASSERT_FALSE(image.isNull()) << pic.name;
        EXPECT_EQ(image.format(), QImage::Format_Indexed8);
        EXPECT_EQ(image.width() * 15, pic.width);
        EXPECT_EQ(image.height() * 15, pic.height);
        // The coloured middle and the white where the picture was transparent.
        EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2).value() > 0, true);
        EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
    }
    EXPECT_EQ(QImage(QString::fromStdString(data() + "/BMPS/17WALK/17WALK.DIB"), "BMP").format(),
              QImage::Format_Indexed8);

    // Every recording the reader asks for: each page, and each word a child clicks.
    for (int p = 1; p <= 4; ++p) {
        const auto clip = decodeWave(data() + "/WAVS/17WALK/SNT0" + std::to_string(p) + ".WAV");
        ASSERT_TRUE(clip) << p;
        EXPECT_GT(clip->frames(), 1000u);
    }
    for (const char* word : {"We", "go", "out", "of", "the", "gate", "and", "down", "lane.", "A",
                             "says", "@Woof!@", "Home", "again!"}) {
        for (int16_t voiceA : {0, -1}) {
            const std::string path = data() + "/WAVS/WDS/" + fileStem(word, voiceA) + ".WAV";
            EXPECT_TRUE(decodeWave(path)) << word;
        }
    }
    EXPECT_EQ(m_root.read("data/WAVS/WDS/DOG.WAV"), "the teacher's own dog");
    EXPECT_NE(run.out.find("kept    "), std::string::npos) << run.out;
}

TEST_F(WqadminMake, BadInputIsRefusedWithAMessageAndNothingWritten) {
    m_root.write("src/broken.png", "not a picture at all");
    m_root.write("src/words.txt", "a text file");
    struct Case {
        std::string code;
        std::string story;  // empty: no story.txt at all
        std::string message;
        std::vector<std::string> extra = {};
    };
    const Case cases[] = {
        {"33FARM", kStory, "only stories numbered 01 to 32"},
        {"17WALK", "", "holds no story.txt"},
        {"17WALK", "Our Walk\n\n[gate.png]\nOff we go \xff.\n", "story.txt is not UTF-8 text"},
        {"17WALK", "Our Walk\nby us\n", "story.txt has no pages"},
        {"17WALK", "Our Walk\n\n[gate.png]\n\n[dog.jpg]\nHi.\n",
         "page 2 (story.txt line 3) has a picture but no text"},
        {"17WALK",
         "Our Walk\n\n[gate.png]\nThe \xC5\x82"
         "ad.\n",
         "the word \"\xC5\x82"
         "ad.\""},
        {"17WALK", "Our Walk\n\n[gate.png]\n" + std::string(40, 'w'), "too long for a line"},
        {"17WALK",
         "Our Walk\n\n[gate.png]\n" +
             [] {
                 std::string many;
                 for (int i = 0; i < 60; ++i) many += "word ";
                 return many;
             }(),
         "page 2 has more words than a page can take"},
        {"17WALK", "Our Walk\n\n[lost.png]\nHi there.\n", "names the picture \"lost.png\", which"},
        {"17WALK", "Our Walk\n\n[../gate.png]\nHi there.\n",
         "not a file name of the story's folder"},
        {"17WALK", "Our Walk\n\n[broken.png]\nHi there.\n", "cannot be decoded"},
        {"17WALK", "Our Walk\n\n[words.txt]\nHi there.\n", "cannot be decoded"},
        {"19WALK", kStory, "The number 19 is taken by 19MOON.DAT"},
        {"17WALK", kStory, "espeak-ng could not say", {"--voice", "nosuchvoice"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.story + " / " + c.code);
        fs::remove(m_root / "src/story.txt");
        if (!c.story.empty()) writeStory(c.story);
        const auto before = snapshot(m_root / "data");
        std::vector<std::string> args = {"story", "make", app(), c.code, src()};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const auto run = test::runWqadmin(args);
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("Nothing was written."), std::string::npos) << run.err;
        EXPECT_EQ(snapshot(m_root / "data"), before);
    }
}

// The same folder made into two classes gives the same files, byte for byte: nothing of the
// moment (memory the bitmaps' rows are padded from, the screen's resolution) gets into them.
TEST_F(WqadminMake, SameFolderMakesTheSameFiles) {
    ASSERT_EQ(make().status, 0);
    const std::string again = (m_root / "again").string();
    ASSERT_EQ(test::runWqadmin({"init", again}).status, 0);
    ASSERT_EQ(test::runWqadmin({"globals", again, "set", "dataDir=" + again + "/data"}).status, 0);
    m_root.write("again/data/DATA/19MOON.DAT", "story");
    m_root.write("again/data/DATA/PHRASES.TXT", "# rows\r\n19MOON\t|1,-1|2,3|\r\n");
    ASSERT_EQ(test::runWqadmin({"story", "make", again, "17WALK", src()}).status, 0);
    EXPECT_EQ(snapshot(m_root / "again/data"), snapshot(m_root / "data"));
}

// The last write (the story file) fails: every picture, recording and row written before it is
// taken back, and folders the make created go too.
TEST_F(WqadminMake, FailureAtTheLastStepLeavesTheDataDirectoryAsItWas) {
    fs::create_directories(m_root / "data/DATA/17WALK.DAT/in-the-way");
    const auto before = snapshot(m_root / "data");
    const auto run = make();
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Cannot write"), std::string::npos) << run.err;
    EXPECT_EQ(snapshot(m_root / "data"), before);
}

TEST_F(WqadminMake, ForceReplacesTheStoryOfThatNumberAndItsRows) {
    ASSERT_EQ(make().status, 0);
    const std::string firstTable = selectPhraseTable("17WALK", readPhraseTableFile(data()));
    // The same code again is refused without --force; a new code of the same number replaces it.
    EXPECT_EQ(make().status, 1);
    writeStory("Our Trip\n\n[gate.png]\nWe went on a bus.\n");
    const auto run = test::runWqadmin({"story", "make", app(), "17TRIP", src(), "--force"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(fs::exists(m_root / "data/DATA/17WALK.DAT"));
    EXPECT_TRUE(fs::exists(m_root / "data/DATA/17TRIP.DAT"));
    const auto tables = readPhraseTableFile(data());
    EXPECT_EQ(selectPhraseTable("17WALK", tables), "");
    EXPECT_EQ(selectPhraseTable("17TRIP", tables), "|1,-2|2,5|");
    EXPECT_EQ(selectPhraseTable("19MOON", tables), "|1,-1|2,3|");
    const auto catalogue = readCatalogueFile(data());
    ASSERT_EQ(catalogue.size(), 1u);
    EXPECT_EQ(catalogue[0].title, "17 Our Trip");
    EXPECT_EQ(storyTitle("17TRIP", Program::Zan, catalogue).credit, "");
}

}  // namespace
}  // namespace kz
