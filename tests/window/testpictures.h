#pragma once

#include "pictures/picture.h"

#include <QColor>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

// A whole 24-bit BMP file of one colour, with one pixel of another where `spot` says.
struct SpotPixel
{
    int x = -1;
    int y = -1;
    QColor colour;
};
std::vector<std::uint8_t> solidBmp(int width, int height, QColor colour, SpotPixel spot = {});

pictures::Picture solidPicture(int width, int height, QColor colour, SpotPixel spot = {});

// Shows colours as rgb(r, g, b) in test failures.
inline void PrintTo(const QColor& colour, std::ostream* out)
{
    *out << "rgb(" << colour.red() << ", " << colour.green() << ", " << colour.blue() << ")";
}

void writeFile(const std::string& name, const std::vector<std::uint8_t>& bytes);
