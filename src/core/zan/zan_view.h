#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ports/ports.h"
#include "session/fatal_error.h"
#include "zan/page_layout.h"

namespace kz {

// What the story reader's logic asks of its window (frmZan). The window holds no rule: it shows
// what it is told and forwards the child's clicks and keys to the StoryReader. Places are twips of
// the reader window.
class ZanView {
public:
    virtual ~ZanView() = default;

    virtual void setWindowCaption(std::string_view title) = 0;
    // File > Open (and with it the Book button's use) allowed or not.
    virtual void setOpenEnabled(bool enabled) = 0;

    // The margin, its edge line and the buttons' places and images.
    virtual void placeControls(const ControlsLayout& layout) = 0;
    virtual void showMargin() = 0;
    virtual void setButtonVisible(ZanButton button, bool visible) = 0;
    virtual void focusButton(ZanButton button) = 0;

    // A story was read: the page has pictureSlots picture slots and textSlots text slots (all
    // hidden and empty), the text in this font.
    virtual void prepareSlots(int pictureSlots, int textSlots, const FontSpec& textFont) = 0;
    // Text slot `slot` (from 1): its size in points, place and visibility; its caption.
    virtual void placeTextSlot(int slot, const TwipRect& rect, double pointSize, bool visible) = 0;
    virtual void setTextCaption(int slot, std::string_view text) = 0;

    virtual void setCredits(std::string_view text) = 0;
    virtual void placeCredits(const TwipRect& rect, double pointSize, bool visible) = 0;

    // Picture slot `slot` (from 1). loadPicture reads the bitmap file into the slot; false when it
    // cannot be loaded. takePreloadedPicture gives the slot the picture preloadPicture holds.
    // placePicture shows the slot: stretched to rect, or at rect's corner at natural size.
    virtual void hidePicture(int slot) = 0;
    virtual bool loadPicture(int slot, const std::string& path) = 0;
    virtual void takePreloadedPicture(int slot) = 0;
    virtual void placePicture(int slot, const TwipRect& rect, bool stretch) = 0;
    virtual bool preloadPicture(const std::string& path) = 0;
    // The story's palette bitmap (BMPS\<code>\<code>.DIB); false when it cannot be loaded.
    virtual bool loadPalette(const std::string& path) = 0;

    // The word list: its entries (an entry clicked right is emptied), its font and place, whether
    // it is shown, the selection, and the red flash of a wrong click.
    virtual void setWordEntries(const std::vector<std::string>& entries) = 0;
    virtual void placeWordList(const WordListLayout& layout) = 0;
    virtual void setWordListVisible(bool visible) = 0;
    virtual void clearWordSelection() = 0;
    virtual void setWordListFlash(bool red) = 0;

    // A fault that ends the program (its message, then the main window's unload).
    virtual void fatalError(const FatalError& error) = 0;
};

}  // namespace kz
