#pragma once

#include "pictures/blockallocator.h"
#include "pictures/picturedata.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

namespace pictures {

// Fills the span with the next bytes of the file; false when they cannot be read.
using ReadNext = std::function<bool(std::span<std::uint8_t> into)>;

// Reads a BMP file of `length` bytes from its start. Returns null for a file of length 0 (an
// empty picture) and throws PictureError with the player's message when the file cannot be
// used. The data after the 14-byte file header becomes the picture's block.
std::shared_ptr<const PictureData> readBmp(
    std::uint64_t length, const ReadNext& readNext, const BlockAllocator& allocate);

} // namespace pictures
