#pragma once

#include "pictures/picture.h"

#include <cstddef>
#include <cstdint>

namespace pictures {

struct PixelRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Turns pictures into 32-bit pixels (0xFFRRGGBB) for a view to paint, 1:1.
class PictureRenderer
{
public:
    // The area, from the picture's top-left pixel, that drawing covers: the picture's width and
    // the number of its rows (top-down rows included), or nothing for an empty picture.
    static PixelRect extent(const Picture& picture);

    // Draws `area` of the picture (in picture coordinates, clipped to its extent) into `out`,
    // whose first pixel stands for the area's top-left corner and whose rows are `stride`
    // pixels apart. Pixels outside the extent are left untouched. Returns the part drawn.
    static PixelRect draw(
        const Picture& picture, PixelRect area, std::uint32_t* out, std::ptrdiff_t stride);
};

} // namespace pictures
