#pragma once

#include <cstdint>
#include <vector>

// Colours as red, green, blue from 0 to 255, kept in floating point until written.
struct Colour
{
    double red = 0;
    double green = 0;
    double blue = 0;
};

Colour mix(Colour a, Colour b, double t);

// A 24-bit picture being drawn, with the origin at the top-left pixel.
class Canvas
{
public:
    Canvas(int width, int height, Colour background);

    int width() const { return canvasWidth; }
    int height() const { return canvasHeight; }
    Colour& at(int x, int y) { return pixels[std::size_t(y) * canvasWidth + x]; }
    const Colour& at(int x, int y) const { return pixels[std::size_t(y) * canvasWidth + x]; }

    // Lays `colour` over the pixel with the given opacity (0 to 1).
    void blend(int x, int y, Colour colour, double opacity);

    // The picture as a whole BMP file: 40-byte header, 24 bits per pixel, bottom row first.
    std::vector<std::uint8_t> bmpFile() const;

private:
    int canvasWidth;
    int canvasHeight;
    std::vector<Colour> pixels;
};
