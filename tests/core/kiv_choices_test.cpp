// The choices offered for a word, and answering by choosing.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "files/text.h"
#include "kiv/choice_builder.h"
#include "kiv_rig.h"

namespace kz::test {
namespace {

// A seeded generator, for properties that must hold whatever is drawn.
class SeededRandom final : public Random {
public:
    explicit SeededRandom(uint32_t seed) : m_state(seed) {}
    double next() override {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) / 16777216.0;
    }

private:
    uint32_t m_state;
};

int width(std::string_view text) { return static_cast<int>(text.size()) * 240; }

TEST(KivChoices, DistinctAndNeverTheWordInAnyCase) {
    const std::vector<std::string> words = {"cat", "Cat", "CAT", "cot",   "cut",
                                            "cap", "cab", "dog", "kitten"};
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        SeededRandom random(seed);
        for (int n = 2; n <= 4; ++n) {
            const Choices c = buildChoices("cat", words, n, random, width);
            ASSERT_EQ(c.texts.size(), static_cast<size_t>(n));
            EXPECT_EQ(std::count(c.texts.begin(), c.texts.end(), "cat"), 1);
            std::set<std::string> upper;
            for (const auto& t : c.texts) upper.insert(toUpperAscii(t));
            EXPECT_EQ(upper.size(), c.texts.size()) << "seed " << seed;
        }
    }
}

TEST(KivChoices, TooFewDifferentWordsGiveFewerChoicesAndTheDrawEnds) {
    ScriptedRandom always({0.1});  // every draw the same position
    EXPECT_EQ(buildChoices("cat", {"cat", "CAT", "dog", "dog"}, 4, always, width).texts.size(), 2u);
    EXPECT_EQ(buildChoices("cat", {"cat", "cat", "Cat", "cat"}, 3, always, width).texts,
              std::vector<std::string>{"cat"});
    // Candidates rejected at every draw still end in a choice.
    const Choices c = buildChoices("cat", {"cat", "dog", "pig", "hen"}, 4, always, width);
    EXPECT_EQ(c.texts.size(), 4u);
}

TEST(KivChoices, CapitalsFollowTheWord) {
    struct Row {
        const char* word;
        bool capitals;
    };
    const std::vector<std::string> words = {"Tom", "cat", "dog", "pig", "Zoe", "hen"};
    for (const Row& r :
         {Row{"Tom", true}, Row{"Apple", true}, Row{"Zoe", false}, Row{"cat", false}}) {
        for (uint32_t seed = 1; seed <= 40; ++seed) {
            SeededRandom random(seed);
            for (const auto& t : buildChoices(r.word, words, 4, random, width).texts) {
                if (t == r.word) continue;
                const bool capital = t[0] >= 'A' && t[0] <= 'Z';
                if (r.capitals) {
                    EXPECT_TRUE(capital) << r.word << ": " << t;
                } else if (t != "Tom" && t != "Zoe") {
                    EXPECT_FALSE(capital) << r.word << ": " << t;  // kept as written
                }
            }
        }
    }
}

// With accents, "ete" is another word than "\xE9t\xE9" and may be offered as a wrong choice, while
// "\xC9T\xC9" is the same word in capitals and never is; a word that starts with an accented
// capital gives its choices capitals, upper-cased as Windows-1252 does (\xE9 to \xC9).
TEST(KivChoices, AccentedWordsAreComparedExactly) {
    const std::vector<std::string> words = {"\xE9t\xE9", "\xC9T\xC9", "ete", "\xE9tait", "\xE2ne"};
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        SeededRandom random(seed);
        const Choices c = buildChoices("\xE9t\xE9", words, 4, random, width);
        std::set<std::string> texts(c.texts.begin(), c.texts.end());
        EXPECT_EQ(texts, (std::set<std::string>{"\xE9t\xE9", "ete", "\xE9tait", "\xE2ne"}));

        const Choices capital = buildChoices("\xC9mile", words, 3, random, width);
        for (const auto& t : capital.texts) {
            EXPECT_NE(t, "\xE9t\xE9");
            EXPECT_NE(t, "\xE2ne");
            EXPECT_EQ(toUpperCp1252(t.substr(0, 1)), t.substr(0, 1)) << t;
        }
    }
}

