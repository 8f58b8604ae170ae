#pragma once

#include "pictures/bitmapformat.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace pictures {

// Decodes the pixels of a picture's block into 0xFFRRGGBB, reading only inside the block.
// Pixels the block does not hold (a short file, a palette index past the colour table, a
// format drawing does not know) come out black.
class BitmapSource
{
public:
    BitmapSource(
        std::span<const std::uint8_t> block, const BitmapFormat& format, std::int64_t rows);

    // Draws columns [left, right) of rows [top, bottom), in picture coordinates within the
    // picture; `origin` stands for (left, top) and its rows are `stride` pixels apart.
    void draw(int left, int top, int right, int bottom, std::uint32_t* origin,
        std::ptrdiff_t stride) const;

private:
    enum class Kind {
        Indexed1,
        Indexed4,
        Indexed8,
        Masked16,
        Rgb24,
        Masked32,
        Rle8,
        Rle4,
        Unknown,
    };

    struct Channel
    {
        std::uint32_t mask = 0;
        int shift = 0;
        int bits = 0;

        static Channel of(std::uint32_t mask);
        std::uint32_t value(std::uint32_t pixel) const;
    };

    // The colour of every index a pixel of up to 8 bits can hold.
    using PaletteColours = std::array<std::uint32_t, 256>;

    void setMasks(std::uint32_t red, std::uint32_t green, std::uint32_t blue);
    std::uint32_t paletteColour(std::uint32_t index) const;
    PaletteColours paletteColours() const;
    std::uint32_t maskedColour(std::uint32_t pixel) const;
    bool hasPlainMasks32() const;
    std::span<const std::uint8_t> storedRow(std::int64_t y) const;
    std::size_t columnsHeld(std::size_t rowBytes) const;
    void drawRow(std::span<const std::uint8_t> row, std::size_t left, std::size_t right,
        const PaletteColours& colours, std::uint32_t* out) const;
    void drawMasked16(
        const std::uint8_t* row, std::size_t left, std::size_t end, std::uint32_t* out) const;
    void drawMasked32(
        const std::uint8_t* row, std::size_t left, std::size_t end, std::uint32_t* out) const;
    void drawRunLength(int left, int top, int right, int bottom, std::uint32_t* origin,
        std::ptrdiff_t stride) const;

    Kind kind = Kind::Unknown;
    std::int64_t rows = 0;
    bool topDown = false;
    std::uint64_t rowSize = 0;
    std::span<const std::uint8_t> palette;
    std::size_t paletteEntrySize = 4;
    std::span<const std::uint8_t> pixels;
    Channel red, green, blue;
};

} // namespace pictures
