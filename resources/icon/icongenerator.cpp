// Draws the program icon, a purple mallet on a transparent ground: the 32 × 32, 16-colour icon
// built into the program and the same design in PNG at 32 and 256 pixels for desktop menus.
// Usage: icongenerator OUTPUT_FOLDER

#include <QColor>
#include <QImage>

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int IconSize = 32;
constexpr int LargeSize = 256;
const QColor Purple(128, 0, 128);
// Where purple stands in the standard 16-colour palette.
constexpr std::uint8_t PurpleIndex = 5;

struct Ellipse
{
    double x, y, radiusX, radiusY;
};

struct Point
{
    double x, y;
};

// The design, in the icon's own 32-unit coordinates (y down). The head is a union of ellipses
// filling the upper left two thirds; the handle a thick stroke towards the lower right corner.
constexpr std::array HeadParts {Ellipse {11, 10, 9, 7.5}, Ellipse {8, 15, 6.5, 5.5},
    Ellipse {16, 7, 5.5, 5}, Ellipse {15, 14, 5, 4.5}};
constexpr Point HandleStart {15, 15};
constexpr Point HandleEnd {26, 26};
constexpr double HandleHalfWidth = 2.6;
// Discs of 4 × 4 pixels: two at the right edge, one low at the left edge, two near the bottom
// edge, and one cut off by the top edge.
constexpr double DiscRadius = 2;
constexpr std::array Discs {
    Point {30, 12}, Point {30, 20}, Point {2, 24}, Point {9, 29}, Point {18, 30}, Point {24, 0}};

bool insideEllipse(const Ellipse& e, double x, double y)
{
    const double dx = (x - e.x) / e.radiusX;
    const double dy = (y - e.y) / e.radiusY;
    return dx * dx + dy * dy <= 1;
}

bool insideHandle(double x, double y)
{
    const double lineX = HandleEnd.x - HandleStart.x;
    const double lineY = HandleEnd.y - HandleStart.y;
    double along = ((x - HandleStart.x) * lineX + (y - HandleStart.y) * lineY)
        / (lineX * lineX + lineY * lineY);
    along = along < 0 ? 0 : (along > 1 ? 1 : along);
    const double dx = x - (HandleStart.x + along * lineX);
    const double dy = y - (HandleStart.y + along * lineY);
    return dx * dx + dy * dy <= HandleHalfWidth * HandleHalfWidth;
}

bool insideMallet(double x, double y)
{
    for (const Ellipse& part : HeadParts) {
        if (insideEllipse(part, x, y))
            return true;
    }
    for (const Point& disc : Discs) {
        const double dx = x - disc.x;
        const double dy = y - disc.y;
        if (dx * dx + dy * dy <= DiscRadius * DiscRadius)
            return true;
    }
    return insideHandle(x, y);
}

// The 32 × 32 mask: a pixel is purple when its centre lies inside the design.
std::vector<bool> iconMask()
{
    std::vector<bool> mask(IconSize * IconSize);
    for (int y = 0; y < IconSize; ++y) {
        for (int x = 0; x < IconSize; ++x)
            mask[y * IconSize + x] = insideMallet(x + 0.5, y + 0.5);
    }
    return mask;
}

QImage iconImage(const std::vector<bool>& mask)
{
    QImage image(IconSize, IconSize, QImage::Format_ARGB32);
    for (int y = 0; y < IconSize; ++y) {
        for (int x = 0; x < IconSize; ++x)
            image.setPixelColor(x, y, mask[y * IconSize + x] ? Purple : QColor(Qt::transparent));
    }
    return image;
}

// The same design at `size` pixels, its edges smoothed by 4 × 4 samples per pixel.
QImage largeImage(int size)
{
    constexpr int Samples = 4;
    const double unit = double(IconSize) / size;
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int covered = 0;
            for (int sy = 0; sy < Samples; ++sy) {
                for (int sx = 0; sx < Samples; ++sx) {
                    covered += insideMallet(
                        (x + (sx + 0.5) / Samples) * unit, (y + (sy + 0.5) / Samples) * unit);
                }
            }
            QColor colour = Purple;
            colour.setAlpha(255 * covered / (Samples * Samples));
            image.setPixelColor(x, y, colour);
        }
    }
    return image;
}

void put16(std::string& out, unsigned value)
{
    out += char(value & 0xFF);
    out += char((value >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// A Windows icon file with one 32 × 32 image of 4 bits per pixel: the colour bitmap with the
// standard 16-colour palette, then the transparency mask, both bottom row first.
std::string icoFile(const std::vector<bool>& mask)
{
    constexpr std::array<std::array<std::uint8_t, 3>, 16> Palette {
        {{0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0}, {0, 0, 128}, {128, 0, 128},
            {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},
            {255, 255, 0}, {0, 0, 255}, {255, 0, 255}, {0, 255, 255}, {255, 255, 255}}};
    constexpr std::uint32_t HeaderSize = 40;
    constexpr std::uint32_t ColourRowBytes = IconSize / 2;
    constexpr std::uint32_t MaskRowBytes = IconSize / 8;
    constexpr std::uint32_t PixelBytes = (ColourRowBytes + MaskRowBytes) * IconSize;
    constexpr std::uint32_t ImageBytes = HeaderSize + 4 * Palette.size() + PixelBytes;

    std::string out;
    put16(out, 0); // reserved
    put16(out, 1); // an icon
    put16(out, 1); // one image
    out += char(IconSize);
    out += char(IconSize);
    out += char(Palette.size());
    out += char(0);
    put16(out, 1); // planes
    put16(out, 4); // bits per pixel
    put32(out, ImageBytes);
    put32(out, 6 + 16); // the image follows the directory

    put32(out, HeaderSize);
    put32(out, IconSize);
    put32(out, 2 * IconSize); // colour bitmap and mask
    put16(out, 1);
    put16(out, 4);
    put32(out, 0); // no compression
    put32(out, PixelBytes);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (const auto& [red, green, blue] : Palette) {
        out += char(blue);
        out += char(green);
        out += char(red);
        out += char(0);
    }
    for (int y = IconSize - 1; y >= 0; --y) {
        for (int x = 0; x < IconSize; x += 2) {
            const std::uint8_t left = mask[y * IconSize + x] ? PurpleIndex : 0;
            const std::uint8_t right = mask[y * IconSize + x + 1] ? PurpleIndex : 0;
            out += char((left << 4) | right);
        }
    }
    for (int y = IconSize - 1; y >= 0; --y) {
        for (int x = 0; x < IconSize; x += 8) {
            std::uint8_t bits = 0;
            for (int bit = 0; bit < 8; ++bit)
                bits |= mask[y * IconSize + x + bit] ? 0 : 0x80 >> bit;
            out += char(bits);
        }
    }
    return out;
}

bool writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(file);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: icongenerator OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const std::string folder = std::string(argv[1]) + '/';
    const std::vector<bool> mask = iconMask();
    const bool written = writeFile(folder + "mainicon.ico", icoFile(mask))
        && iconImage(mask).save(QString::fromStdString(folder + "zoddle-32.png"))
        && largeImage(LargeSize).save(QString::fromStdString(folder + "zoddle-256.png"));
    if (!written) {
        std::fprintf(stderr, "icongenerator: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
