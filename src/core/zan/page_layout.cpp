#include "zan/page_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kz {
namespace {

int scaled(double design, double factor) { return static_cast<int>(std::lround(design * factor)); }

// Design place of each button in the margin: top and height, and its image cell.
struct ButtonDesign {
    int top, height, cell;
};
constexpr ButtonDesign kButtonDesign[5] = {
    {0, 1650, 3},     // Hear
    {1650, 1665, 4},  // Book
    {3300, 1665, 0},  // Back
    {4950, 1665, 1},  // Next
    {4950, 1665, 2},  // Restart: Next's place, never shown with it
};
constexpr int kMarginWidth = 705;
constexpr int kMarginHeight = 6660;

}  // namespace

ControlsLayout layoutControls(const ScaleFactors& scale, double twipsPerPixel) {
    ControlsLayout layout;
    layout.stretchPictures = twipsPerPixel != 15 || scale.scale != 1;
    const int width = scaled(kMarginWidth, scale.x);
    layout.margin = {0, 0, width, scaled(kMarginHeight, scale.y)};
    for (int i = 0; i < 5; ++i) {
        const ButtonDesign& d = kButtonDesign[i];
        layout.buttons[i] = {0, scaled(d.top, scale.y), width, scaled(d.height, scale.y)};
        layout.imageCells[i] = d.cell;
    }
    layout.bigImages = scale.scale > 0.74f;
    return layout;
}

TwipRect textSlotRect(const StoryText& slot, const ScaleFactors& scale) {
    return {scaled(slot.textLeft, scale.x), scaled(slot.lineTop, scale.y),
            scaled(slot.lineLeft + slot.lineWidth - slot.textLeft, scale.x),
            scaled(slot.lineHeight, scale.y)};
}

TwipRect titleRect(const StoryText& slot, int measuredWidth, const ScaleFactors& scale) {
    const double left = 5160.0 * scale.x - measuredWidth / 2;
    return {static_cast<int>(std::lround(left)), scaled(slot.lineTop, scale.y), measuredWidth,
            scaled(slot.lineHeight, scale.y)};
}

TwipRect creditsRect(const ScaleFactors& scale) {
    return {scaled(3000, scale.x), scaled(5850, scale.y), scaled(4350, scale.x),
            scaled(660, scale.y)};
}

TwipRect pictureRect(const StoryPicture& picture, const ScaleFactors& scale, bool stretch,
                     bool firstPage) {
    if (!stretch) return {picture.left, picture.top, 0, 0};
    TwipRect rect{scaled(picture.left, scale.x), scaled(picture.top, scale.y),
                  scaled(picture.width, scale.scale), scaled(picture.height, scale.scale)};
    if (firstPage && scale.x != scale.scale)
        rect.left += static_cast<int>(std::lround((scale.x - scale.scale) * picture.width)) / 2;
    return rect;
}

WordListLayout layoutWordList(const std::vector<std::string>& entries, const ScaleFactors& scale,
                              int windowWidth, int windowHeight, TextMeasure& measure) {
    const int count = static_cast<int>(entries.size());
    FontSpec font{"Arial", 24.0 * scale.scale, true};
    auto listWidth = [&] {
        if (count == 0) return scaled(3000, scale.y) + 300;
        int width = 0;
        for (const auto& entry : entries)
            width = std::max(width, measure.measure(entry, font).width);
        return width + 300;
    };
    // The list steps down while it is taller than the window, and also while it is wider than
    // the room right of the margin's buttons: a long word would otherwise push it past the
    // window's left edge, cutting the start of every word and covering Hear.
    const long long room =
        static_cast<long long>(windowWidth) - 120 - scaled(kMarginWidth, scale.x);
    int lineHeight = measure.measure("Wy", font).height;
    int width = listWidth();
    while ((static_cast<long long>(count) * lineHeight > windowHeight ||
            (count > 0 && width > room)) &&
           font.pointSize > 1) {
        font.pointSize = std::max(1.0, font.pointSize - 2);
        lineHeight = measure.measure("Wy", font).height;
        width = listWidth();
    }
    return {font.pointSize, {windowWidth - width - 120, 0, width, count * lineHeight + 150}};
}

int fitFontSize(int fontSize, int lineHeight, FontSpec font, TextMeasure& measure) {
    int size = fontSize > 0 ? fontSize : kFallbackFontSize;
    if (lineHeight <= 0) return size;
    for (;;) {
        font.pointSize = size;
        if (size <= 1 || measure.measure("Ty", font).height <= lineHeight) return size;
        --size;
    }
}

}  // namespace kz
