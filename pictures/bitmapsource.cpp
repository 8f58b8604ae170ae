#include "pictures/bitmapsource.h"

#include <algorithm>
#include <bit>

namespace pictures {

namespace {

constexpr std::uint32_t Black = 0xFF000000;
constexpr std::uint64_t MaskBytes = 12;

std::uint32_t rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    return 0xFF000000 | red << 16 | green << 8 | blue;
}

// The part of `block` from `offset` on, empty when the offset lies past its end.
std::span<const std::uint8_t> from(std::span<const std::uint8_t> block, std::uint64_t offset)
{
    return offset <= block.size() ? block.subspan(static_cast<std::size_t>(offset))
                                  : std::span<const std::uint8_t>();
}

} // namespace

BitmapSource::Channel BitmapSource::Channel::of(std::uint32_t mask)
{
    if (mask == 0)
        return {};
    const int shift = std::countr_zero(mask);
    return {mask, shift, static_cast<int>(std::bit_width(mask >> shift))};
}

std::uint32_t BitmapSource::Channel::value(std::uint32_t pixel) const
{
    if (bits == 0)
        return 0;
    const std::uint64_t raw = (pixel & mask) >> shift;
    if (bits >= 8)
        return static_cast<std::uint32_t>(raw >> (bits - 8));
    return static_cast<std::uint32_t>(raw * 255 / ((std::uint64_t(1) << bits) - 1));
}

BitmapSource::BitmapSource(
    std::span<const std::uint8_t> block, const BitmapFormat& format, std::int64_t rows)
    : rows(rows)
    , topDown(format.height < 0)
{
    const auto compression = static_cast<Compression>(format.compression);
    const std::uint16_t depth = format.bitsPerPixel;
    rowSize = (std::uint64_t(std::max(format.width, 0)) * depth + 31) / 32 * 4;
    paletteEntrySize = static_cast<std::size_t>(format.paletteEntrySize);
    const std::span<const std::uint8_t> table = from(block, format.paletteOffset);
    const std::uint64_t entries
        = std::min<std::uint64_t>(format.paletteEntries, table.size() / paletteEntrySize);
    palette = table.first(static_cast<std::size_t>(entries * paletteEntrySize));
    pixels = from(block, format.pixelOffset);

    if (compression == Compression::None) {
        switch (depth) {
        case 1:
            kind = Kind::Indexed1;
            break;
        case 4:
            kind = Kind::Indexed4;
            break;
        case 8:
            kind = Kind::Indexed8;
            break;
        case 16:
            kind = Kind::Masked16;
            setMasks(0x7C00, 0x03E0, 0x001F);
            break;
        case 24:
            kind = Kind::Rgb24;
            break;
        case 32:
            kind = Kind::Masked32;
            setMasks(0xFF0000, 0x00FF00, 0x0000FF);
            break;
        }
    } else if (compression == Compression::Rle8 && depth == 8) {
        kind = Kind::Rle8;
    } else if (compression == Compression::Rle4 && depth == 4) {
        kind = Kind::Rle4;
    } else if (compression == Compression::BitFields && (depth == 16 || depth == 32)) {
        // The three masks come where the pixels would otherwise begin.
        kind = depth == 16 ? Kind::Masked16 : Kind::Masked32;
        if (pixels.size() >= MaskBytes)
            setMasks(readUint32(pixels.data()), readUint32(pixels.data() + 4),
                readUint32(pixels.data() + 8));
        pixels = from(pixels, MaskBytes);
    }
}

void BitmapSource::setMasks(std::uint32_t redMask, std::uint32_t greenMask, std::uint32_t blueMask)
{
    red = Channel::of(redMask);
    green = Channel::of(greenMask);
    blue = Channel::of(blueMask);
}

std::uint32_t BitmapSource::paletteColour(std::uint32_t index) const
{
    const std::uint64_t at = std::uint64_t(index) * paletteEntrySize;
    if (at >= palette.size())
        return Black;
    return rgb(palette[at + 2], palette[at + 1], palette[at]);
}

std::uint32_t BitmapSource::maskedColour(std::uint32_t pixel) const
{
    return rgb(red.value(pixel), green.value(pixel), blue.value(pixel));
}

std::span<const std::uint8_t> BitmapSource::storedRow(std::int64_t y) const
{
    const auto stored = static_cast<std::uint64_t>(topDown ? y : rows - 1 - y);
    if (rowSize == 0 || pixels.empty() || stored > (pixels.size() - 1) / rowSize)
        return {};
    const std::uint64_t start = stored * rowSize;
    return pixels.subspan(
        static_cast<std::size_t>(start), std::min<std::uint64_t>(rowSize, pixels.size() - start));
}

