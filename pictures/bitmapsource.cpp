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

// The loops below draw columns [left, end) of one stored row, all of which the row holds; the
// caller has checked that, so they test nothing per pixel.

void drawIndexed1(const std::uint8_t* row, std::size_t left, std::size_t end,
    const std::array<std::uint32_t, 256>& colours, std::uint32_t* out)
{
    // Whole bytes are drawn eight pixels at a time, the highest bit first; a row may start or
    // end mid-byte.
    const auto bitAt = [row](std::size_t x) { return row[x / 8] >> (7 - x % 8) & 1; };
    std::size_t x = left;
    for (; x < end && x % 8; ++x)
        *out++ = colours[bitAt(x)];
    for (; x + 8 <= end; x += 8) {
        const std::uint8_t eight = row[x / 8];
        for (int bit = 7; bit >= 0; --bit)
            *out++ = colours[eight >> bit & 1];
    }
    for (; x < end; ++x)
        *out++ = colours[bitAt(x)];
}

void drawIndexed4(const std::uint8_t* row, std::size_t left, std::size_t end,
    const std::array<std::uint32_t, 256>& colours, std::uint32_t* out)
{
    // Whole bytes are drawn a pair of pixels at a time; a row may start or end mid-byte.
    std::size_t x = left;
    if (x < end && x % 2)
        *out++ = colours[row[x++ / 2] & 0xF];
    for (; x + 2 <= end; x += 2) {
        const std::uint8_t pair = row[x / 2];
        *out++ = colours[pair >> 4];
        *out++ = colours[pair & 0xF];
    }
    if (x < end)
        *out++ = colours[row[x / 2] >> 4];
}

void drawIndexed8(const std::uint8_t* row, std::size_t left, std::size_t end,
    const std::array<std::uint32_t, 256>& colours, std::uint32_t* out)
{
    for (std::size_t x = left; x < end; ++x)
        *out++ = colours[row[x]];
}

// `rowBytes` is the length of the row, so the last pixel, which may end the row, is not read
// as a whole word.
void drawRgb24(const std::uint8_t* row, std::size_t left, std::size_t end, std::size_t rowBytes,
    std::uint32_t* out)
{
    // One 32-bit load a pixel while a fourth byte follows it in the row; the byte past blue,
    // green and red is masked off.
    const std::size_t wordEnd
        = rowBytes >= 4 ? std::clamp((rowBytes - 4) / 3 + 1, left, end) : left;
    std::size_t x = left;
    for (; x < wordEnd; ++x)
        *out++ = Black | (readUint32(row + x * 3) & 0xFFFFFF);
    for (; x < end; ++x, ++out) {
        const std::uint8_t* bgr = row + x * 3;
        *out = rgb(bgr[2], bgr[1], bgr[0]);
    }
}

void drawRgb32(const std::uint8_t* row, std::size_t left, std::size_t end, std::uint32_t* out)
{
    for (std::size_t x = left; x < end; ++x)
        *out++ = Black | (readUint32(row + x * 4) & 0xFFFFFF);
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

BitmapSource::PaletteColours BitmapSource::paletteColours() const
{
    PaletteColours colours;
    for (std::uint32_t index = 0; index < colours.size(); ++index)
        colours[index] = paletteColour(index);
    return colours;
}

std::uint32_t BitmapSource::maskedColour(std::uint32_t pixel) const
{
    return rgb(red.value(pixel), green.value(pixel), blue.value(pixel));
}

// The usual 32-bit layout, blue in the lowest byte, needs no shifting or scaling.
bool BitmapSource::hasPlainMasks32() const
{
    return red.mask == 0xFF0000 && green.mask == 0x00FF00 && blue.mask == 0x0000FF;
}

void BitmapSource::drawMasked16(
    const std::uint8_t* row, std::size_t left, std::size_t end, std::uint32_t* out) const
{
    for (std::size_t x = left; x < end; ++x)
        *out++ = maskedColour(readUint16(row + x * 2));
}

void BitmapSource::drawMasked32(
    const std::uint8_t* row, std::size_t left, std::size_t end, std::uint32_t* out) const
{
    for (std::size_t x = left; x < end; ++x)
        *out++ = maskedColour(readUint32(row + x * 4));
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

std::size_t BitmapSource::columnsHeld(std::size_t rowBytes) const
{
    switch (kind) {
    case Kind::Indexed1:
        return rowBytes * 8;
    case Kind::Indexed4:
        return rowBytes * 2;
    case Kind::Indexed8:
        return rowBytes;
    case Kind::Masked16:
        return rowBytes / 2;
    case Kind::Rgb24:
        return rowBytes / 3;
    case Kind::Masked32:
        return rowBytes / 4;
    case Kind::Rle8:
    case Kind::Rle4:
    case Kind::Unknown:
        break;
    }
    return 0;
}

void BitmapSource::drawRow(std::span<const std::uint8_t> row, std::size_t left, std::size_t right,
    const PaletteColours& colours, std::uint32_t* out) const
{
    // The bounds are settled here once, so the loops below read every column they are given.
    const std::size_t end = std::clamp(columnsHeld(row.size()), left, right);
    const std::uint8_t* bytes = row.data();
    switch (kind) {
    case Kind::Indexed1:
        drawIndexed1(bytes, left, end, colours, out);
        break;
    case Kind::Indexed4:
        drawIndexed4(bytes, left, end, colours, out);
        break;
    case Kind::Indexed8:
        drawIndexed8(bytes, left, end, colours, out);
        break;
    case Kind::Masked16:
        drawMasked16(bytes, left, end, out);
        break;
    case Kind::Rgb24:
        drawRgb24(bytes, left, end, row.size(), out);
        break;
    case Kind::Masked32:
        if (hasPlainMasks32())
            drawRgb32(bytes, left, end, out);
        else
            drawMasked32(bytes, left, end, out);
        break;
    case Kind::Rle8:
    case Kind::Rle4:
    case Kind::Unknown:
        break;
    }
    // Columns past the end of a short row have no data.
    std::fill(out + (end - left), out + (right - left), Black);
}

void BitmapSource::draw(
    int left, int top, int right, int bottom, std::uint32_t* origin, std::ptrdiff_t stride) const
{
    if (kind == Kind::Rle8 || kind == Kind::Rle4) {
        drawRunLength(left, top, right, bottom, origin, stride);
        return;
    }
    const PaletteColours colours = paletteColours();
    for (int y = top; y < bottom; ++y, origin += stride)
        drawRow(storedRow(y), std::size_t(left), std::size_t(right), colours, origin);
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
