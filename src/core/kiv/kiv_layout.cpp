#include "kiv/kiv_layout.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace kz {

namespace {

// Design units times a factor, rounded to whole twips.
int scaled(double design, double factor) { return static_cast<int>(std::lround(design * factor)); }

TwipRect rect(double left, double top, double width, double height, double fx, double fy) {
    return {scaled(left, fx), scaled(top, fy), scaled(width, fx), scaled(height, fy)};
}

// Rounds to the nearest whole number, halves to the even one.
int64_t roundEven(double v) { return static_cast<int64_t>(std::nearbyint(v)); }

double padLeftTwips(int i, int padCount, double scaleX) {
    return padDesignLeft(i, padCount) * scaleX;
}

}  // namespace

int padDesignLeft(int i, int padCount) {
    int x0 = 720, x1 = 8790;
    if (padCount <= 3) {
        x0 = 1470, x1 = 8040;
    } else if (padCount <= 5) {
        x0 = 1170, x1 = 8340;
    } else if (padCount <= 8) {
        x0 = 870, x1 = 8640;
    }
    return x0 + ((x1 - x0) * i) / padCount;
}

ActivityLayout layoutActivity(const KivScales& sc, int padCount, int windowWidthTwips,
                              int twipsPerPixel) {
    const bool reward = padCount > 1;
    ActivityLayout l;
    l.margin = rect(0, 0, 705, 6660, sc.x, sc.y);
    l.yellow = rect(705, reward ? 840 : 0, 9600, 2400, sc.x, sc.y);
    l.see = rect(0, 1665, 705, 1665, sc.x, sc.y);
    l.hear = rect(0, 3300, 705, 1665, sc.x, sc.y);
    l.next = rect(0, 4965, 705, 1665, sc.x, sc.y);
    l.word = rect(780, reward ? 1650 : 900, 8700, 900, sc.x, sc.y);
    l.lake = {l.margin.width + twipsPerPixel, 0, windowWidthTwips, scaled(810, sc.s)};
    if (reward) {
        for (int i = 0; i <= padCount; ++i)
            l.pads.push_back({scaled(padDesignLeft(i, padCount), sc.x), 0, scaled(810, sc.s),
                              scaled(810, sc.s)});
    }
    l.bigButtons = sc.s > 0.74;
    l.wordFontPt = 32 * sc.s;
    l.choiceFontPt = 24 * sc.s;
    l.windowFontPt = 24 * sc.s;
    return l;
}

TwipRect answerBoxRect(int w, const KivScales& sc) {
    return rect((8700 - w) / 2 + 780, 4200, w, 900, sc.x, sc.y);
}

TwipRect choiceRect(int j, int w, const KivScales& sc) {
    return rect((8700 - w) / 2 + 780, 2700 + 750 * j, w, 750, sc.x, sc.y);
}

TwipRect frogJumpRect(int p, int padCount, const KivScales& sc) {
    const int64_t sum =
        roundEven(padLeftTwips(p, padCount, sc.x) + padLeftTwips(p + 1, padCount, sc.x));
    const double left = static_cast<double>(sum / 2) - 360 * sc.s;
    return {static_cast<int>(std::lround(left)), 0, scaled(1500, sc.s), scaled(525, sc.s)};
}

int answerWidthFor(int measuredTwips, double scaleX) {
    const double w = 3.0 * (static_cast<double>(measuredTwips) + 90) / (2 * scaleX);
    const double limit = std::numeric_limits<int>::max();
    return static_cast<int>(roundEven(std::fmin(w, limit)));
}

}  // namespace kz
