#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// Builds BMP files byte by byte, so that each test shows exactly what its file holds.
using Bytes = std::vector<std::uint8_t>;

inline void appendUint16(Bytes& bytes, std::uint32_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void appendUint32(Bytes& bytes, std::uint32_t value)
{
    appendUint16(bytes, value & 0xFFFF);
    appendUint16(bytes, value >> 16);
}

inline Bytes concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

inline Bytes firstBytes(Bytes bytes, std::size_t count)
{
    bytes.resize(count);
    return bytes;
}

// The 40-byte Windows information header.
inline Bytes infoHeader(std::int32_t width, std::int32_t height, std::uint16_t bitsPerPixel,
    std::uint32_t compression = 0, std::uint32_t coloursUsed = 0)
{
    Bytes header;
    appendUint32(header, 40);
    appendUint32(header, static_cast<std::uint32_t>(width));
    appendUint32(header, static_cast<std::uint32_t>(height));
    appendUint16(header, 1);
    appendUint16(header, bitsPerPixel);
    appendUint32(header, compression);
    appendUint32(header, 0);
    appendUint32(header, 3780);
    appendUint32(header, 3780);
    appendUint32(header, coloursUsed);
    appendUint32(header, 0);
    return header;
}

// The 12-byte OS/2 core header.
inline Bytes coreHeader(std::uint16_t width, std::uint16_t height, std::uint16_t bitsPerPixel)
{
    Bytes header;
    appendUint32(header, 12);
    appendUint16(header, width);
    appendUint16(header, height);
    appendUint16(header, 1);
    appendUint16(header, bitsPerPixel);
    return header;
}

// A header of another size, such as the 108- and 124-byte ones, that starts like the 40-byte one.
inline Bytes headerOfSize(std::uint32_t size, std::int32_t width, std::int32_t height)
{
    Bytes header = infoHeader(width, height, 24);
    header[0] = static_cast<std::uint8_t>(size);
    header.resize(size, 0);
    return header;
}

// Colour table entries of 4 bytes (blue, green, red, reserved) from 0xRRGGBB values.
inline Bytes palette(std::initializer_list<std::uint32_t> colours)
{
    Bytes table;
    for (std::uint32_t colour : colours) {
        table.push_back(static_cast<std::uint8_t>(colour));
        table.push_back(static_cast<std::uint8_t>(colour >> 8));
        table.push_back(static_cast<std::uint8_t>(colour >> 16));
        table.push_back(0);
    }
    return table;
}

// A whole file: "BM", the file size, the reserved words and the pixel offset, then `block`.
inline Bytes bmpFile(const Bytes& block)
{
    Bytes file {'B', 'M'};
    appendUint32(file, static_cast<std::uint32_t>(14 + block.size()));
    appendUint32(file, 0);
    appendUint32(file, 14 + 40);
    file.insert(file.end(), block.begin(), block.end());
    return file;
}

// A valid 24-bit file of the given size, every pixel `colour` (0xRRGGBB).
inline Bytes solidFile(int width, int height, std::uint32_t colour)
{
    Bytes block = infoHeader(width, height, 24);
    const int rowSize = (width * 3 + 3) / 4 * 4;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            block.push_back(static_cast<std::uint8_t>(colour));
            block.push_back(static_cast<std::uint8_t>(colour >> 8));
            block.push_back(static_cast<std::uint8_t>(colour >> 16));
        }
        block.resize(block.size() + (rowSize - width * 3), 0);
    }
    return bmpFile(block);
}
