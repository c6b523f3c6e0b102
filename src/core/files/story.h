#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kz {

// One text line of a page. The line occupies x = textLeft to lineLeft + lineWidth, y = lineTop
// with height lineHeight, in twips of the 9600 x 6630 design page; lineLeft below 1 means the
// slot is not used on this page.
struct StoryText {
    int16_t lineLeft = 0;
    int16_t lineTop = 0;
    int16_t lineWidth = 0;
    int16_t lineHeight = 0;
    int16_t textLeft = 0;
    std::string text;  // Windows-1252
    bool operator==(const StoryText&) const = default;
};

// One picture of a page: the bitmap BMPS\<code>\<name>.BMP in its design box; left 0 or below
// means the slot is not used on this page.
struct StoryPicture {
    int16_t left = 0;
    int16_t top = 0;
    int16_t width = 0;
    int16_t height = 0;
    std::string name;
    bool operator==(const StoryPicture&) const = default;
};

// One page (frame) as its record describes it: texts and pictures hold the items in the record,
// for slots 1, 2, ... in order; slots past them are empty on this page.
struct StoryPage {
    std::vector<StoryText> texts;
    std::vector<StoryPicture> pictures;
    std::vector<double> reals;  // kept for the file, not used by the reader
    std::string nextPicture;    // picture to pre-load for the following page; empty: none

    // Slot j (from 1) of the page; a slot the record does not describe reads as zeros and "".
    const StoryText& textSlot(int j) const;
    const StoryPicture& pictureSlot(int j) const;

    bool operator==(const StoryPage&) const = default;
};

// The most text or picture slots a page can have.
inline constexpr int kMaxSlots = 10;

struct Story {
    int16_t pageCount = 0;     // gPageCount: pages.size()
    int16_t pictureSlots = 0;  // gPictureSlots, 0 to kMaxSlots
    int16_t textSlots = 0;     // gTextSlots, 0 to kMaxSlots
    int16_t wordCapacity = 0;  // gWordCapacity: the most words on any page
    int16_t fontSize = 0;      // gFontSize, in points
    std::vector<StoryPage> pages;

    // Page p (from 1).
    const StoryPage& page(int p) const { return pages.at(static_cast<size_t>(p - 1)); }

    bool operator==(const Story&) const = default;
};

// Story text writes each quotation mark as "@". Each "@" flips toggle (0 or 1) and becomes the
// opening mark when the toggle is then 1, the closing mark when 0; curly marks are Windows-1252
// codes 147 and 148, plain ones the double quote. The toggle runs on from one text to the next.
std::string convertQuoteMarks(std::string_view text, int& toggle, bool curly);

// Converts the "@" of every text of the story, the toggle starting at 0 on each page. curly is
// whether text slot 1 shows Arial when the story is read.
void convertQuoteMarks(Story& story, bool curly);

}  // namespace kz
