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

// In a list with accents the accented letters pass, small, as they come from a French, Spanish or
// German keyboard; in a plain list they are cancelled as they always were.
TEST(KivTyping, AccentedLettersPassOnlyForAListWithAccents) {
    for (int code : {0xE9, 0xC9, 0xF1, 0xDF, 0x9C, 0xFF})
        EXPECT_FALSE(filterAnswerKey(code).has_value()) << code;
    const std::pair<int, int> accented[] = {{0xE9, 0xE9}, {0xC9, 0xE9}, {0xD1, 0xF1}, {0xDF, 0xDF},
                                            {0x8C, 0x9C}, {0x9F, 0xFF}, {'E', 'e'},   {'e', 'e'}};
    for (const auto& [code, letter] : accented)
        EXPECT_EQ(filterAnswerKey(code, true), static_cast<char>(letter)) << code;
    for (int code : {0xFD, 0xA9, 0xD7, 0xF7, 0xB5, 0x8A, 32, 39, 49})
        EXPECT_FALSE(filterAnswerKey(code, true).has_value()) << code;
}

// The accented word is answered letter by letter with the same correction; é is not e, and a
// capital É typed is taken as the word's own é (or É).
TEST(KivTyping, AccentedWordsAreCorrectedLetterByLetter) {
    KivRig rig;
    rig.start({"\xE9t\xE9", "chat", "lit", "\xC9mile"}, kTyped, pick(1, 4));
    ASSERT_EQ(rig.activity.currentWord(), "\xE9t\xE9");
    rig.type("e");
    EXPECT_EQ(rig.view.answerText, "e");
    EXPECT_EQ(rig.view.answerColour, TextColour::Red);
    EXPECT_EQ(rig.view.pads[0], PadPicture::Missed);
    rig.timers.advance(600);
    EXPECT_EQ(rig.view.answerText, "");
    rig.type("\xC9t");
    EXPECT_EQ(rig.view.answerText, "\xE9t");
    EXPECT_EQ(rig.view.answerColour, TextColour::Black);
    rig.type("\xE9");
    EXPECT_FALSE(rig.activity.questionOpen());

    KivRig capital;
    capital.start({"\xE9t\xE9", "chat", "lit", "\xC9mile"}, kTyped, pick(4, 4));
    ASSERT_EQ(capital.activity.currentWord(), "\xC9mile");
    capital.type("\xE9mil");
    EXPECT_EQ(capital.view.answerText, "\xC9mil");
    capital.type("e");
    EXPECT_FALSE(capital.activity.questionOpen());
    EXPECT_EQ(capital.view.frogJumpFrom, 0);

    const struct {
        const char* text;
        const char* word;
        const char* kept;
    } rows[] = {{"\xE9tx", "\xE9t\xE9", "\xE9t"},
                {"ete", "\xE9t\xE9", ""},
                {"ni\xF1x", "Ni\xF1o", "Ni\xF1"},
                {"\x9C",
                 "\x8C"
                 "uf",
                 "\x8C"}};
    for (const auto& r : rows) EXPECT_EQ(keptBeginning(r.text, r.word), r.kept) << r.text;
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
