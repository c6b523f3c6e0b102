// The typed answer, played through the activity as the child types.
#include <gtest/gtest.h>

#include "kiv/typed_answer.h"
#include "kiv_rig.h"

namespace kz::test {
namespace {

constexpr int32_t kTyped = kivOptions(3, 1, 20, 10);

TEST(KivTyping, TheWordsCaseIsCopiedAndTomIsRight) {
    KivRig rig;
    rig.start({"Tom", "cat", "dog", "pig"}, kTyped, pick(1, 4));
    ASSERT_EQ(rig.activity.currentWord(), "Tom");
    EXPECT_EQ(rig.view.focus, "txt");
    std::vector<std::string> shown;
    for (char k : std::string("tom")) {
        rig.type(std::string(1, k));
        shown.push_back(rig.view.answerText);
        EXPECT_EQ(rig.view.answerColour, TextColour::Black);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"T", "To", "Tom"}));
    EXPECT_FALSE(rig.activity.questionOpen());
    EXPECT_EQ(rig.view.frogJumpFrom, 0);  // right at the first try: the frog jumps
    EXPECT_EQ(rig.view.focus, "cmdNext");
    rig.timers.advance(500);
    EXPECT_EQ(rig.view.frogJumpFrom, -1);
    EXPECT_EQ(rig.view.pads[1], PadPicture::Sitting);
    EXPECT_EQ(rig.view.pads[0], PadPicture::Empty);
}

TEST(KivTyping, AWrongLetterTurnsRedAndIsCorrectedAndTheFrogMisses) {
    KivRig rig;
    rig.start({"cat", "dog", "pig", "hen"}, kTyped, pick(1, 4));
    rig.journal.clear();
    rig.type("cx");
    EXPECT_EQ(rig.view.answerText, "cx");
    EXPECT_EQ(rig.view.answerColour, TextColour::Red);
    EXPECT_EQ(rig.journal, (std::vector<std::string>{"MM_No: Prev", "MM_No: Play"}));
    EXPECT_EQ(rig.view.pads[0], PadPicture::Missed);
    EXPECT_TRUE(rig.activity.questionOpen());

    rig.timers.advance(599);
    EXPECT_EQ(rig.view.answerText, "cx");
    rig.timers.advance(1);
    EXPECT_EQ(rig.view.answerText, "c");
    EXPECT_EQ(rig.view.answerColour, TextColour::Black);

    rig.type("at");
    EXPECT_FALSE(rig.activity.questionOpen());
    EXPECT_EQ(rig.view.frogJumpFrom, -1);  // a missed frog does not jump
    EXPECT_EQ(rig.view.pads[0], PadPicture::Sitting);
    rig.timers.advance(500);
    EXPECT_EQ(rig.activity.frogPad(), 0);
    EXPECT_TRUE(rig.activity.pausing());
    rig.random.push(pick(2, 4));
    rig.timers.advance(1300);
    EXPECT_EQ(rig.activity.currentWord(), "dog");
    EXPECT_TRUE(rig.activity.questionOpen());
    EXPECT_FALSE(rig.activity.frogMissed());  // the mark was for that word only
}

TEST(KivTyping, TheRightWordBeforeTheCorrectionDropsTheCorrection) {
    KivRig rig;
    rig.start({"cat", "dog", "pig", "hen"}, kTyped, pick(1, 4));
    rig.type("cx");
    rig.timers.advance(100);
    rig.view.answerText = "cat";  // put right in the box before the correction
    rig.activity.answerTextChanged(rig.view.answerText);
    EXPECT_FALSE(rig.activity.questionOpen());
    rig.timers.advance(500);
    EXPECT_TRUE(rig.activity.pausing());  // the frog landed after its own jump time
    rig.timers.advance(100);
    EXPECT_EQ(rig.view.answerText, "cat");
}

TEST(KivTyping, KeysOtherThanLettersAreCancelled) {
    for (int code : {8, 13, 32, 48, 57, 39, 45, 91, 94, 123, 127, 200})
        EXPECT_FALSE(filterAnswerKey(code).has_value()) << code;
    EXPECT_EQ(filterAnswerKey('A'), 'a');
    EXPECT_EQ(filterAnswerKey('z'), 'z');

    KivRig rig;
    rig.start({"cat", "dog", "pig", "hen"}, kTyped, pick(1, 4));
    rig.type("c 1\b-a");
    EXPECT_EQ(rig.view.answerText, "ca");
    EXPECT_EQ(rig.view.answerColour, TextColour::Black);
}

TEST(KivTyping, TheCorrectionKeepsTheLongestCorrectBeginning) {
    struct Row {
        const char* text;
        const char* word;
        const char* kept;
    };
    for (const Row& r : {Row{"cx", "cat", "c"}, Row{"xat", "cat", ""}, Row{"TOx", "Tom", "To"},
                         Row{"catx", "cat", "cat"}, Row{"", "cat", ""}})
        EXPECT_EQ(keptBeginning(r.text, r.word), r.kept) << r.text;
}

TEST(KivTyping, AClickInTheAnsweredBoxMovesOnToNext) {
    KivRig rig;
    rig.start({"cat", "dog", "pig", "hen"}, kTyped, pick(1, 4));
    rig.type("ca");
    rig.view.focus.clear();
    rig.activity.answerBoxClicked();
    EXPECT_EQ(rig.view.focus, "");
    rig.type("t");
    rig.view.focus.clear();
    rig.activity.answerBoxClicked();
    EXPECT_EQ(rig.view.focus, "cmdNext");
}

}  // namespace
}  // namespace kz::test
