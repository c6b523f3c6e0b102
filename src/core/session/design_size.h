#pragma once

namespace kz {

// Every layout is given in twips of a design. Dialogs are drawn for a 640 by 480 pixel screen
// (9600 by 7200 twips) and keep their share of the real screen; the main window's client area,
// the activity and the reader are drawn for a 9600 by 6630 twip client area and scaled by the
// factors of the real one.
inline constexpr int kDesignScreenWidth = 9600;
inline constexpr int kDesignScreenHeight = 7200;
inline constexpr int kDesignClientWidth = 9600;
inline constexpr int kDesignClientHeight = 6630;

// A rectangle in twips of a design or of the window it is scaled to.
struct TwipRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const TwipRect&) const = default;
};

}  // namespace kz
