// The reader's page geometry and the names of its data files, without a window.
#include <gtest/gtest.h>

#include "fake_ports.h"
#include "zan/page_layout.h"
#include "zan/story_names.h"

namespace kz::test {
namespace {

TEST(ZanLayout, ControlsAtScaleOneAndHalf) {
    const ControlsLayout one = layoutControls({1, 1, 1}, 15);
    EXPECT_FALSE(one.stretchPictures);
    EXPECT_TRUE(one.bigImages);
    EXPECT_EQ(one.margin, (TwipRect{0, 0, 705, 6660}));
    EXPECT_EQ(one.button(ZanButton::Hear), (TwipRect{0, 0, 705, 1650}));
    EXPECT_EQ(one.button(ZanButton::Book), (TwipRect{0, 1650, 705, 1665}));
    EXPECT_EQ(one.button(ZanButton::Back), (TwipRect{0, 3300, 705, 1665}));
    EXPECT_EQ(one.button(ZanButton::Next), one.button(ZanButton::Restart));
    EXPECT_EQ(one.imageCells[static_cast<int>(ZanButton::Hear)], 3);
    EXPECT_EQ(one.imageCells[static_cast<int>(ZanButton::Restart)], 2);

    const ControlsLayout half = layoutControls({0.5f, 1, 0.5f}, 15);
    EXPECT_TRUE(half.stretchPictures);
    EXPECT_FALSE(half.bigImages);
    EXPECT_EQ(half.button(ZanButton::Next), (TwipRect{0, 4950, 353, 1665}));
    EXPECT_TRUE(layoutControls({1, 1, 1}, 12).stretchPictures);
    EXPECT_TRUE(layoutControls({0.75f, 0.75f, 0.75f}, 15).bigImages);
    EXPECT_FALSE(layoutControls({0.74f, 0.74f, 0.74f}, 15).bigImages);
}

TEST(ZanLayout, WordListStepsItsFontDownUntilTheEntriesFit) {
    FakeTextMeasure text;  // "Wy" is 24 twips high per point
    const std::vector<std::string> three = {"the", "kite", "flew"};
    const WordListLayout fits = layoutWordList(three, {1, 1, 1}, 9600, 6630, text);
    EXPECT_EQ(fits.pointSize, 24);
    const int width = 4 * 240 + 300;
    EXPECT_EQ(fits.rect, (TwipRect{9600 - width - 120, 0, width, 3 * 576 + 150}));

    // 12 entries in 3000 twips: 24 -> 22 -> ... -> 10 points (12 x 240 <= 3000).
    const std::vector<std::string> twelve(12, "word");
    EXPECT_EQ(layoutWordList(twelve, {1, 1, 1}, 9600, 3000, text).pointSize, 10);
    // Nothing fits: the font stops at 1 point.
    EXPECT_EQ(layoutWordList(twelve, {1, 1, 1}, 9600, 10, text).pointSize, 1);
    EXPECT_EQ(layoutWordList({}, {1, 0.5f, 0.5f}, 9600, 6630, text).rect.width, 1800);
}

TEST(ZanLayout, WordListStepsDownUntilItFitsRightOfTheButtons) {
    FakeTextMeasure text;  // 10 twips per letter per point
    const std::vector<std::string> entries = {"the", std::string(35, 'w')};
    // 6000 twips wide: right of the 705-twip margin and the 120 gap there are 5175. At 14 points
    // the long word needs 35 x 140 + 300 = 5200; at 12, 4500.
    const WordListLayout narrow = layoutWordList(entries, {1, 1, 1}, 6000, 6630, text);
    EXPECT_EQ(narrow.pointSize, 12);
    EXPECT_EQ(narrow.rect.width, 4500);
    EXPECT_GE(narrow.rect.left, 705);
    // At half scale the margin is half as wide (353), and the font starts at 12 points: 4500
    // does not fit the 4327 there, 10 points (3800) do.
    const WordListLayout half = layoutWordList(entries, {0.5f, 0.5f, 0.5f}, 4800, 3315, text);
    EXPECT_EQ(half.pointSize, 10);
    EXPECT_GE(half.rect.left, 353);
    // Wide enough: the font stays.
    EXPECT_EQ(layoutWordList(entries, {1, 1, 1}, 9600, 6630, text).pointSize, 24);
}

TEST(ZanLayout, TyFitStopsAtOnePointAndSkipsAMissingLine) {
    FakeTextMeasure text;
    EXPECT_EQ(fitFontSize(24, 630, {}, text), 24);
    EXPECT_EQ(fitFontSize(40, 600, {}, text), 25);
    EXPECT_EQ(fitFontSize(40, 5, {}, text), 1);
    EXPECT_EQ(fitFontSize(40, 0, {}, text), 40);
    EXPECT_EQ(fitFontSize(0, 0, {}, text), kFallbackFontSize);
}

TEST(ZanNames, DataFileNames) {
    EXPECT_EQ(pageRecordingName("19MOON", 7), "WAVS\\19MOON\\SNT07.WAV");
    EXPECT_EQ(pageRecordingName("19MOON", 12), "WAVS\\19MOON\\SNT12.WAV");
    EXPECT_EQ(pageRecordingName("19MOON", 123), "WAVS\\19MOON\\SNT23.WAV");
    EXPECT_EQ(paletteFileName("19MOON"), "BMPS\\19MOON\\19MOON.DIB");
    EXPECT_EQ(storyCodeOfFile("25SAMPLE"), "25SAMPLE");
    EXPECT_EQ(storyCodeOfFile("25SAMPLE.DAT"), "25SAMPLE");
}

TEST(ZanNames, NamesThatLeaveTheirDirectory) {
    struct Case {
        const char* name;
        bool inside;
    };
    const Case cases[] = {
        {"BMPS\\19MOON\\PIC1.BMP", true},
        {"BMPS\\19MOON\\..\\PIC1.BMP", true},
        {"BMPS\\19MOON\\..\\..\\x.BMP", true},
        {"BMPS\\19MOON\\..\\..\\..\\x.BMP", false},
        {"BMPS/19MOON/../../../x.BMP", false},
        {"\\etc\\passwd", false},
        {"/etc/passwd", false},
        {"C:\\x.BMP", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(staysInside(c.name), c.inside) << c.name;
    for (const char* code : {"19MOON", "19 moon"}) EXPECT_TRUE(isPlainStoryCode(code)) << code;
    for (const char* code : {"", "..", "..\\x", "a/b", "C:X"})
        EXPECT_FALSE(isPlainStoryCode(code)) << code;
}

TEST(ZanNames, FallbackIsTheFirstUsableStoryNumbered17To32) {
    using Names = std::vector<std::string>;
    const auto any = [](const std::string&) { return true; };
    EXPECT_EQ(fallbackStoryCode(Names{"01PIP.DAT", "16X.DAT", "19MOON.DAT", "25SAMPLE.DAT"}, any),
              "19MOON");
    EXPECT_EQ(fallbackStoryCode(Names{"32END.dat"}, any), "32END");
    EXPECT_EQ(fallbackStoryCode(Names{"33FARM.DAT", "35NEST.DAT", "PIP.DAT"}, any), std::nullopt);
    EXPECT_EQ(fallbackStoryCode(Names{}, any), std::nullopt);
    // A story the reader could not show (no title, no table) is passed over, by its code.
    const auto notMoon = [](const std::string& code) { return code != "19MOON"; };
    EXPECT_EQ(fallbackStoryCode(Names{"19MOON.DAT", "25SAMPLE.dat"}, notMoon), "25SAMPLE");
    EXPECT_EQ(fallbackStoryCode(Names{"19MOON.DAT"}, notMoon), std::nullopt);
}

}  // namespace
}  // namespace kz::test
