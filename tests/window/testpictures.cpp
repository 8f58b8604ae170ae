#include "testpictures.h"

#include <fstream>

namespace {

void put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

} // namespace

std::vector<std::uint8_t> solidBmp(int width, int height, QColor colour, SpotPixel spot)
{
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    const std::size_t pixelBytes = rowBytes * static_cast<std::size_t>(height);
    std::vector<std::uint8_t> bytes(54 + pixelBytes, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    put32(bytes, 10, 54);
    put32(bytes, 14, 40);
    put32(bytes, 18, static_cast<std::uint32_t>(width));
    put32(bytes, 22, static_cast<std::uint32_t>(height));
    bytes[26] = 1;
    bytes[28] = 24;
    put32(bytes, 34, static_cast<std::uint32_t>(pixelBytes));
    for (int y = 0; y < height; ++y) {
        // Rows are stored bottom row first.
        const std::size_t row = 54 + rowBytes * static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const QColor& pixel = (x == spot.x && y == spot.y) ? spot.colour : colour;
            const std::size_t at = row + static_cast<std::size_t>(x) * 3;
            bytes[at] = static_cast<std::uint8_t>(pixel.blue());
            bytes[at + 1] = static_cast<std::uint8_t>(pixel.green());
            bytes[at + 2] = static_cast<std::uint8_t>(pixel.red());
        }
    }
    return bytes;
}

pictures::Picture solidPicture(int width, int height, QColor colour, SpotPixel spot)
{
    pictures::Picture picture;
    picture.LoadFromBytes(solidBmp(width, height, colour, spot));
    return picture;
}

void writeFile(const std::string& name, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(name, std::ios::binary);
    file.write(
        reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
