#include "pictures/bitmapformat.h"

namespace pictures {

namespace {

constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t CoreHeaderSize = 12;

std::uint64_t defaultPaletteEntries(std::uint16_t bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

} // namespace

HeaderCheck readBitmapFormat(std::span<const std::uint8_t> block, BitmapFormat& format)
{
    if (block.size() < 4)
        return HeaderCheck::Truncated;
    const std::uint32_t headerSize = readUint32(block.data());
    if (headerSize != InfoHeaderSize && headerSize != CoreHeaderSize)
        return HeaderCheck::UnknownSize;
    if (block.size() < headerSize)
        return HeaderCheck::Truncated;

    const std::uint8_t* header = block.data();
    BitmapFormat read;
    read.headerSize = headerSize;
    read.paletteOffset = headerSize;
    if (headerSize == InfoHeaderSize) {
        read.width = static_cast<std::int32_t>(readUint32(header + 4));
        read.height = static_cast<std::int32_t>(readUint32(header + 8));
        read.bitsPerPixel = readUint16(header + 14);
        read.compression = readUint32(header + 16);
        const std::uint32_t coloursUsed = readUint32(header + 32);
        read.paletteEntrySize = 4;
        read.paletteEntries
            = coloursUsed != 0 ? coloursUsed : defaultPaletteEntries(read.bitsPerPixel);
    } else {
        read.width = readUint16(header + 4);
        read.height = readUint16(header + 6);
        read.bitsPerPixel = readUint16(header + 10);
        read.compression = static_cast<std::uint32_t>(Compression::None);
        read.paletteEntrySize = 3;
        read.paletteEntries = defaultPaletteEntries(read.bitsPerPixel);
    }
    read.pixelOffset = read.paletteOffset + read.paletteEntries * read.paletteEntrySize;
    format = read;
    return HeaderCheck::Known;
}

} // namespace pictures
