#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

std::uint8_t channel(double value)
{
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
}

} // namespace

Colour mix(Colour a, Colour b, double t)
{
    return {a.red + (b.red - a.red) * t, a.green + (b.green - a.green) * t,
        a.blue + (b.blue - a.blue) * t};
}

Canvas::Canvas(int width, int height, Colour background)
    : canvasWidth(width)
    , canvasHeight(height)
    , pixels(std::size_t(width) * height, background)
{ }

void Canvas::blend(int x, int y, Colour colour, double opacity)
{
    if (x < 0 || y < 0 || x >= canvasWidth || y >= canvasHeight)
        return;
    Colour& pixel = at(x, y);
    pixel = mix(pixel, colour, std::clamp(opacity, 0.0, 1.0));
}

std::vector<std::uint8_t> Canvas::bmpFile() const
{
    const std::uint32_t rowSize = (canvasWidth * 3 + 3) / 4 * 4;
    const std::uint32_t pixelsSize = rowSize * canvasHeight;
    const std::uint32_t pixelsOffset = 14 + 40;

    std::vector<std::uint8_t> file;
    file.reserve(pixelsOffset + pixelsSize);
    file.push_back('B');
    file.push_back('M');
    put32(file, pixelsOffset + pixelsSize);
    put32(file, 0);
    put32(file, pixelsOffset);
    put32(file, 40);
    put32(file, canvasWidth);
    put32(file, canvasHeight);
    put16(file, 1);
    put16(file, 24);
    put32(file, 0);
    put32(file, pixelsSize);
    put32(file, 3780); // 96 dots per inch, in dots per metre
    put32(file, 3780);
    put32(file, 0);
    put32(file, 0);
    for (int y = canvasHeight - 1; y >= 0; --y) {
        for (int x = 0; x < canvasWidth; ++x) {
            const Colour& pixel = at(x, y);
            file.push_back(channel(pixel.blue));
            file.push_back(channel(pixel.green));
            file.push_back(channel(pixel.red));
        }
        file.resize(file.size() + (rowSize - canvasWidth * 3), 0);
    }
    return file;
}
