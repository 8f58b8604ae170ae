#include "pictures/picturerenderer.h"

#include "pictures/bitmapsource.h"
#include "pictures/picturedata.h"

#include <algorithm>
#include <climits>

namespace pictures {

PixelRect PictureRenderer::extent(const Picture& picture)
{
    const PictureData* data = picture.data.get();
    if (!data || !data->hasPixels() || data->width() <= 0 || data->height() == 0)
        return {};
    // Top-down rows are drawn too; INT32_MIN rows do not fit an int and are cut by one.
    const std::int64_t rows = std::min<std::int64_t>(
        data->height() < 0 ? -std::int64_t(data->height()) : data->height(), INT_MAX);
    return {0, 0, data->width(), static_cast<int>(rows)};
}

PixelRect PictureRenderer::draw(
    const Picture& picture, PixelRect area, std::uint32_t* out, std::ptrdiff_t stride)
{
    const PixelRect whole = extent(picture);
    const std::int64_t left = std::max<std::int64_t>(area.x, 0);
    const std::int64_t top = std::max<std::int64_t>(area.y, 0);
    const std::int64_t right
        = std::min<std::int64_t>(std::int64_t(area.x) + area.width, whole.width);
    const std::int64_t bottom
        = std::min<std::int64_t>(std::int64_t(area.y) + area.height, whole.height);
    if (left >= right || top >= bottom)
        return {};

    const BitmapSource source(picture.data->block(), picture.data->format(), whole.height);
    std::uint32_t* origin = out + (top - area.y) * stride + (left - area.x);
    source.draw(int(left), int(top), int(right), int(bottom), origin, stride);
    return {int(left), int(top), int(right - left), int(bottom - top)};
}

} // namespace pictures