TEST(KivChoices, LooksAlikeComeFirstAndTheWidthFitsTheWidest) {
    // The first draw of a 3-letter word is taken when the word is 3 letters wide; a 6-letter
    // word is refused until the width window has widened.
    ScriptedRandom random({pick(2, 3), pick(3, 3), 0, 0, 0, 0, 0, 0});
    const Choices c = buildChoices("cat", {"cat", "garden", "dog"}, 2, random, width);
    EXPECT_EQ(std::set<std::string>(c.texts.begin(), c.texts.end()),
              (std::set<std::string>{"cat", "dog"}));
    EXPECT_EQ(c.widestTwips, 720);
}

// A long list of one word far wider than the word: every draw is refused until the window has
// widened a thousand times, and the choices are the same as before, but each different text is
// measured once (each measurement is a font query in the window: 12 ms a question at full speed,
// 100 ms and more on a slow machine, while the child waited for the next question).
TEST(KivChoices, EachDifferentTextIsMeasuredOnce) {
    std::vector<std::string> words(32767, std::string(40, 'w'));
    words[0] = "a";
    words[1] = std::string(39, 'x');
    words[2] = std::string(41, 'y');
    std::map<std::string, int> measured;
    const auto counting = [&](std::string_view text) {
        ++measured[std::string(text)];
        return width(text);
    };
    SeededRandom random(5);
    const Choices c = buildChoices("a", words, 4, random, counting);
    EXPECT_EQ(std::set<std::string>(c.texts.begin(), c.texts.end()),
              (std::set<std::string>{"a", words[1], words[2], words[3]}));
    EXPECT_EQ(c.widestTwips, 41 * 240);
    for (const auto& [text, times] : measured)
        EXPECT_LE(times, 3) << text.size() << " letters: once in the draws, twice for the widest";
}

TEST(KivChoices, AWrongChoiceTurnsRedAndTheRightOneEndsTheQuestion) {
    KivRig rig;
    rig.start({"cat", "dog", "pig", "hen"}, kivOptions(3, 4, 20, 10), pick(1, 4));
    ASSERT_EQ(rig.view.visibleChoices().size(), 4u);
    int right = 0, wrong = 0;
    for (int j = 1; j <= 4; ++j) (rig.view.choices[j].text == "cat" ? right : wrong) = j;
    rig.journal.clear();
    rig.activity.choiceClicked(wrong);
    rig.activity.choiceClicked(wrong);
    EXPECT_EQ(rig.view.choices[wrong].colour, TextColour::Red);
    EXPECT_EQ(std::count(rig.journal.begin(), rig.journal.end(), "MM_No: Play"), 2);
    EXPECT_EQ(std::count(rig.view.padChanges.begin(), rig.view.padChanges.end(),
                         std::pair{0, PadPicture::Missed}),
              1);  // marked once
    EXPECT_TRUE(rig.activity.questionOpen());

    rig.journal.clear();
    rig.activity.choiceClicked(right);
    EXPECT_FALSE(rig.activity.questionOpen());
    EXPECT_TRUE(rig.view.wordVisible);
    EXPECT_EQ(rig.view.visibleChoices(), std::vector<std::string>{"cat"});
    EXPECT_EQ(rig.view.choices[right].colour, TextColour::Black);
    EXPECT_EQ(rig.journal, (std::vector<std::string>{"MM_word: Prev", "MM_word: Play"}));
    EXPECT_EQ(rig.view.frogJumpFrom, -1);  // missed: no jump
}

TEST(KivChoices, NothingIsJudgedAfterTheRightChoiceOrPastTheLabelsShown) {
    KivRig rig;
    rig.start({"cat", "dog", "pig", "hen"}, kivOptions(3, 2, 20, 10), pick(1, 4));
    ASSERT_EQ(rig.view.visibleChoices().size(), 2u);
    rig.journal.clear();
    rig.activity.choiceClicked(3);  // the key 3 with two choices shown
    EXPECT_TRUE(rig.journal.empty());
    const int right = rig.view.choices[1].text == "cat" ? 1 : 2;
    rig.activity.choiceClicked(right);
    rig.timers.advance(500);
    ASSERT_TRUE(rig.activity.pausing());
    rig.journal.clear();
    rig.activity.choiceClicked(3 - right);
    rig.activity.hear();
    rig.activity.chooseAnswerStyle(4);
    EXPECT_TRUE(rig.journal.empty());
    EXPECT_EQ(rig.view.choices[3 - right].colour, TextColour::Black);
    EXPECT_EQ(rig.activity.answerStyle(), 2);
    EXPECT_EQ(rig.view.pads[1], PadPicture::Sitting);
}

}  // namespace
}  // namespace kz::test
