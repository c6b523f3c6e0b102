// The reader's start: which story it opens, what it does when none can be found, and the story's
// first page as it appears (title, credits, pictures, font and quotation marks).
#include <gtest/gtest.h>

#include "files/global_settings.h"
#include "files/user_settings.h"
#include "zan_fixture.h"

namespace kz::test {
namespace {

using Names = std::vector<std::string>;

Story oneLineStory(const std::string& line = "Moon") { return makeStory({{line}, {line}}); }

TEST(ZanStart, StoredStoryOpensAtPageOneWithTitleCreditsAndRecording) {
    ReaderFixture f;
    f.tables = {{"25SAMPLE", "|1,-4|2,2|"}};
    f.addStory("25SAMPLE", makeStory({{"Sam and the Kite"}, {"Sam runs."}}));
    f.state.workSettings.setZanStory("25sample");  // any letter case
    ASSERT_TRUE(f.reader().load());
    EXPECT_TRUE(f.state.sessionActivity);
    EXPECT_EQ(f.view.caption, "25 Sam and the Kite");
    EXPECT_EQ(f.made->page(), 1);
    EXPECT_EQ(f.view.pageText(), "Sam and the Kite");
    EXPECT_EQ(f.view.credits, "Story by Ruth Penrose\r\nPictures by Jo Marsh");
    EXPECT_TRUE(f.view.creditsSlot.visible);
    EXPECT_EQ(f.view.creditsSlot.rect, (TwipRect{3000, 5850, 4350, 660}));
    // The title is as wide as its text and centred on x = 5160.
    const int width = f.text.measure("Sam and the Kite", {"Arial", 24}).width;
    EXPECT_EQ(f.view.slots[1].rect, (TwipRect{5160 - width / 2, 4020, width, 630}));
    EXPECT_EQ(f.view.palettes, Names{f.dataPath("BMPS\\25sample\\25sample.DIB")});
    EXPECT_EQ(f.sounds,
              (Names{"Sentence: Close", "Sentence: Open " + f.dataPath("WAVS\\25sample\\SNT01.WAV"),
                     "Sentence: Play"}));
    EXPECT_TRUE(f.host.requestsSeen.empty());
    EXPECT_FALSE(std::filesystem::exists(f.app / "TEACHER.WQ"));  // no fallback was saved
    // Page 2 has no credits.
    f.made->cmdNextClick();
    EXPECT_FALSE(f.view.creditsSlot.visible);
}

TEST(ZanStart, MissingStoredStoryFallsBackToTheFirstNumbered17To32AndSavesIt) {
    struct Case {
        std::string stored;
        const char* why;
    };
    const Case cases[] = {
        {"27POND", "names no file"},
        {"", "is empty"},
        {"..\\DATA\\19MOON", "holds a path"},
        {"../19MOON", "holds a path"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        ReaderFixture f;
        f.tables = {{"01PIP", "|1,-1|"}, {"19MOON", "|1,-1|"}, {"25SAMPLE", "|1,-1|"}};
        f.addStory("01PIP", oneLineStory());
        f.addStory("19MOON", oneLineStory());
        f.addStory("25SAMPLE", oneLineStory());
        f.data.write("DATA/27POND.DAT", "");  // empty: counts as missing
        f.state.workSettings.setZanStory(c.stored);
        ASSERT_TRUE(f.reader().load());
        EXPECT_EQ(f.made->storyCode(), "19MOON");
        EXPECT_EQ(f.state.workSettings.zanStory(), "19MOON");
        EXPECT_EQ(f.state.fileSettings, f.state.workSettings);
        EXPECT_EQ(loadUserSettings(f.app.str(), "TEACHER.WQ")->zanStory(), "19MOON");
    }
}

// A story that would show blank pages (no phrase table) or end the program (no title) must not
// become the story every start opens: the fallback passes over it.
TEST(ZanStart, FallbackPassesOverStoriesWithoutATitleOrATable) {
    ReaderFixture f;
    f.tables = {{"17OURWLK", "|1,-1|"}, {"19MOON", "|1,-1|2,2|"}};
    f.addStory("17OURWLK", oneLineStory());  // a table, but no catalogue row names it
    f.addStory("18GOAT", oneLineStory());    // a title, but no table
    f.addStory("19MOON", oneLineStory());
    ASSERT_TRUE(f.reader().load());
    EXPECT_EQ(f.made->storyCode(), "19MOON");
    EXPECT_EQ(loadUserSettings(f.app.str(), "TEACHER.WQ")->zanStory(), "19MOON");
    EXPECT_TRUE(f.view.fatal.empty());

    // Once the teacher's row names it, the teacher's story is the first usable one.
    ReaderFixture g;
    g.tables = f.tables;
    g.addStory("17OURWLK", oneLineStory("Our Walk"));
    g.data.write("DATA/TITLES.TXT", "17ourwlk\t17 Our Walk\tClass 2\tby Class 2\r\n");
    ASSERT_TRUE(g.reader().load());
    EXPECT_EQ(g.made->storyCode(), "17OURWLK");
    EXPECT_EQ(g.view.caption, "17 Our Walk");
    EXPECT_EQ(g.view.credits, "Story by Class 2\r\nPictures by Class 2");
}

// Catalogue rows delivered in DATA\TITLES.TXT follow the built-in ones: they title a teacher's
// story, replace the built-in row of a code the teacher remade, and a damaged file changes
// nothing.
TEST(ZanStart, CatalogueRowsFromTheDataFolder) {
    struct Case {
        const char* titles;
        const char* code;
        const char* caption;
        const char* credits;
    };
    const Case cases[] = {
        {"21our\t21 Our Walk\t\t\n", "21OUR", "21 Our Walk", ""},
        {"21our\t21 Our Walk\tMia\t\n", "21OUR", "21 Our Walk", "Pictures by Mia"},
        {"# made by the teacher\r\n19moon\t19 Our Moon\tMia\tby Class 2\r\n", "19MOON",
         "19 Our Moon", "Story by Class 2\r\nPictures by Mia"},
        {"\x01\xff\tgarbage\n19moon\n", "19MOON", "19 Moon",
         "Story by Ruth Penrose\r\nPictures by Ada Lyle"},
        {"../x\t21 Bad\n", "19MOON", "19 Moon", "Story by Ruth Penrose\r\nPictures by Ada Lyle"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.titles);
        ReaderFixture f;
        f.tables = {{c.code, "|1,-1|"}};
        f.addStory(c.code, oneLineStory());
        f.data.write("DATA/TITLES.TXT", c.titles);
        f.state.workSettings.setZanStory(c.code);
        ASSERT_TRUE(f.reader().load());
        EXPECT_EQ(f.view.caption, c.caption);
        EXPECT_EQ(f.view.credits, c.credits);
    }
}

TEST(ZanStart, FallbackSavesToTheSignedInChildsFileInMode3) {
    ReaderFixture f;
    f.tables = {{"19MOON", "|1,-1|"}};
    f.addStory("19MOON", oneLineStory());
    f.state.global.setUserMode(3);
    f.state.userName = "Ann";
    ASSERT_TRUE(f.reader().load());
    EXPECT_EQ(loadUserSettings(f.app.str(), "ANN.WQ")->zanStory(), "19MOON");
    EXPECT_FALSE(std::filesystem::exists(f.app / "TEACHER.WQ"));
}

TEST(ZanStart, NoStoryAsksForTheDataAndKeepsTheStoredChoice) {
    ReaderFixture f;
    f.addStory("01PIP", oneLineStory());  // numbered below 17: never a fallback
    TempDir cd;
    f.addStory("27POND", oneLineStory(), &cd);
    f.state.workSettings.setZanStory("27POND");
    f.host.recovery = [&](std::string_view reason, AppState& s) {
        if (reason == "STARTUPYELLOW") {
            // The teacher's choice is not erased while the data is missing.
            EXPECT_EQ(s.workSettings.zanStory(), "27POND");
            EXPECT_FALSE(std::filesystem::exists(f.app / "TEACHER.WQ"));
            s.dataDir = cd.str();
            return RecoveryAnswer::TryAgain;
        }
        return RecoveryAnswer::KeepPermanently;
    };
    ASSERT_TRUE(f.reader().load());
    EXPECT_EQ(f.host.requestsSeen, (Names{"STARTUPYELLOW", "AGAIN"}));
    EXPECT_EQ(f.made->storyCode(), "27POND");
    EXPECT_EQ(f.state.global.dataDir(), cd.str());
    EXPECT_EQ(loadGlobalSettings(f.app.str())->dataDir(), cd.str());
    EXPECT_EQ(f.host.busyDepth, 0);
}

TEST(ZanStart, QuitInTheRecoveryDialogEndsTheReader) {
    ReaderFixture f;
    f.host.recovery = [](std::string_view, AppState&) { return RecoveryAnswer::Quit; };
    EXPECT_FALSE(f.reader().load());
    EXPECT_TRUE(f.made->ended());
    EXPECT_TRUE(f.view.fatal.empty());
    f.made->cmdNextClick();
    EXPECT_EQ(f.made->page(), 0);
}

TEST(ZanStart, StoryOutsideTheCatalogueIsBadstart) {
    ReaderFixture f;
    f.addStory("22ZIGZAG", oneLineStory());
    f.state.workSettings.setZanStory("22ZIGZAG");
    EXPECT_FALSE(f.reader().load());
    EXPECT_EQ(f.view.fatal, (std::vector<FatalError>{{"badstart", ""}}));
}

TEST(ZanStart, DamagedStoryFileIsItsDataFileError) {
    ReaderFixture f;
    f.data.write("DATA/19MOON.DAT", "NOT A STORY FILE.\r\n\"x\"\r\n");
    f.state.workSettings.setZanStory("19MOON");
    EXPECT_FALSE(f.reader().load());
    ASSERT_EQ(f.view.fatal.size(), 1u);
    EXPECT_EQ(f.view.fatal[0].type, "badfile");
}

TEST(ZanOpen, ChosenFileIsReadFromItsNameUpToTheFirstDot) {
    for (const std::string chosen : {"25SAMPLE.DAT", "25SAMPLE", "25sample.dat.old"}) {
        ReaderFixture f;
        f.addStory("19MOON", oneLineStory());
        f.addStory("25SAMPLE", makeStory({{"Sam"}, {"Sam"}, {"Sam"}}));
        f.state.workSettings.setZanStory("19MOON");
        ASSERT_TRUE(f.reader().load());
        f.made->cmdNextClick();
        ASSERT_TRUE(f.made->openStory(chosen)) << chosen;
        EXPECT_EQ(f.made->page(), 1);
        EXPECT_EQ(f.made->story().pageCount, 3);
        EXPECT_EQ(f.view.caption, "25 Sam and the Kite");
        EXPECT_EQ(f.host.busyDepth, 0);
    }
}

TEST(ZanOpen, NotAllowedWhenOtherStoriesAreLocked) {
    ReaderFixture f;
    f.addStory("19MOON", oneLineStory());
    f.addStory("25SAMPLE", oneLineStory());
    f.state.workSettings.setZanStory("19MOON");
    f.state.workSettings.setZanOptions(1);
    ASSERT_TRUE(f.reader().load());
    EXPECT_FALSE(f.made->openStory("25SAMPLE.DAT"));
    EXPECT_EQ(f.made->storyCode(), "19MOON");
}

// The quotation marks follow the font the story is shown in, the same for every story of a run:
// curly in Arial (also when no font is set), plain in any other font.
TEST(ZanFont, QuoteMarksFollowTheStoryFontForEveryStoryOfARun) {
    struct Case {
        const char* font;
        std::string marks;
    };
    const Case cases[] = {{"", "\x93Hi!\x94"}, {"arial", "\x93Hi!\x94"}, {"Comic", "\"Hi!\""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.font);
        ReaderFixture f;
        f.tables = {{"19MOON", "|1,-1|"}, {"25SAMPLE", "|1,-1|"}};
        f.addStory("19MOON", makeStory({{"@Hi!@"}}));
        f.addStory("25SAMPLE", makeStory({{"@Hi!@"}}));
        f.state.workSettings.setZanStory("19MOON");
        f.state.workSettings.setStoryFont(c.font);
        f.state.workSettings.setStoryBold(-1);
        ASSERT_TRUE(f.reader().load());
        EXPECT_EQ(f.view.pageText(), c.marks);
        ASSERT_TRUE(f.made->openStory("25SAMPLE.DAT"));
        EXPECT_EQ(f.view.pageText(), c.marks);
        EXPECT_EQ(f.view.textFont.family, *c.font ? c.font : "Arial");
        EXPECT_TRUE(f.view.textFont.bold);
        f.made->resize(4800, 3315);  // a new layout changes no slot's font
        EXPECT_EQ(f.view.textFont.family, *c.font ? c.font : "Arial");
    }
}

TEST(ZanFont, SizeIsFittedToTheTitleLineAndScaledOnThePage) {
    struct Case {
        int16_t fontSize;
        int16_t lineHeight;
        int fitted;
    };
    // FakeTextMeasure: "Ty" is 24 twips high per point.
    const Case cases[] = {{24, 630, 24}, {30, 630, 26}, {0, 630, 24}, {-5, 480, 20}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fontSize);
        ReaderFixture f;
        Story story = makeStory({{"Moon"}}, c.fontSize);
        story.pages[0].texts[0].lineHeight = c.lineHeight;
        f.addStory("19MOON", story);
        f.state.workSettings.setZanStory("19MOON");
        ASSERT_TRUE(f.reader({4800, 3315}).load());
        EXPECT_EQ(f.view.textFont.pointSize, c.fitted);
        EXPECT_EQ(f.view.slots[1].points, c.fitted * 0.5);
    }
}

TEST(ZanFont, StoryWithoutTextSlotsShowsItsPicturesAndEndsEachPage) {
    ReaderFixture f;
    f.tables = {{"19MOON", "|1,-1|2,2|"}};
    Story story = makeStory({{}, {}}, 0);
    f.addStory("19MOON", story);
    f.state.workSettings.setZanStory("19MOON");
    ASSERT_TRUE(f.reader().load());
    EXPECT_EQ(f.view.textSlots, 0);
    EXPECT_TRUE(f.view.pictures[1].visible);
    EXPECT_TRUE(f.view.button(ZanButton::Next));
    f.made->cmdNextClick();
    EXPECT_TRUE(f.view.button(ZanButton::Restart));
}

TEST(ZanPictures, NaturalSizeAtScaleOneElseStretchedAndCentredOnPageOne) {
    struct Case {
        ReaderDisplay display;
        bool stretch;
        TwipRect rect;
    };
    const Case cases[] = {
        {{9650, 6600, 15}, false, {900, 150, 0, 0}},
        {{9600, 6630, 12}, true, {900, 150, 6300, 3750}},
        // scaleX 1, scale 0.5: the half-size picture moves right by (0.5 x 6300) / 2.
        {{9600, 3315, 15}, true, {900 + 1575, 75, 3150, 1875}},
    };
    for (const auto& c : cases) {
        ReaderFixture f;
        f.addStory("19MOON", oneLineStory());
        f.state.workSettings.setZanStory("19MOON");
        ASSERT_TRUE(f.reader(c.display).load());
        EXPECT_EQ(f.view.pictures[1].stretch, c.stretch);
        EXPECT_EQ(f.view.pictures[1].rect, c.rect);
        EXPECT_EQ(f.view.pictures[1].source, f.dataPath("BMPS\\19MOON\\PIC1.BMP"));
    }
}

TEST(ZanPictures, NextPictureIsPreloadedOnlyOnDisplaysOf256Colours) {
    for (int depth : {8, 24}) {
        ReaderFixture f;
        f.addStory("19MOON", makeStory({{"Moon"}, {"Moon"}, {"Moon"}}));
        f.state.workSettings.setZanStory("19MOON");
        ASSERT_TRUE(f.reader({9600, 6630, 15, depth}).load());
        f.made->cmdNextClick();
        if (depth == 8) {
            EXPECT_EQ(f.view.preloads, (Names{f.dataPath("BMPS\\19MOON\\PIC2.BMP"),
                                              f.dataPath("BMPS\\19MOON\\PIC3.BMP")}));
            EXPECT_EQ(f.view.pictures[1].source, "(preloaded)");
            EXPECT_EQ(f.view.pictureLoads.size(), 1u);
        } else {
            EXPECT_TRUE(f.view.preloads.empty());
            EXPECT_EQ(f.view.pictures[1].source, f.dataPath("BMPS\\19MOON\\PIC2.BMP"));
        }
    }
}

TEST(ZanPictures, FailedPreloadLeavesNoPictureHeldForALaterPage) {
    ReaderFixture f;
    // Page 2 takes the preloaded PIC2; its own preload of PIC3 fails; page 3 shows PIC2 again.
    Story story = makeStory({{"Moon"}, {"Moon"}, {"Moon"}});
    story.pages[2].pictures[0].name = "PIC2";
    f.addStory("19MOON", story);
    f.data.write("BMPS/19MOON/PIC3.BMP", "not a bitmap");
    f.view.unloadable.insert(f.dataPath("BMPS\\19MOON\\PIC3.BMP"));
    f.state.workSettings.setZanStory("19MOON");
    ASSERT_TRUE(f.reader({9600, 6630, 15, 8}).load());
    f.made->cmdNextClick();
    EXPECT_EQ(f.view.pictures[1].source, "(preloaded)");
    EXPECT_EQ(f.made->preloadedPicture(), "");
    f.made->cmdNextClick();
    EXPECT_EQ(f.view.pictures[1].source, f.dataPath("BMPS\\19MOON\\PIC2.BMP"));
}

TEST(ZanPictures, NamesLeadingOutOfTheDataDirectoryAreNeverRead) {
    ReaderFixture f;
    Story story = makeStory({{"Moon"}, {"Moon"}});
    story.pages[0].nextPicture = "..\\..\\..\\secret";
    story.pages[1].pictures[0].name = "..\\..\\..\\secret";
    f.addStory("19MOON", story);
    f.state.workSettings.setZanStory("19MOON");
    ASSERT_TRUE(f.reader({9600, 6630, 15, 8}).load());
    EXPECT_TRUE(f.view.preloads.empty());  // silently not preloaded
    f.made->cmdNextClick();
    ASSERT_EQ(f.view.fatal.size(), 1u);  // a page picture that cannot be loaded
    EXPECT_EQ(f.view.fatal[0].type, "file");
    EXPECT_TRUE(f.host.requestsSeen.empty());
    EXPECT_EQ(f.view.pictureLoads.size(), 1u);
}

TEST(ZanPictures, PictureFoundButUnreadableIsTheFileError) {
    ReaderFixture f;
    f.addStory("19MOON", oneLineStory());
    f.view.unloadable.insert(f.dataPath("BMPS\\19MOON\\PIC1.BMP"));
    f.state.workSettings.setZanStory("19MOON");
    EXPECT_FALSE(f.reader().load());
    EXPECT_EQ(f.view.fatal,
              (std::vector<FatalError>{{"file", f.dataPath("BMPS\\19MOON\\PIC1.BMP")}}));
}

TEST(ZanPictures, MissingPictureOrPaletteAsksForTheDataLocation) {
    for (const char* missing : {"BMPS/19MOON/19MOON.DIB", "BMPS/19MOON/PIC1.BMP"}) {
        ReaderFixture f;
        f.addStory("19MOON", oneLineStory());
        std::filesystem::remove(f.data / missing);
        f.host.recovery = [&](std::string_view, AppState&) {
            f.data.write(missing, "x");
            return RecoveryAnswer::TryAgain;
        };
        f.state.workSettings.setZanStory("19MOON");
        ASSERT_TRUE(f.reader().load());
        ASSERT_EQ(f.host.requestsSeen.size(), 1u);
        EXPECT_TRUE(f.view.pictures[1].visible);
    }
}

}  // namespace
}  // namespace kz::test