void BitmapSource::drawRow(std::span<const std::uint8_t> row, std::int64_t left, std::int64_t right,
    std::uint32_t* out) const
{
    const std::uint64_t size = row.size();
    for (std::int64_t x = left; x < right; ++x, ++out) {
        const auto column = static_cast<std::uint64_t>(x);
        std::uint32_t colour = Black;
        switch (kind) {
        case Kind::Indexed1:
            if (column / 8 < size)
                colour = paletteColour(row[column / 8] >> (7 - column % 8) & 1);
            break;
        case Kind::Indexed4:
            if (column / 2 < size)
                colour = paletteColour(row[column / 2] >> (column % 2 ? 0 : 4) & 0xF);
            break;
        case Kind::Indexed8:
            if (column < size)
                colour = paletteColour(row[column]);
            break;
        case Kind::Masked16:
            if (column * 2 + 2 <= size)
                colour = maskedColour(readUint16(&row[column * 2]));
            break;
        case Kind::Rgb24:
            if (column * 3 + 3 <= size) {
                const std::uint8_t* bgr = &row[column * 3];
                colour = rgb(bgr[2], bgr[1], bgr[0]);
            }
            break;
        case Kind::Masked32:
            if (column * 4 + 4 <= size)
                colour = maskedColour(readUint32(&row[column * 4]));
            break;
        case Kind::Rle8:
        case Kind::Rle4:
        case Kind::Unknown:
            break;
        }
        *out = colour;
    }
}

void BitmapSource::draw(
    int left, int top, int right, int bottom, std::uint32_t* origin, std::ptrdiff_t stride) const
{
    if (kind == Kind::Rle8 || kind == Kind::Rle4) {
        drawRunLength(left, top, right, bottom, origin, stride);
        return;
    }
    for (int y = top; y < bottom; ++y, origin += stride)
        drawRow(storedRow(y), left, right, origin);
}

void BitmapSource::drawRunLength(
    int left, int top, int right, int bottom, std::uint32_t* origin, std::ptrdiff_t stride) const
{
    // Pixels the runs never reach stay black, like a fresh bitmap on screen.
    for (int y = top; y < bottom; ++y)
        std::fill(origin + (y - top) * stride, origin + (y - top) * stride + (right - left), Black);

    // Rows are counted in the order they are stored: only those inside [first, last] are drawn,
    // and decoding stops after the last one.
    const std::int64_t first = topDown ? top : rows - bottom;
    const std::int64_t last = topDown ? bottom - 1 : rows - 1 - top;
    const bool fourBits = kind == Kind::Rle4;
    const std::uint8_t* stream = pixels.data();
    const std::size_t size = pixels.size();

    std::int64_t x = 0;
    std::int64_t row = 0;
    // Puts `count` pixels from column x on; the i-th has the colour index indexAt(i).
    const auto put = [&](std::int64_t count, auto indexAt) {
        if (row < first || row > last)
            return;
        const std::int64_t y = topDown ? row : rows - 1 - row;
        std::uint32_t* line = origin + (y - top) * stride;
        const std::int64_t from = std::max<std::int64_t>(x, left);
        const std::int64_t to = std::min<std::int64_t>(x + count, right);
        for (std::int64_t column = from; column < to; ++column)
            line[column - left] = paletteColour(static_cast<std::uint32_t>(indexAt(column - x)));
    };

    std::size_t at = 0;
    while (at + 2 <= size && row <= last) {
        const std::uint8_t count = stream[at];
        const std::uint8_t value = stream[at + 1];
        at += 2;
        if (count > 0) {
            put(count, [&](std::int64_t i) -> std::uint32_t {
                if (!fourBits)
                    return value;
                return i % 2 ? value & 0xF : value >> 4;
            });
            x += count;
        } else if (value == 0) {
            ++row;
            x = 0;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (at + 2 > size)
                break;
            x += stream[at];
            row += stream[at + 1];
            at += 2;
        } else {
            // A literal run of `value` indices, padded to a whole number of 16-bit words.
            const std::size_t bytes = fourBits ? (value + 1) / 2 : value;
            const std::size_t available = std::min(bytes, size - at);
            const std::int64_t usable = fourBits ? std::int64_t(available) * 2 : available;
            const std::uint8_t* literal = stream + at;
            put(std::min<std::int64_t>(value, usable), [&](std::int64_t i) -> std::uint32_t {
                if (!fourBits)
                    return literal[i];
                return i % 2 ? literal[i / 2] & 0xF : literal[i / 2] >> 4;
            });
            if (available < bytes)
                break;
            x += value;
            at += bytes + bytes % 2;
        }
    }
}

} // namespace pictures
