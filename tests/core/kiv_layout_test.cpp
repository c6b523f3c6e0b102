// The activity window's geometry, without a display.
#include "kiv/kiv_layout.h"

#include <gtest/gtest.h>

#include "session/startup.h"

namespace kz {
namespace {

TEST(KivLayout, TheDesignSizeGivesTheDesignLayout) {
    const ScaleFactors f = scaleFactors(9650, 6600);
    ASSERT_EQ(f.x, 1.0f);
    ASSERT_EQ(f.y, 1.0f);
    const ActivityLayout l = layoutActivity({1, 1, 1}, 10, 9650, 15);
    EXPECT_EQ(l.margin, (TwipRect{0, 0, 705, 6660}));
    EXPECT_EQ(l.see, (TwipRect{0, 1665, 705, 1665}));
    EXPECT_EQ(l.hear, (TwipRect{0, 3300, 705, 1665}));
    EXPECT_EQ(l.next, (TwipRect{0, 4965, 705, 1665}));
    EXPECT_EQ(l.word, (TwipRect{780, 1650, 8700, 900}));
    EXPECT_EQ(l.yellow, (TwipRect{705, 840, 9600, 2400}));
    EXPECT_EQ(l.lake, (TwipRect{720, 0, 9650, 810}));
    ASSERT_EQ(l.pads.size(), 11u);
    EXPECT_EQ(l.pads[0].left, 720);
    EXPECT_EQ(l.pads[1].left, 1527);  // 807 apart
    EXPECT_EQ(l.pads[10].left, 8790);
    EXPECT_EQ(l.pads[10].width, 810);
    EXPECT_TRUE(l.bigButtons);
    EXPECT_EQ(l.wordFontPt, 32);
}

TEST(KivLayout, WithoutFrogsTheWordMovesUpAndThereAreNoPads) {
    const ActivityLayout l = layoutActivity({1, 1, 1}, 1, 9600, 15);
    EXPECT_TRUE(l.pads.empty());
    EXPECT_EQ(l.word.top, 900);
    EXPECT_EQ(l.yellow.top, 0);
}

TEST(KivLayout, ScalesPadRowsAndButtons) {
    const ActivityLayout half = layoutActivity({0.5, 0.8, 0.5}, 4, 4800, 15);
    EXPECT_EQ(half.pads[0], (TwipRect{585, 0, 405, 405}));  // 1170 x 0.5
    EXPECT_EQ(half.pads[4].left, 4170);                     // 8340 x 0.5
    EXPECT_EQ(half.see, (TwipRect{0, 1332, 353, 1332}));    // 705 x 0.5 rounded
    EXPECT_FALSE(half.bigButtons);
    EXPECT_FALSE(layoutActivity({0.74, 1, 0.74}, 2, 9600, 15).bigButtons);
    EXPECT_TRUE(layoutActivity({0.75, 1, 0.75}, 2, 9600, 15).bigButtons);
    EXPECT_EQ(padDesignLeft(3, 3), 8040);
    EXPECT_EQ(padDesignLeft(8, 8), 8640);
}

TEST(KivLayout, AnswerControlsAreCentredAndWideWidthsDoNotOverflow) {
    EXPECT_EQ(answerWidthFor(720, 1), 1215);  // 3 x 810 / 2
    EXPECT_EQ(answerWidthFor(1, 1), 136);     // 136.5: halves go to the even number
    EXPECT_EQ(answerWidthFor(30000, 0.5), 90270);
    EXPECT_EQ(answerBoxRect(1215, {1, 1, 1}), (TwipRect{4522, 4200, 1215, 900}));
    EXPECT_EQ(choiceRect(4, 1215, {2, 1, 1}), (TwipRect{9044, 5700, 2430, 750}));
    EXPECT_EQ(choiceRect(1, 10000, {1, 1, 1}).left, 130);  // (8700 - 10000) \ 2 + 780
}

TEST(KivLayout, TheFrogJumpsBetweenTwoPads) {
    // Pads 0 and 1 of 10 at 720 and 1527: half their sum less 360.
    EXPECT_EQ(frogJumpRect(0, 10, {1, 1, 1}), (TwipRect{763, 0, 1500, 525}));
}

}  // namespace
}  // namespace kz
