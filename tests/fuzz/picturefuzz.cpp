// libFuzzer target: any bytes read as a picture file, then drawn the way a view would draw them.
#include "pictures/picture.h"
#include "pictures/pictureerror.h"
#include "pictures/picturerenderer.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

constexpr int Window = 64;

// Draws `area` into a buffer with a border, and traps on any write to the border.
void drawChecked(const pictures::Picture& picture, pictures::PixelRect area)
{
    constexpr std::uint32_t Border = 0x5A5A5A5A;
    const int stride = area.width + 2;
    std::vector<std::uint32_t> buffer(std::size_t(stride) * (area.height + 2), Border);
    pictures::PictureRenderer::draw(picture, area, buffer.data() + stride + 1, stride);
    for (int x = 0; x < stride; ++x) {
        if (buffer[x] != Border || buffer[std::size_t(area.height + 1) * stride + x] != Border)
            __builtin_trap();
    }
    for (int y = 1; y <= area.height; ++y) {
        if (buffer[std::size_t(y) * stride] != Border
            || buffer[std::size_t(y) * stride + stride - 1] != Border)
            __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    pictures::Picture picture;
    try {
        picture.LoadFromBytes({data, size});
    } catch (const pictures::PictureError&) {
        return 0;
    }
    const pictures::Picture shown = picture;
    const pictures::PixelRect extent = pictures::PictureRenderer::extent(shown);
    if (extent.width <= 0 || extent.height <= 0)
        return 0;

    // The top-left corner, the bottom-right corner, and an area reaching past the picture.
    const int width = std::min(extent.width, Window);
    const int height = std::min(extent.height, Window);
    drawChecked(shown, {0, 0, width, height});
    drawChecked(shown, {extent.width - width, extent.height - height, width, height});
    drawChecked(shown, {extent.width - width / 2 - 1, -3, width, height});
    return 0;
}
