#pragma once

#include "pictures/blockallocator.h"
#include "pictures/picture.h"
#include "pictures/picturerenderer.h"

#include <cstdint>
#include <span>
#include <vector>

// Everything a picture draws, row by row, as 0xFFRRGGBB.
inline std::vector<std::uint32_t> drawWhole(const pictures::Picture& picture)
{
    const pictures::PixelRect area = pictures::PictureRenderer::extent(picture);
    std::vector<std::uint32_t> pixels(std::size_t(area.width) * area.height, 0);
    pictures::PictureRenderer::draw(picture, area, pixels.data(), area.width);
    return pixels;
}

// An allocator with no memory at all.
inline pictures::Block noMemory(std::size_t)
{
    return nullptr;
}

inline pictures::Picture blankPicture()
{
    pictures::Picture picture;
    picture.SetWidth(200);
    picture.SetHeight(150);
    return picture;
}

inline std::span<const std::uint8_t> asSpan(const std::vector<std::uint8_t>& bytes)
{
    return bytes;
}
