#include "session/display_check.h"

#include "files/shown_text.h"

namespace kz {

DisplayCheck checkDisplay(int colourDepthBits, bool arialAvailable, int16_t omitColourWarning,
                          int16_t omitFontWarning) {
    DisplayCheck check;
    if (colourDepthBits >= 8) {
        check.clearOmitColour = omitColourWarning == -1;
    } else {
        check.warnColour = omitColourWarning == 0;
    }
    check.warnFont = omitFontWarning == 0 && !arialAvailable;
    return check;
}

std::string displayWarningText(DisplayWarning kind, int colourDepthBits) {
    if (kind == DisplayWarning::Colour) {
        const long colours =
            colourDepthBits >= 0 && colourDepthBits < 31 ? 1L << colourDepthBits : 0;
        return fillIn(
            translate("kz::DisplayCheck",
                      "The WQ software includes colour illustrations which are designed for "
                      "display on a screen showing at least 256 colours.  Your present Windows "
                      "setup allows only %1 colours.\n\nYou may proceed, but any colour "
                      "pictures will be of poor quality, and on some systems the software may run "
                      "very slowly.\n\nDo you want to proceed?"),
            {std::to_string(colours)});
    }
    return translate("kz::DisplayCheck",
                     "This software needs the \"Arial\" font, normally supplied with Windows.  "
                     "This font cannot be found.  Please install it.\n\nWithout it, the "
                     "software will try to use an alternative font, but the results are not "
                     "guaranteed.\n\nDo you wish to proceed?");
}

}  // namespace kz
