#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/story.h"
#include "ports/ports.h"
#include "session/design_size.h"
#include "session/startup.h"

namespace kz {

// The five navigation buttons of the margin, in the order of their image cells' table.
enum class ZanButton { Hear, Book, Back, Next, Restart };
inline constexpr ZanButton kZanButtons[] = {ZanButton::Hear, ZanButton::Book, ZanButton::Back,
                                            ZanButton::Next, ZanButton::Restart};

// Where LayoutControls puts the margin and the buttons, and how pictures are shown.
struct ControlsLayout {
    TwipRect margin;               // the left margin panel; its edge line runs down its right
    TwipRect buttons[5];           // by ZanButton
    int imageCells[5] = {};        // the cell of each button's image in the strip
    bool bigImages = false;        // the large image set (scale above 0.74)
    bool stretchPictures = false;  // pictures stretched to their box x scale
    const TwipRect& button(ZanButton b) const { return buttons[static_cast<int>(b)]; }
};
ControlsLayout layoutControls(const ScaleFactors& scale, double twipsPerPixel);

// Text slot of a page at its scaled place: TextLeft to LineLeft + LineWidth, LineTop, LineHeight.
TwipRect textSlotRect(const StoryText& slot, const ScaleFactors& scale);

// The title on page 1: text slot 1 as wide as its text (measured width w), centred on x = 5160.
TwipRect titleRect(const StoryText& slot, int measuredWidth, const ScaleFactors& scale);

// The credits label on page 1.
TwipRect creditsRect(const ScaleFactors& scale);
inline constexpr double kCreditsPoints = 8.25;

// A picture slot's place. Natural size (stretch off): at its design position, unscaled, with the
// bitmap's own size (width and height 0 here). Stretched: its design box x scale, and on page 1 a
// narrower picture centred in its box.
TwipRect pictureRect(const StoryPicture& picture, const ScaleFactors& scale, bool stretch,
                     bool firstPage);

// The word list's font and place: 24 x scale points, stepped down by 2 until the entries fit the
// window's height and the list fits between the margin's buttons and the window's right edge,
// never below 1 point; at the window's top right.
struct WordListLayout {
    double pointSize = 24;
    TwipRect rect;
    bool operator==(const WordListLayout&) const = default;
};
WordListLayout layoutWordList(const std::vector<std::string>& entries, const ScaleFactors& scale,
                              int windowWidth, int windowHeight, TextMeasure& measure);

// The story's text size fitted to its first title line: from fontSize down by single points while
// the height of "Ty" exceeds lineHeight, never below 1 point. A size of 0 or less is a fault of
// the file and reads as kFallbackFontSize; a line height of 0 or less (no text slot 1 on page 1)
// leaves the size as it is.
inline constexpr int kFallbackFontSize = 24;
int fitFontSize(int fontSize, int lineHeight, FontSpec font, TextMeasure& measure);

}  // namespace kz
