#pragma once

#include <vector>

#include "session/design_size.h"

namespace kz {

// The activity window's geometry, in twips of the window, for a design client area of 9600 by
// 6630 scaled by the window's factors: x for horizontal measures, y for vertical ones, s (the
// smaller) for fonts and the square pictures of the frog row.
struct KivScales {
    double x = 1, y = 1, s = 1;
};

struct ActivityLayout {
    TwipRect margin;  // the grey panel holding the buttons; its right edge is the margin line
    TwipRect yellow;  // the panel behind the word
    TwipRect see, hear, next;
    TwipRect word;
    TwipRect lake;               // the strip of water under the pads
    std::vector<TwipRect> pads;  // pads 0 to padCount; none without the frog reward
    bool bigButtons = false;     // big pictures with captions, else small pictures only
    double wordFontPt = 32;      // the word label and the answer box
    double choiceFontPt = 24;    // the choice labels
    double windowFontPt = 24;    // the font words are measured in
};

// Every fixed control of the window. windowWidthTwips is the window's full inner width (the lake
// runs to it); twipsPerPixel puts the lake one screen pixel right of the margin line.
ActivityLayout layoutActivity(const KivScales& scales, int padCount, int windowWidthTwips,
                              int twipsPerPixel);

// The left edge of pad i of padCount, before scaling: the row runs wider as sets grow longer.
int padDesignLeft(int i, int padCount);

// The answer box and choice label j (1 to 4), centred on the 8700-wide area that starts at 780.
TwipRect answerBoxRect(int answerWidth, const KivScales& scales);
TwipRect choiceRect(int j, int answerWidth, const KivScales& scales);

// The jumping frog, between pad p and pad p + 1.
TwipRect frogJumpRect(int p, int padCount, const KivScales& scales);

// The width, in design units, of the answer box or the choice labels for the widest measured
// text (twips in the window's font). Computed wide, so long words on big windows cannot wrap.
int answerWidthFor(int measuredTwips, double scaleX);

}  // namespace kz
