#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace pictures {

// The values of a BMP file's compression field that drawing knows.
enum class Compression : std::uint32_t {
    None = 0,
    Rle8 = 1,
    Rle4 = 2,
    BitFields = 3,
};

// What the bitmap header at the start of a picture's block says, with the places of the colour
// table and the pixels in the block. The counts and offsets are as claimed: they may reach past
// the end of the block, and whoever reads there must check.
struct BitmapFormat
{
    std::uint32_t headerSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint64_t paletteOffset = 0;
    std::uint64_t paletteEntrySize = 0;
    std::uint64_t paletteEntries = 0;
    std::uint64_t pixelOffset = 0;
};

enum class HeaderCheck {
    Known,
    Truncated,
    UnknownSize,
};

// Reads the Windows information header (40 bytes) or the OS/2 core header (12 bytes) at the
// start of `block`. Fills `format` only when the result is Known.
HeaderCheck readBitmapFormat(std::span<const std::uint8_t> block, BitmapFormat& format);

// Little-endian fields; the caller has checked that the bytes are there. Inline, because the
// pixel loops read one per pixel.
inline std::uint16_t readUint16(const std::uint8_t* bytes)
{
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

inline std::uint32_t readUint32(const std::uint8_t* bytes)
{
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16
        | std::uint32_t(bytes[3]) << 24;
}

} // namespace pictures
