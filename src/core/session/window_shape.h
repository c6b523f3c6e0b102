#pragma once

#include <optional>

namespace kz {

// A size in pixels.
struct PixelSize {
    int width = 0, height = 0;
    bool operator==(const PixelSize&) const = default;
};

// The 4:3 shape rule of the main window in its normal state, on its outer size in pixels: a
// shape within a thirtieth of 4:3 and at least 320 x 240 stands (nullopt); otherwise the size to
// move the window to, keeping its top left corner.
std::optional<PixelSize> shapeRule(int width, int height);

}  // namespace kz
