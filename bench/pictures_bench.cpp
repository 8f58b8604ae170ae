// Reading the five picture files the way the window's creation does, from the working directory,
// and drawing one 200 × 150 frame of a picture at each bit depth the game is made for.
#include "pictures/picture.h"
#include "pictures/picturerenderer.h"
#include "pictures/pictureset.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace {

constexpr int FrameWidth = 200;
constexpr int FrameHeight = 150;

void putUint16(std::vector<std::uint8_t>& bytes, std::uint16_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void putUint32(std::vector<std::uint8_t>& bytes, std::uint32_t value)
{
    putUint16(bytes, static_cast<std::uint16_t>(value));
    putUint16(bytes, static_cast<std::uint16_t>(value >> 16));
}

// A whole 200 × 150 BMP file: bottom row first, rows padded to four bytes, a grey-ramp colour
// table for the indexed depths, and pixel bytes that vary so no run repeats.
std::vector<std::uint8_t> bmpFile(int bitsPerPixel)
{
    const std::uint32_t colours = bitsPerPixel <= 8 ? 1U << bitsPerPixel : 0;
    const std::uint32_t rowSize = (FrameWidth * bitsPerPixel + 31) / 32 * 4;
    const std::uint32_t pixelOffset = 14 + 40 + colours * 4;
    std::vector<std::uint8_t> bytes {'B', 'M'};
    putUint32(bytes, pixelOffset + rowSize * FrameHeight);
    putUint32(bytes, 0);
    putUint32(bytes, pixelOffset);
    putUint32(bytes, 40);
    putUint32(bytes, FrameWidth);
    putUint32(bytes, FrameHeight);
    putUint16(bytes, 1);
    putUint16(bytes, static_cast<std::uint16_t>(bitsPerPixel));
    putUint32(bytes, 0);
    putUint32(bytes, rowSize * FrameHeight);
    putUint32(bytes, 2835);
    putUint32(bytes, 2835);
    putUint32(bytes, 0);
    putUint32(bytes, 0);
    for (std::uint32_t index = 0; index < colours; ++index) {
        const auto grey = static_cast<std::uint8_t>(index * 255 / (colours - 1));
        bytes.insert(bytes.end(), {grey, grey, grey, 0});
    }
    for (std::uint32_t at = 0; at < rowSize * FrameHeight; ++at)
        bytes.push_back(static_cast<std::uint8_t>(at * 7 + at / rowSize));
    return bytes;
}

// The five game pictures made blank and read from DATA1.bmp to DATA5.bmp.
void ReadFiveSamples(benchmark::State& state)
{
    for (auto _ : state) {
        std::optional<pictures::Picture> read[pictures::PictureCount];
        pictures::createAndLoadPictures({&read[0], &read[1], &read[2], &read[3], &read[4]});
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(ReadFiveSamples)->Unit(benchmark::kMicrosecond);

// One whole frame of a 200 × 150 picture turned into 32-bit pixels; the argument is the depth.
void DrawFrame(benchmark::State& state)
{
    const std::vector<std::uint8_t> file = bmpFile(static_cast<int>(state.range(0)));
    pictures::Picture picture;
    picture.LoadFromBytes(file);
    std::vector<std::uint32_t> frame(FrameWidth * FrameHeight);
    for (auto _ : state) {
        pictures::PictureRenderer::draw(
            picture, {0, 0, FrameWidth, FrameHeight}, frame.data(), FrameWidth);
        benchmark::DoNotOptimize(frame.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(DrawFrame)->Arg(1)->Arg(4)->Arg(8)->Arg(24)->Unit(benchmark::kMicrosecond);

} // namespace
