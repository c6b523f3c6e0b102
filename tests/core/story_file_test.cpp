#include "files/story_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>

#include "story_fixture.h"

namespace kz {
namespace {

using test::headRecord;
using test::record;
using test::storyFile;

const std::string kPath = "C:\\KZ\\DATA\\TEST.DAT";

// Page 1 uses every kind of item; page 2 has fewer items than slots; page 3's record stops after
// its marker, so everything after reads as empty lines and zero counts.
std::vector<std::string> threePages() {
    // One line of the source per item.
    // clang-format off
    return {
        headRecord("3", "2", "3", "6.4"),
        record({"==========FRAME one", "2",
                "  600", "1200.5", "3000", "495", "599.5", "The @big@ dog",
                "-1", "0", "0", "0", "0", "",
                "", "1", "705", "0", "8895", "6630", "PIC01",
                "", "2", "1.25", "-3e2",
                "", "NEXT  PIC02 "}),
        record({"==========FRAME", "1.5",
                "700", "100", "2000", "400", "700", " two  spaces ",
                "800", "600", "2000", "400", "800", "x\ry",
                "", "0", "", "0", "", "NEXTPIC03"}),
        "==========FRAME",
    };
    // clang-format on
}

TEST(StoryFile, ReadsHeadAndFrames) {
    const auto story = decodeStory(storyFile(threePages()), kPath);
    ASSERT_TRUE(story.ok()) << story.error().type;
    EXPECT_EQ(story->pageCount, 3);
    EXPECT_EQ(story->pictureSlots, 2);
    EXPECT_EQ(story->textSlots, 3);
    EXPECT_EQ(story->wordCapacity, 6);
    EXPECT_EQ(story->fontSize, 24);
    ASSERT_EQ(story->pages.size(), 3u);

    const StoryPage& one = story->page(1);
    ASSERT_EQ(one.texts.size(), 2u);
    EXPECT_EQ(one.texts[0], (StoryText{600, 1200, 3000, 495, 600, "The @big@ dog"}));
    EXPECT_EQ(one.texts[1], (StoryText{-1, 0, 0, 0, 0, ""}));
    EXPECT_EQ(one.pictures, (std::vector<StoryPicture>{{705, 0, 8895, 6630, "PIC01"}}));
    EXPECT_EQ(one.reals, (std::vector<double>{1.25, -300.0}));
    EXPECT_EQ(one.nextPicture, "PIC02");
    EXPECT_EQ(one.textSlot(3), StoryText{});
    EXPECT_EQ(one.pictureSlot(2), StoryPicture{});

    const StoryPage& two = story->page(2);
    ASSERT_EQ(two.texts.size(), 2u);
    EXPECT_EQ(two.texts[0].text, " two  spaces ");
    EXPECT_EQ(two.texts[1].text, "x\ry");
    EXPECT_TRUE(two.pictures.empty());
    EXPECT_EQ(two.nextPicture, "PIC03");

    EXPECT_EQ(story->page(3), StoryPage{});
}

TEST(StoryFile, HeaderFaults) {
    const auto pages = threePages();
    struct Case {
        std::string bytes;
        const char* type;  // "" when the story reads
    };
    const Case cases[] = {
        {storyFile(pages, "\"  VELMOOR DATA FILE.  \""), ""},
        {storyFile(pages, "   VELMOOR DATA FILE.\t"), ""},
        {storyFile(pages, "velmoor data file."), "badfile"},
        {storyFile(pages, "VELMOOR DATA FILE"), "badfile"},
        {storyFile(pages, "\"VELMOOR DATA FILE.\t\""), "badfile"},
        {"VELMOOR DATA FILE.\r\n", "file"},
        {"VELMOOR DATA FILE.\r\n \r\n", "file"},
        {"garbage\r\n", "file"},
        {"", "file"},
        {storyFile({pages[0]}), "badframe"},
        {storyFile({pages[0], pages[1]}), "badframe"},
    };
    for (const auto& c : cases) {
        const auto story = decodeStory(c.bytes, kPath);
        EXPECT_EQ(story.ok() ? "" : story.error().type, c.type) << c.bytes;
        if (!story.ok()) {
            EXPECT_EQ(story.error().detail, kPath);
        }
    }
}

TEST(StoryFile, BadFramesAndImpossibleCounts) {
    const std::string frame = record({"==========FRAME", "0", "", "0", "", "0", "", ""});
    const auto oneItem = [](std::string_view left, std::string_view count = "1") {
        return record({"==========FRAME", count, left, "0", "0", "0", "0", "text", "", "0"});
    };
    const std::vector<std::string> stories[] = {
        {headRecord("1", "2", "3", "6"), "=========FRAME"},
        {headRecord("1", "2", "3", "6"), "==========frame"},
        {headRecord("1", "2", "3", "6"), ""},
        {headRecord("0", "2", "3", "6")},
        {headRecord("-1", "2", "3", "6"), frame},
        {headRecord("40000", "2", "3", "6"), frame},
        {headRecord("1", "11", "3", "6"), frame},
        {headRecord("1", "2", "-1", "6"), frame},
        {headRecord("1", "2", "3", "-2"), frame},
        {headRecord("1", "2", "3", "6", "99999"), frame},
        {headRecord("2", "2", "3", "6"), frame},
        {headRecord("1", "2", "3", "6"), oneItem("600", "4")},
        {headRecord("1", "2", "3", "6"), oneItem("600", "-1")},
        {headRecord("1", "2", "3", "6"), oneItem("32768")},
        {headRecord("1", "2", "3", "6"), oneItem("32767.5")},
        {headRecord("1", "2", "3", "6"),
         record({"==========FRAME", "0", "", "3", "1", "1", "1", "1", "a", "1", "1", "1", "1", "b",
                 "1", "1", "1", "1", "c"})},
        {headRecord("1", "2", "3", "6"), record({"==========FRAME", "0", "", "0", "", "7"})},
        {headRecord("1", "2", "3", "6"),
         record({"==========FRAME", "0", "", "0", "", "1", "1e999"})},
    };
    for (const auto& records : stories) {
        const auto story = decodeStory(storyFile(records), kPath);
        ASSERT_FALSE(story.ok()) << records.back();
        EXPECT_EQ(story.error(), (FileError{"badframe", kPath})) << records.back();
    }
    // The limits themselves are fine.
    for (const auto& left : {"-32768", "-32768.5", "32767", "32767.4"}) {
        EXPECT_TRUE(
            decodeStory(storyFile({headRecord("1", "2", "3", "6"), oneItem(left)}), kPath).ok())
            << left;
    }
    EXPECT_TRUE(decodeStory(storyFile({headRecord("1", "10", "10", "32767"), frame}), kPath).ok());
}

TEST(StoryFile, ReadsFromDiskWhateverTheLetterCase) {
    const auto dir = std::filesystem::path(testing::TempDir()) / "story_file_test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "data");
    std::ofstream(dir / "data" / "test.dat", std::ios::binary) << storyFile(threePages());
    std::ofstream(dir / "data" / "EMPTY.DAT", std::ios::binary);

    const std::string path = storyFilePath(dir.string(), "TEST");
    EXPECT_EQ(path, dir.string() + "\\DATA\\TEST.DAT");
    EXPECT_TRUE(readStoryFile(path).ok());
    for (const std::string& bad : {storyFilePath(dir.string(), "MISSING"),
                                   storyFilePath(dir.string(), "EMPTY"), dir.string() + "\\DATA"}) {
        EXPECT_EQ(readStoryFile(bad).error(), (FileError{"file", bad}));
    }
    std::filesystem::remove_all(dir);
}

TEST(QuoteMarks, AlternateWithinAPageAndRestartOnEach) {
    Story story;
    story.pages.resize(2);
    story.pages[0].texts = {{1, 0, 0, 0, 0, "He said @hi@ and @bye"}, {1, 0, 0, 0, 0, "now@"}};
    story.pages[1].texts = {{1, 0, 0, 0, 0, "@x@ y"}};

    Story curly = story;
    convertQuoteMarks(curly, true);
    EXPECT_EQ(curly.pages[0].texts[0].text,
              "He said \x93hi\x94 and \x93"
              "bye");
    EXPECT_EQ(curly.pages[0].texts[1].text, "now\x94");
    EXPECT_EQ(curly.pages[1].texts[0].text, "\x93x\x94 y");

    convertQuoteMarks(story, false);
    EXPECT_EQ(story.pages[0].texts[0].text, "He said \"hi\" and \"bye");
    EXPECT_EQ(story.pages[1].texts[0].text, "\"x\" y");
}

TEST(StoryFile, WritesOneQuotedLinePerRecord) {
    auto story = decodeStory(storyFile(threePages()), kPath);
    ASSERT_TRUE(story.ok());
    const std::string file = encodeStory(*story);
    EXPECT_EQ(decodeStory(file, kPath).value(), *story);

    std::vector<std::string> lines;
    for (size_t pos = 0; pos < file.size();) {
        const size_t end = file.find("\r\n", pos);
        ASSERT_NE(end, std::string::npos);
        lines.push_back(file.substr(pos, end - pos));
        pos = end + 2;
    }
    ASSERT_EQ(lines.size(), 5u);  // header, head record, three frames
    EXPECT_EQ(lines[0], "VELMOOR DATA FILE.");
    for (size_t i = 1; i < lines.size(); ++i) {
        EXPECT_GE(lines[i].size(), 2u);
        EXPECT_EQ(lines[i].find_first_of("\"\r\n", 1), lines[i].size() - 1) << i;
    }
}

TEST(StoryFile, ProblemsThatStopTheWriter) {
    const auto base = decodeStory(storyFile(threePages()), kPath).value();
    EXPECT_EQ(storyProblem(base), std::nullopt);
    struct Case {
        void (*spoil)(Story&);
        const char* problem;
    };
    const Case cases[] = {
        {[](Story& s) { s.pageCount = 2; }, "pageCount differs from the number of pages"},
        {[](Story& s) { s.pages.clear(), s.pageCount = 0; }, "a story has 1 to 32767 pages"},
        {[](Story& s) { s.textSlots = 11; }, "textSlots is not 0-10"},
        {[](Story& s) { s.pictureSlots = -1; }, "pictureSlots is not 0-10"},
        {[](Story& s) { s.wordCapacity = -1; }, "wordCapacity is negative"},
        {[](Story& s) { s.textSlots = 1; }, "page 1: more texts than textSlots"},
        {[](Story& s) { s.pictureSlots = 0; }, "page 1: more pictures than pictureSlots"},
        {[](Story& s) { s.wordCapacity = 1; }, "page 1: more reals than wordCapacity"},
        {[](Story& s) { s.pages[0].reals[0] = std::numeric_limits<double>::infinity(); },
         "page 1: a real that is not a finite number"},
        {[](Story& s) { s.pages[1].texts[1].text = "a\r\nb"; },
         "page 2, text 2: holds a line break (CR LF)"},
        {[](Story& s) { s.pages[0].nextPicture = " P"; },
         "page 1: nextPicture begins or ends with a space, which reading would drop"},
    };
    for (const auto& c : cases) {
        Story story = base;
        c.spoil(story);
        EXPECT_EQ(storyProblem(story), c.problem);
        EXPECT_THROW(encodeStory(story), std::invalid_argument) << c.problem;
    }
}

// Characters 221-255 (the small accented letters) cannot be scrambled; a story holding one is
// written with its own header and the letters escaped, and reads back as the same story. A story
// without one is written exactly as before, header included.
TEST(StoryFile, AccentedStoriesUseTheirOwnHeaderAndReadBack) {
    const Story plain = decodeStory(storyFile(threePages()), kPath).value();
    EXPECT_FALSE(needsAccentedStoryFile(plain));
    EXPECT_TRUE(encodeStory(plain).starts_with("VELMOOR DATA FILE.\r\n"));

    const struct {
        void (*accent)(Story&);
    } cases[] = {
        {[](Story& s) {
            s.pages[0].texts[0].text =
                "\xC9t\xE9, ni\xF1o, \xFC"
                "ber, \xFF\xFD\xDF";
        }},
        {[](Story& s) {
            s.pages[1].texts[1].text =
                "le \x01 et \x01"
                "A et \xE9\x01";
        }},
        {[](Story& s) { s.pages[0].pictures[0].name = "\xE9t\xE9"; }},
        {[](Story& s) { s.pages[0].nextPicture = "cha\xEEne"; }},
    };
    for (const auto& c : cases) {
        Story story = plain;
        c.accent(story);
        EXPECT_EQ(storyProblem(story), std::nullopt);
        EXPECT_TRUE(needsAccentedStoryFile(story));
        const std::string file = encodeStory(story);
        EXPECT_TRUE(file.starts_with("VELMOOR DATA FILE 1252.\r\n"));
        const auto back = decodeStory(file, kPath);
        ASSERT_TRUE(back.ok());
        EXPECT_EQ(*back, story);
        EXPECT_EQ(encodeStory(*back), file);
        // The old header over the same records would not give the letters back: a reader that
        // knows only the old header must refuse such a file rather than show wrong text.
        const auto misread = decodeStory("VELMOOR DATA FILE." + file.substr(23), kPath);
        EXPECT_FALSE(misread.ok() && *misread == story);
    }
}

// The escape of the accented file: each character 221-255 becomes two characters 0-220, the
// escape itself is doubled, and an escape that stands alone or before anything else reads as it
// stands (a damaged file still reads).
TEST(StoryFile, EscapesHighCharactersInTwo) {
    const struct {
        std::string text;
        std::string escaped;
    } cases[] = {
        {"abc", "abc"},
        {"\xDD",
         "\x01"
         "A"},
        {"\xFF",
         "\x01"
         "c"},
        {"\xE9t\xE9", "\x01Mt\x01M"},
        {"\x01", "\x01\x01"},
        {"\x01"
         "A",
         "\x01\x01"
         "A"},
        {"\xDC\x93", "\xDC\x93"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(escapeHigh(c.text), c.escaped) << c.text;
        EXPECT_EQ(unescapeHigh(c.escaped), c.text) << c.text;
        for (unsigned char ch : escapeHigh(c.text)) EXPECT_LE(ch, 220);
    }
    EXPECT_EQ(unescapeHigh("\x01"), "\x01");
    EXPECT_EQ(unescapeHigh("a\x01"
                           "d"),
              "a\x01"
              "d");
    EXPECT_EQ(unescapeHigh("\x01"
                           "@"),
              "\x01"
              "@");
}

}  // namespace
}  // namespace kz
