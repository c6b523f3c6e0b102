// The reader at work: phrases clicked word by word, the flash of a wrong word, the options that
// silence sounds or hide buttons, the navigation buttons from page to page, and a resize that
// keeps the page as it is.
#include <gtest/gtest.h>

#include "zan_fixture.h"

namespace kz::test {
namespace {

using Entries = std::vector<std::string>;

// A reader on a three-page story (a title page, then phrases to click) at its first page.
struct Reading : ReaderFixture {
    explicit Reading(int32_t options = 0,
                     std::vector<std::vector<std::string>> pages = {{"Moon"},
                                                                    {"the cat saw the dog"},
                                                                    {"Dad, look at the moon!"}},
                     std::string table = "|1,-1|2,5|3,2,5|") {
        tables = {{"19MOON", table}};
        addStory("19MOON", makeStory(pages));
        for (const char* stem : {"THE", "CAT", "SAW", "DOG", "DAD", "LOOK", "AT", "MOON"})
            addWordSound(stem);
        state.workSettings.setZanStory("19MOON");
        state.workSettings.setZanOptions(options);
        ok = reader().load();
    }
    StoryReader& r() { return *made; }
    bool ok = false;
};

TEST(ZanWords, RepeatedWordEitherEntryIsAcceptedAndTheOneClickedIsEmptied) {
    Reading f;
    ASSERT_TRUE(f.ok);
    f.r().cmdNextClick();
    ASSERT_EQ(f.view.entries, (Entries{"the", "cat", "saw", "the", "dog"}));
    // The second "the" is taken for word 1; the first stays and is now a wrong word.
    EXPECT_EQ(f.r().wordlistMouseDown(3), WordClick::Right);
    EXPECT_EQ(f.view.entries, (Entries{"the", "cat", "saw", "", "dog"}));
    EXPECT_EQ(f.view.pageText(), "the ");
    EXPECT_EQ(f.r().wordlistMouseDown(0), WordClick::Wrong);
    EXPECT_EQ(f.click("cat"), WordClick::Right);
    EXPECT_EQ(f.click("saw"), WordClick::Right);
    EXPECT_EQ(f.r().wordlistMouseDown(0), WordClick::Right);
    EXPECT_EQ(f.view.pageText(), "the cat saw the ");
}

TEST(ZanWords, PunctuationStaysInTheListButNotInTheSoundName) {
    Reading f;
    f.r().cmdNextClick();
    f.readPage();
    f.r().cmdNextClick();
    ASSERT_EQ(f.view.entries, (Entries{"Dad,", "look"}));
    f.sounds.clear();
    EXPECT_EQ(f.click("Dad,"), WordClick::Right);
    EXPECT_EQ(f.sounds, (Entries{"Word: Close", "Word: Open " + f.dataPath("WAVS\\WDS\\DAD.WAV"),
                                 "Word: Play"}));
    f.click("look");
    ASSERT_EQ(f.view.entries, (Entries{"at", "the", "moon!"}));
    f.sounds.clear();
    f.click("at");
    f.click("the");
    f.click("moon!");
    EXPECT_EQ(f.sounds.back(), "Word: Play");
    EXPECT_EQ(f.view.pageText(), "Dad, look at the moon!");
}

TEST(ZanWords, EmptiedEntryOnlyLosesItsSelectionAndNothingSelectedDoesNothing) {
    Reading f;
    f.r().cmdNextClick();
    f.click("the");
    f.sounds.clear();
    EXPECT_EQ(f.r().wordlistMouseDown(0), WordClick::Deselected);
    EXPECT_EQ(f.view.selectionCleared, 1);
    EXPECT_EQ(f.r().wordlistMouseDown(std::nullopt), WordClick::None);
    EXPECT_EQ(f.r().wordlistMouseDown(9), WordClick::None);
    EXPECT_TRUE(f.sounds.empty());
    EXPECT_EQ(f.r().expectedWord(), "cat");
    EXPECT_FALSE(f.view.flashRed);
}

TEST(ZanWords, WrongWordClicksAndFlashesRedFor300Milliseconds) {
    Reading f;
    f.r().cmdNextClick();
    f.sounds.clear();
    EXPECT_EQ(f.click("dog"), WordClick::Wrong);
    EXPECT_EQ(f.sounds, (Entries{"Word: Close", "Word: Open " + f.dataPath("WAVS\\CLICK.WAV"),
                                 "Word: Play"}));
    EXPECT_TRUE(f.view.flashRed);
    f.timers.advance(200);
    f.click("saw");  // a second wrong click starts the 300 ms again
    f.timers.advance(200);
    EXPECT_TRUE(f.view.flashRed);
    f.timers.advance(100);
    EXPECT_FALSE(f.view.flashRed);
    EXPECT_EQ(f.timers.activeCount(), 0);
    EXPECT_EQ(f.view.entries, (Entries{"the", "cat", "saw", "the", "dog"}));
    EXPECT_EQ(f.view.pageText(), "");
}

TEST(ZanWords, WordWithoutRecordingIsSilentAndReadingGoesOn) {
    Reading f(0, {{"Moon"}, {"the zebra ran"}}, "|1,-1|2,3|");
    f.r().cmdNextClick();
    f.click("the");
    f.sounds.clear();
    EXPECT_EQ(f.click("zebra"), WordClick::Right);
    EXPECT_EQ(f.sounds, (Entries{"Word: Close", "Word: Open ", "Word: Play"}));
    EXPECT_EQ(f.r().expectedWord(), "ran");
}

TEST(ZanWords, MissingClickSoundAsksForTheDataLocation) {
    Reading f;
    f.r().cmdNextClick();
    std::filesystem::remove(f.data / "WAVS/CLICK.WAV");
    f.host.recovery = [&](std::string_view, AppState&) {
        f.data.write("WAVS/CLICK.WAV", "click");
        return RecoveryAnswer::TryAgain;
    };
    f.click("dog");
    EXPECT_EQ(f.host.requestsSeen, (Entries{"WAVS\\CLICK.WAV"}));
    EXPECT_EQ(f.word.fileName(), f.dataPath("WAVS\\CLICK.WAV"));
}

TEST(ZanOptions, EachBitSwitchesItsChoiceOff) {
    const std::string recording = "Sentence: Open ";
    for (int32_t options : {0, 1, 2, 4, 8, 15}) {
        SCOPED_TRACE(options);
        Reading f(options);
        ASSERT_TRUE(f.ok);
        // Bit 3: the page recording is opened, not started.
        const bool played = f.sounds.size() == 3 && f.sounds[2] == "Sentence: Play";
        EXPECT_EQ(played, (options & 8) == 0);
        EXPECT_EQ(f.sounds[1].rfind(recording, 0), 0u);
        // Bit 2: no Hear button.
        EXPECT_EQ(f.view.button(ZanButton::Hear), (options & 4) == 0);
        // Bit 0: no File > Open, and Book is never shown, not even on the first or last page.
        EXPECT_EQ(f.view.openEnabled, (options & 1) == 0);
        EXPECT_EQ(f.r().canOpenStories(), (options & 1) == 0);
        EXPECT_EQ(f.view.button(ZanButton::Book), (options & 1) == 0);
        f.r().cmdNextClick();
        f.r().cmdRestartClick();  // hidden while a phrase is listed: nothing happens
        EXPECT_EQ(f.r().page(), 2);
        f.readPage();
        f.r().cmdNextClick();
        f.readPage();
        EXPECT_EQ(f.view.button(ZanButton::Book), (options & 1) == 0);
        // Bit 1: right words are silent; a wrong one still clicks.
        f.r().cmdRestartClick();
        f.r().cmdNextClick();
        f.sounds.clear();
        f.click("the");
        f.click("dog");
        EXPECT_EQ(f.sounds.size(), (options & 2) ? 3u : 6u);
        EXPECT_EQ(f.sounds.back(), "Word: Play");
        EXPECT_EQ(f.sounds[1], "Word: Open " + f.dataPath(options & 2 ? "WAVS\\CLICK.WAV"
                                                                      : "WAVS\\WDS\\THE.WAV"));
    }
}

TEST(ZanOptions, HearPlaysThePageAgainFromItsStart) {
    Reading f;
    f.sounds.clear();
    f.r().cmdHearClick();
    EXPECT_EQ(f.sounds, (Entries{"Sentence: Prev", "Sentence: Play"}));
    Reading off(4);
    off.sounds.clear();
    off.r().cmdHearClick();
    EXPECT_TRUE(off.sounds.empty());
}

// Which of Back, Next, Start, Book are shown: "B" Back, "N" Next, "S" Start, "K" Book.
std::string navigation(const FakeZanView& view) {
    std::string shown;
    if (view.button(ZanButton::Back)) shown += "B";
    if (view.button(ZanButton::Next)) shown += "N";
    if (view.button(ZanButton::Restart)) shown += "S";
    if (view.button(ZanButton::Book)) shown += "K";
    return shown;
}

TEST(ZanNavigation, ButtonsFollowThePageFromFirstToLastAndBack) {
    Reading f;
    // Page 1 ends at once (its title shows by itself): Next and Book.
    EXPECT_EQ(navigation(f.view), "NK");
    EXPECT_EQ(f.view.focus, ZanButton::Next);
    f.r().cmdNextClick();
    EXPECT_EQ(f.r().page(), 2);
    EXPECT_EQ(navigation(f.view), "");  // a phrase is listed; Book went with Next
    EXPECT_TRUE(f.view.button(ZanButton::Hear));
    f.readPage();
    EXPECT_EQ(navigation(f.view), "BN");
    f.r().cmdNextClick();
    f.readPage();
    EXPECT_EQ(f.r().page(), 3);
    EXPECT_EQ(navigation(f.view), "BSK");
    EXPECT_EQ(f.view.focus, ZanButton::Restart);
    f.r().cmdNextClick();  // Next is hidden on the last page
    EXPECT_EQ(f.r().page(), 3);
    f.r().cmdBackClick();
    EXPECT_EQ(f.r().page(), 2);
    EXPECT_EQ(navigation(f.view), "");
    f.readPage();
    f.r().cmdBackClick();
    EXPECT_EQ(f.r().page(), 1);
    EXPECT_EQ(navigation(f.view), "NK");
    f.r().cmdBackClick();  // Back is hidden on page 1
    EXPECT_EQ(f.r().page(), 1);
}

TEST(ZanNavigation, StartKeepsBookAndShowsPageOneFromItsStart) {
    Reading f(0, {{"one two three"}, {"four five"}}, "|1,3|2,2|");
    EXPECT_EQ(navigation(f.view), "K");  // page 1's phrase is listed; Book stays from the start
    f.readPage();
    f.r().cmdNextClick();
    f.readPage();
    EXPECT_EQ(navigation(f.view), "BSK");
    f.sounds.clear();
    f.r().cmdRestartClick();
    EXPECT_EQ(f.r().page(), 1);
    EXPECT_EQ(navigation(f.view), "K");
    EXPECT_EQ(f.view.pageText(), "");
    EXPECT_EQ(f.view.entries, (Entries{"one", "two", "three"}));
    EXPECT_EQ(f.sounds[1], "Sentence: Open " + f.dataPath("WAVS\\19MOON\\SNT01.WAV"));
}

TEST(ZanNavigation, OnePageStoryEndsWithStartAndBook) {
    for (int32_t options : {0, 1}) {
        Reading f(options, {{"hop and skip"}}, "|1,3|");
        EXPECT_EQ(f.view.listVisible, true);
        f.readPage();
        EXPECT_FALSE(f.view.listVisible);
        EXPECT_EQ(navigation(f.view), options ? "S" : "SK");
        EXPECT_EQ(f.view.pageText(), "hop and skip");
    }
}

TEST(ZanNavigation, PageRecordingIsNamedByTwoDigits) {
    std::vector<std::vector<std::string>> pages(12, {"Moon"});
    Reading f(0, pages, "");
    for (int p = 2; p <= 12; ++p) f.r().cmdNextClick();
    EXPECT_EQ(f.r().page(), 12);
    EXPECT_EQ(f.page.fileName(), f.dataPath("WAVS\\19MOON\\SNT12.WAV"));
}

TEST(ZanResize, MidPhraseKeepsTextListAndRecording) {
    Reading f;
    f.r().cmdNextClick();
    f.click("the");
    f.click("cat");
    const Entries listed = f.view.entries;
    const std::string shown = f.view.pageText();
    const WordListLayout before = f.view.wordList;
    f.sounds.clear();
    f.r().resize(4800, 3315);
    EXPECT_EQ(f.r().scale().scale, 0.5f);
    EXPECT_TRUE(f.sounds.empty());
    EXPECT_EQ(f.view.entries, listed);
    EXPECT_EQ(f.view.pageText(), shown);
    EXPECT_TRUE(f.view.listVisible);
    EXPECT_EQ(f.view.wordList.pointSize, 12);
    EXPECT_LT(f.view.wordList.rect.width, before.rect.width);
    EXPECT_EQ(f.view.slots[1].rect, (TwipRect{450, 2010, 4250, 315}));
    EXPECT_FALSE(f.view.controls.bigImages);
    EXPECT_EQ(f.click("saw"), WordClick::Right);
    EXPECT_EQ(f.view.pageText(), "the cat saw ");
}

TEST(ZanPhrases, BreaksAndCapacityBeyondThePageEndItCleanly) {
    // A break past the page's five words, and a page with more words than the story's capacity.
    Reading f(0, {{"Moon"}, {"a b c d e"}}, "|1,-1|2,3,9|");
    f.r().cmdNextClick();
    f.readPage();
    EXPECT_EQ(f.view.pageText(), "a b c d e");
    EXPECT_EQ(navigation(f.view), "BSK");

    ReaderFixture g;
    g.tables = {{"19MOON", "|1,2,6|"}};
    Story story = makeStory({{"one two three four five six"}});
    story.wordCapacity = 4;
    g.addStory("19MOON", story);
    g.state.workSettings.setZanStory("19MOON");
    ASSERT_TRUE(g.reader().load());
    g.readPage();
    EXPECT_EQ(g.view.pageText(), "one two three four ");
    EXPECT_EQ(navigation(g.view), "SK");
}

}  // namespace
}  // namespace kz::test
