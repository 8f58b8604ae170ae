#pragma once

#include "pictures/bitmapformat.h"
#include "pictures/blockallocator.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace pictures {

// The data a picture and its copies share: a size, and for a picture with pixels the block that
// holds a bitmap header, a colour table and the pixels, never changed after it is made.
class PictureData
{
public:
    // A picture with a size but no pixels, such as 200 × 0 halfway through sizing.
    static std::shared_ptr<const PictureData> sizeOnly(int width, int height);
    // A white picture; null when `allocate` has no memory for its pixels.
    static std::shared_ptr<const PictureData> blank(
        int width, int height, const BlockAllocator& allocate);
    // A picture read from a file: its block and what the block's header says.
    static std::shared_ptr<const PictureData> loaded(
        Block block, std::size_t size, const BitmapFormat& format);

    int width() const { return pictureWidth; }
    int height() const { return pictureHeight; }
    bool hasPixels() const { return blockBytes != nullptr; }
    std::span<const std::uint8_t> block() const { return {blockBytes.get(), blockSize}; }
    const BitmapFormat& format() const { return bitmapFormat; }

private:
    int pictureWidth = 0;
    int pictureHeight = 0;
    Block blockBytes;
    std::size_t blockSize = 0;
    BitmapFormat bitmapFormat;
};

} // namespace pictures
