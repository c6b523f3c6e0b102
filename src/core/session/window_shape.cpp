#include "session/window_shape.h"

#include <cstdlib>

namespace kz {

std::optional<PixelSize> shapeRule(int width, int height) {
    // Wide arithmetic: the products of large sizes do not fit 32 bits.
    const long long off = std::llabs(3LL * width - 4LL * height) * 30;
    if (3LL * width >= off && 4LL * height >= off && width >= 320 && height >= 240) {
        return std::nullopt;
    }
    PixelSize size{width, height};
    if (4LL * height >= 3LL * width)
        size.height = static_cast<int>(3LL * width / 4);
    else
        size.width = static_cast<int>(4LL * height / 3);
    if (size.width < 320 || size.height < 240) size = {320, 240};
    return size;
}

}  // namespace kz
