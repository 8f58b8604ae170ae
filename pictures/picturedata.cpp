#include "pictures/picturedata.h"

#include <algorithm>
#include <utility>

namespace pictures {

namespace {

constexpr std::size_t BlankHeaderSize = 40;

void writeUint16(std::uint8_t* at, std::uint16_t value)
{
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void writeUint32(std::uint8_t* at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

} // namespace

std::shared_ptr<const PictureData> PictureData::sizeOnly(int width, int height)
{
    auto data = std::make_shared<PictureData>();
    data->pictureWidth = width;
    data->pictureHeight = height;
    return data;
}

std::shared_ptr<const PictureData> PictureData::blank(
    int width, int height, const BlockAllocator& allocate)
{
    // A blank picture is kept like a loaded one, 24 bits per pixel, so drawing has one path.
    const std::uint64_t rowSize = (std::uint64_t(width) * 24 + 31) / 32 * 4;
    const std::uint64_t pixelsSize = rowSize * std::uint64_t(height);
    if (pixelsSize > MaxBlockSize)
        return nullptr;
    const std::size_t size = BlankHeaderSize + pixelsSize;
    Block block = allocate(size);
    if (!block)
        return nullptr;

    std::uint8_t* header = block.get();
    std::fill_n(header, BlankHeaderSize, std::uint8_t(0));
    writeUint32(header, BlankHeaderSize);
    writeUint32(header + 4, static_cast<std::uint32_t>(width));
    writeUint32(header + 8, static_cast<std::uint32_t>(height));
    writeUint16(header + 12, 1);
    writeUint16(header + 14, 24);
    writeUint32(header + 20, static_cast<std::uint32_t>(pixelsSize));
    std::fill_n(header + BlankHeaderSize, pixelsSize, std::uint8_t(0xFF));

    BitmapFormat format;
    readBitmapFormat({block.get(), size}, format);
    return loaded(std::move(block), size, format);
}

std::shared_ptr<const PictureData> PictureData::loaded(
    Block block, std::size_t size, const BitmapFormat& format)
{
    auto data = std::make_shared<PictureData>();
    data->pictureWidth = format.width;
    data->pictureHeight = format.height;
    data->blockBytes = std::move(block);
    data->blockSize = size;
    data->bitmapFormat = format;
    return data;
}

} // namespace pictures
