// The question cycle and the frog reward, on a virtual clock.
#include <gtest/gtest.h>

#include <algorithm>

#include "kiv_rig.h"

namespace kz::test {
namespace {

const std::vector<std::string> kFive = {"cat", "dog", "pig", "hen", "fox"};

// Counts the numbers drawn, always giving the same one.
class CountingRandom final : public Random {
public:
    double next() override {
        ++count;
        return 0.1;
    }
    int count = 0;
};

TEST(KivCycle, ACompleteSetOfTen) {
    KivRig rig;
    rig.start(kFive, kivOptions(3, 1, 20, 10));
    EXPECT_EQ(rig.view.padCount, 10);
    EXPECT_EQ(rig.view.pads[0], PadPicture::Sitting);
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(rig.view.pads[i], PadPicture::Empty);
    for (int q = 1; q <= 10; ++q) {
        ASSERT_TRUE(rig.activity.questionOpen()) << q;
        EXPECT_FALSE(rig.view.buttons[KivButton::Next]);
        rig.answerRight();
        EXPECT_EQ(rig.activity.frogPad(), q);
    }
    EXPECT_TRUE(rig.activity.setComplete());
    EXPECT_FALSE(rig.activity.questionOpen());
    EXPECT_EQ(rig.view.pads[10], PadPicture::Winning);
    EXPECT_TRUE(rig.view.buttons[KivButton::Next]);
    EXPECT_EQ(rig.view.focus, "cmdNext");
    const std::string last = rig.activity.currentWord();
    rig.timers.advance(60000);  // nothing more happens until Next
    EXPECT_EQ(rig.activity.currentWord(), last);
    EXPECT_EQ(rig.timers.activeCount(), 0);

    rig.random.push(pick(5, 5));
    rig.activity.next();
    EXPECT_FALSE(rig.view.buttons[KivButton::Next]);
    EXPECT_EQ(rig.activity.frogPad(), 0);
    EXPECT_EQ(rig.view.pads[0], PadPicture::Sitting);
    EXPECT_EQ(rig.view.pads[10], PadPicture::Empty);
    EXPECT_TRUE(rig.activity.questionOpen());
}

TEST(KivCycle, OnePadMeansNoFrogsAndNoEnd) {
    KivRig rig;
    rig.start(kFive, kivOptions(3, 1, 20, 1));
    EXPECT_EQ(rig.view.padCount, 1);
    for (int q = 1; q <= 15; ++q) {
        rig.type(rig.activity.currentWord());
        EXPECT_FALSE(rig.activity.questionOpen());
        rig.timers.advance(500);
        EXPECT_TRUE(rig.activity.pausing());
        rig.timers.advance(1299);
        EXPECT_FALSE(rig.activity.questionOpen());
        rig.timers.advance(1);
        EXPECT_TRUE(rig.activity.questionOpen()) << q;
    }
    EXPECT_TRUE(rig.view.padChanges.empty());
    EXPECT_EQ(rig.view.frogJumpFrom, -1);
    EXPECT_FALSE(rig.view.buttons[KivButton::Next]);
}

TEST(KivCycle, TheLastWordsAreNotAskedAgainSoonAndFourWordsKeepComing) {
    KivRig rig;
    // Each draw of a word among the last four asked is thrown away.
    for (int last = 1; last <= 5; ++last)
        for (int pos = 1; pos <= last; ++pos) rig.random.push(pick(pos, 5));
    for (int pos = 5; pos >= 1; --pos) rig.random.push(pick(pos, 5));
    rig.start(kFive, kivOptions(3, 1, 20, 10), pick(1, 5));
    std::vector<std::string> asked = {rig.activity.currentWord()};
    for (int q = 0; q < 5; ++q) {
        rig.answerRight();
        asked.push_back(rig.activity.currentWord());
    }
    EXPECT_EQ(asked, (std::vector<std::string>{"cat", "dog", "pig", "hen", "fox", "cat"}));

    // With 4 words all among the last four, the 101st draw is taken whatever it is.
    KivRig four;
    CountingRandom counting;
    ProgramPorts ports{four.timers, four.word,  four.click, four.text,
                       counting,    four.clock, four.host};
    WordActivity activity(four.state, ports, four.view);
    four.writeList("0001TO24", {"cat", "dog", "pig", "hen"});
    four.state.workSettings.setKivOptions(kivOptions(3, 1, 20, 1));
    activity.open({});
    EXPECT_EQ(counting.count, 1);
    activity.answerTextChanged(activity.currentWord());
    four.timers.advance(1800);
    EXPECT_EQ(counting.count, 1 + 101);
    EXPECT_EQ(activity.currentWord(), "cat");
}

TEST(KivCycle, TheShowTimeSeeAndTheStyles) {
    KivRig rig;
    rig.start(kFive, kivOptions(3, 1, 10, 10));
    EXPECT_TRUE(rig.view.wordVisible);
    EXPECT_TRUE(rig.view.buttons[KivButton::See]);
    EXPECT_TRUE(rig.view.buttons[KivButton::Hear]);
    rig.timers.advance(1000);
    EXPECT_FALSE(rig.view.wordVisible);
    rig.timers.advance(5000);
    rig.activity.see();  // shown again for a full show time
    EXPECT_TRUE(rig.view.wordVisible);
    rig.timers.advance(999);
    EXPECT_TRUE(rig.view.wordVisible);
    rig.timers.advance(1);
    EXPECT_FALSE(rig.view.wordVisible);

    rig.activity.chooseShowTime(0);  // "Always": the word stays, no See
    EXPECT_TRUE(rig.view.wordVisible);
    EXPECT_FALSE(rig.view.buttons[KivButton::See]);
    rig.timers.advance(10000);
    EXPECT_TRUE(rig.view.wordVisible);

    rig.activity.chooseQuestionStyle(1);  // "Just speak": hidden, no See, time menu off
    EXPECT_FALSE(rig.view.wordVisible);
    EXPECT_FALSE(rig.view.buttons[KivButton::See]);
    EXPECT_FALSE(rig.view.menus.timeEnabled);
    rig.type(rig.activity.currentWord());
    EXPECT_TRUE(rig.view.wordVisible);  // shown after the right answer all the same

    rig.timers.advance(1800);
    rig.activity.chooseQuestionStyle(2);  // "Just show": silent, time menu on again
    EXPECT_TRUE(rig.view.menus.timeEnabled);
    EXPECT_FALSE(rig.view.buttons[KivButton::Hear]);
    rig.journal.clear();
    rig.activity.chooseQuestionStyle(2);  // the style in force: no new word
    EXPECT_TRUE(rig.journal.empty());
}

TEST(KivCycle, ChoosingAlwaysWhileTheWordIsTimedKeepsItShown) {
    KivRig rig;
    rig.start(kFive, kivOptions(3, 1, 40, 10));
    rig.timers.advance(1000);
    rig.activity.chooseShowTime(0);  // the old show time must not hide the new word
    rig.timers.advance(10000);
    EXPECT_TRUE(rig.view.wordVisible);
}

TEST(KivCycle, ARightAnswerStopsTheShowTime) {
    KivRig rig;
    rig.start(kFive, kivOptions(2, 1, 5, 10));
    rig.type(rig.activity.currentWord());
    rig.timers.advance(499);
    EXPECT_TRUE(rig.view.wordVisible);
}

TEST(KivCycle, TheNextWordWaitsForThePreviousSoundAndIsAskedOnce) {
    KivRig rig;
    rig.dir.write("data/WAVS/WDS/DOG.WAV", "x");
    rig.start(kFive, kivOptions(3, 4, 20, 10), pick(1, 5));
    rig.word.setPlayingReads(3);  // the sound of the right answer plays on a little
    const int right = [&] {
        for (int j = 1; j <= 4; ++j)
            if (rig.view.choices[j].text == "cat") return j;
        return 0;
    }();
    rig.activity.choiceClicked(right);
    rig.random.push(pick(2, 5));
    rig.timers.advance(1800);
    EXPECT_EQ(rig.activity.currentWord(), "dog");
    EXPECT_FALSE(rig.activity.questionOpen());  // waiting: nothing is judged yet
    rig.journal.clear();
    for (int j = 1; j <= 4; ++j) rig.activity.choiceClicked(j);
    EXPECT_TRUE(rig.journal.empty());

    rig.random.push(pick(3, 5));
    rig.activity.chooseAnswerStyle(2);  // a second request replaces the first
    rig.timers.advance(200);
    EXPECT_TRUE(rig.activity.questionOpen());
    EXPECT_EQ(rig.activity.currentWord(), "pig");
    EXPECT_EQ(std::count_if(rig.journal.begin(), rig.journal.end(),
                            [](const std::string& e) { return e.starts_with("MM_word: Open"); }),
              1);
}

TEST(KivCycle, MenusAfterTheSetIsCompleteOnlyChangeTheChecks) {
    KivRig rig;
    rig.start(kFive, kivOptions(3, 1, 20, 2));
    rig.answerRight();
    rig.answerRight();
    ASSERT_TRUE(rig.activity.setComplete());
    rig.journal.clear();
    rig.activity.chooseAnswerStyle(3);
    rig.activity.chooseQuestionStyle(1);
    rig.activity.chooseShowTime(4000);
    EXPECT_EQ(rig.view.menus.answerStyle, 3);
    EXPECT_EQ(rig.view.menus.questionStyle, 1);
    EXPECT_EQ(rig.view.menus.showTimeMs, 4000);
    EXPECT_TRUE(rig.journal.empty());
    EXPECT_FALSE(rig.activity.questionOpen());
    rig.activity.next();
    EXPECT_EQ(rig.view.visibleChoices().size(), 3u);
}

TEST(KivCycle, AMenuChangeDuringTheJumpLeavesTheNextWordToTheLanding) {
    KivRig rig;
    rig.start(kFive, kivOptions(3, 1, 20, 10), pick(1, 5));
    rig.type("cat");
    rig.random.push(pick(2, 5));
    rig.activity.chooseAnswerStyle(4);
    EXPECT_EQ(rig.view.menus.answerStyle, 4);
    EXPECT_EQ(rig.activity.currentWord(), "cat");  // still jumping
    rig.timers.advance(500 + 1300);
    EXPECT_EQ(rig.activity.currentWord(), "dog");
    EXPECT_EQ(rig.view.visibleChoices().size(), 4u);
}

TEST(KivCycle, OptionsBecomeTheActivityAndItsMenus) {
    struct Row {
        int32_t options;
        KivMenus menus;
        int padCount;
    };
    const Row rows[] = {
        {0, {3, 2000, 4, true, true, true, true}, 10},
        {kivOptions(1, 1, 7, 1), {1, 2000, 1, true, true, true, true}, 1},  // odd time code
        {kivOptions(2, 0, 50, 0) + 4, {2, 0, 4, true, false, false, true}, 10},
        {kivOptions(0, 7, 63, 3) + 8, {3, 2000, 4, false, true, true, true}, 3},
    };
    for (const Row& r : rows) {
        KivRig rig;
        rig.start(kFive, r.options);
        EXPECT_EQ(rig.view.menus, r.menus) << r.options;
        EXPECT_EQ(rig.view.padCount, r.padCount) << r.options;
        EXPECT_EQ(rig.activity.showTime(), r.menus.showTimeMs);
        EXPECT_TRUE(rig.activity.questionOpen());
    }
}

}  // namespace
}  // namespace kz::test
