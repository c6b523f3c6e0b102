#pragma once

#include <cstdint>
#include <string>

namespace kz {

// The display check: warn about colours when the screen shows fewer than 256 (depth below 8
// bits) unless the teacher said not to; a screen that has enough clears that choice again so
// that the warning returns if the display is later set to fewer colours.
struct DisplayCheck {
    bool warnColour = false;
    bool warnFont = false;
    bool clearOmitColour = false;
};
DisplayCheck checkDisplay(int colourDepthBits, bool arialAvailable, int16_t omitColourWarning,
                          int16_t omitFontWarning);

enum class DisplayWarning { Colour, Font };

// The display warning's message. The colour warning names the number of colours the screen shows
// (2 to the depth; only depths below 8 bits are ever warned about).
std::string displayWarningText(DisplayWarning kind, int colourDepthBits);

}  // namespace kz
