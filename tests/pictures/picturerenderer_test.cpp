#include "bmpbytes.h"
#include "picturetesting.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>
#include <vector>

using namespace pictures;
using Pixels = std::vector<std::uint32_t>;

namespace {

constexpr std::uint32_t Black = 0xFF000000;
constexpr std::uint32_t Untouched = 0x12345678;
constexpr std::uint32_t C0 = 0xFF102030;
constexpr std::uint32_t C1 = 0xFFA0B0C0;
constexpr std::uint32_t C2 = 0xFF00FF00;
constexpr std::uint32_t C3 = 0xFFFF0000;
const Bytes FourColours = palette({0x102030, 0xA0B0C0, 0x00FF00, 0xFF0000});

Picture load(const Bytes& block)
{
    Picture picture;
    picture.LoadFromBytes(bmpFile(block));
    return picture;
}

Bytes pad(Bytes row, std::size_t size)
{
    row.resize(size, 0);
    return row;
}

Bytes words(std::initializer_list<std::uint32_t> values, int bytesEach)
{
    Bytes bytes;
    for (std::uint32_t value : values) {
        if (bytesEach == 2)
            appendUint16(bytes, value);
        else
            appendUint32(bytes, value);
    }
    return bytes;
}

Bytes greyPalette256()
{
    Bytes table;
    for (int i = 0; i < 256; ++i)
        table.insert(table.end(), {std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i / 2), 0});
    return table;
}

std::uint32_t grey(int i)
{
    return 0xFF000000 | std::uint32_t(i / 2) << 16 | std::uint32_t(255 - i) << 8 | std::uint32_t(i);
}

struct Drawing
{
    const char* format;
    Bytes block;
    int width;
    int rows;
    // Top row first, as the view shows it.
    Pixels expected;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const Drawing& row, std::ostream* out)
{
    *out << row.format;
}

class PictureRendererDepthTest : public ::testing::TestWithParam<Drawing>
{
};

// Every depth and compression drawn against pixels worked out by hand.
TEST_P(PictureRendererDepthTest, DrawsTheHandComputedPixels)
{
    const Picture picture = load(GetParam().block);
    const PixelRect extent = PictureRenderer::extent(picture);
    EXPECT_EQ(extent.width, GetParam().width);
    EXPECT_EQ(extent.height, GetParam().rows);
    EXPECT_EQ(drawWhole(picture), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Formats, PictureRendererDepthTest,
    ::testing::Values(
        // Rows are stored bottom first and padded to four bytes.
        Drawing {"bits1",
            concat({infoHeader(3, 2, 1), palette({0x102030, 0xA0B0C0}), pad({0b0110'0000}, 4),
                pad({0b1010'0000}, 4)}),
            3, 2, {C1, C0, C1, C0, C1, C1}},
        Drawing {"bits4ColoursUsed",
            concat({infoHeader(3, 2, 4, 0, 4), FourColours, pad({0x11, 0x20}, 4),
                pad({0x20, 0x30}, 4)}),
            3, 2, {C2, C0, C3, C1, C1, C2}},
        Drawing {"bits8FullTable",
            concat(
                {infoHeader(3, 2, 8), greyPalette256(), pad({0, 1, 255}, 4), pad({128, 7, 64}, 4)}),
            3, 2, {grey(128), grey(7), grey(64), grey(0), grey(1), grey(255)}},
        Drawing {"bits16Rgb555",
            concat({infoHeader(2, 2, 16), words({0x7C00, 0x03E0}, 2), words({0x001F, 0x4210}, 2)}),
            2, 2, {0xFF0000FF, 0xFF838383, 0xFFFF0000, 0xFF00FF00}},
        Drawing {"bits16Masks565",
            concat({infoHeader(2, 1, 16, 3), words({0xF800, 0x07E0, 0x001F}, 4),
                words({0x0821, 0x07E0}, 2)}),
            2, 1, {0xFF080408, 0xFF00FF00}},
        Drawing {"bits24",
            concat({infoHeader(2, 2, 24), pad({1, 2, 3, 4, 5, 6}, 8),
                pad({0x30, 0x20, 0x10, 0xC0, 0xB0, 0xA0}, 8)}),
            2, 2, {C0, C1, 0xFF030201, 0xFF060504}},
        Drawing {"bits24TopDown",
            concat({infoHeader(2, -2, 24), pad({0x30, 0x20, 0x10, 0xC0, 0xB0, 0xA0}, 8),
                pad({1, 2, 3, 4, 5, 6}, 8)}),
            2, 2, {C0, C1, 0xFF030201, 0xFF060504}},
        Drawing {"bits32",
            concat({infoHeader(2, 1, 32), Bytes {0x30, 0x20, 0x10, 0x99, 0x00, 0x00, 0xFF, 0x00}}),
            2, 1, {C0, C3}},
        Drawing {"bits32Masks",
            concat({infoHeader(2, 1, 32, 3), words({0x000000FF, 0x0000FF00, 0x00FF0000}, 4),
                words({0x00112233, 0x000000FF}, 4)}),
            2, 1, {0xFF332211, 0xFFFF0000}},
        Drawing {"bits32TenBitMasks",
            concat({infoHeader(1, 1, 32, 3), words({0x3FF00000, 0x000FFC00, 0x000003FF}, 4),
                words({0x3FF00000u | (0x200u << 10) | 0x004u}, 4)}),
            1, 1, {0xFFFF8001}},
        // The core header's colour table has 3-byte entries.
        Drawing {"coreBits8",
            concat({coreHeader(2, 1, 8), Bytes(3 * 254, 0), Bytes {0x30, 0x20, 0x10},
                Bytes {0xC0, 0xB0, 0xA0}, pad({255, 254}, 4)}),
            2, 1, {C1, C0}},
        Drawing {"coreBits24", concat({coreHeader(1, 2, 24), pad({3, 2, 1}, 4), pad({6, 5, 4}, 4)}),
            1, 2, {0xFF040506, 0xFF010203}},
        // Bottom row: two runs; middle: a literal run of three; top: a delta skips two pixels.
        Drawing {"rle8",
            concat({infoHeader(4, 3, 8, 1, 4), FourColours,
                Bytes {2, 1, 2, 2, 0, 0, 0, 3, 3, 1, 2, 0, 0, 0, 1, 3, 0, 2, 2, 0, 1, 1, 0, 1}}),
            4, 3, {C3, Black, Black, C1, C3, C1, C2, Black, C1, C1, C2, C2}},
        Drawing {"rle4",
            concat({infoHeader(4, 2, 4, 2, 4), FourColours,
                Bytes {4, 0x12, 0, 0, 0, 3, 0x31, 0x20, 0, 1}}),
            4, 2, {C3, C1, C2, Black, C1, C2, C1, C2}}),
    [](const auto& info) { return std::string(info.param.format); });

struct Hostile
{
    const char* condition;
    Bytes block;
    PixelRect area;
    Pixels expected;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const Hostile& row, std::ostream* out)
{
    *out << row.condition;
}

class PictureRendererHostileTest : public ::testing::TestWithParam<Hostile>
{
};

// Broken and hostile files draw soundly: only the block is read, only the area is written, and
// what the block does not hold comes out black.
TEST_P(PictureRendererHostileTest, DrawsOnlyWhatTheBlockHolds)
{
    const Picture picture = load(GetParam().block);
    const PixelRect area = GetParam().area;
    // A border of untouched pixels round the area catches any write outside it.
    const int stride = area.width + 2;
    Pixels buffer(std::size_t(stride) * (area.height + 2), Untouched);
    PictureRenderer::draw(picture, area, buffer.data() + stride + 1, stride);

    Pixels inside, border;
    for (int y = 0; y < area.height + 2; ++y) {
        for (int x = 0; x < stride; ++x) {
            const bool in = y >= 1 && y <= area.height && x >= 1 && x <= area.width;
            (in ? inside : border).push_back(buffer[std::size_t(y) * stride + x]);
        }
    }
    EXPECT_EQ(inside, GetParam().expected);
    EXPECT_EQ(border, Pixels(border.size(), Untouched));
}

INSTANTIATE_TEST_SUITE_P(Malicious, PictureRendererHostileTest,
    ::testing::Values(
        Hostile {"coloursUsedPastTheFile",
            concat({infoHeader(2, 1, 8, 0xFFFFFFFF), palette({0xFFFFFF}), Bytes {0, 0, 0, 0}}),
            {0, 0, 2, 1}, {Black, Black}},
        Hostile {"pixelDataPastTheEnd",
            concat({infoHeader(2, 3, 24), pad({0x30, 0x20, 0x10, 0xC0, 0xB0, 0xA0}, 8)}),
            {0, 0, 2, 3}, {Black, Black, Black, Black, C0, C1}},
        Hostile {"rowCutInsideAPixel", concat({infoHeader(2, 1, 24), Bytes {0x30, 0x20, 0x10, 9}}),
            {0, 0, 2, 1}, {C0, Black}},
        Hostile {"paletteIndexPastTheTable",
            concat({infoHeader(3, 1, 8, 0, 2), palette({0x102030, 0xA0B0C0}), pad({1, 2, 255}, 4)}),
            {0, 0, 3, 1}, {C1, Black, Black}},
        Hostile {"widthTimesHeightOverflows",
            concat({infoHeader(0x7FFFFFFF, 0x7FFFFFFF, 32), words({0xFF102030}, 4)}),
            {0x7FFFFFFD, 0x7FFFFFFD, 2, 2}, {Black, Black, Black, Black}},
        Hostile {"widthTimesHeightOverflowsAtItsBottomRow",
            concat({infoHeader(0x7FFFFFFF, 0x7FFFFFFF, 32), words({0x102030, 0xA0B0C0}, 4)}),
            {0, 0x7FFFFFFE, 2, 1}, {C0, C1}},
        Hostile {"heightInt32Min",
            concat({infoHeader(2, INT_MIN, 24), pad({0x30, 0x20, 0x10, 0xC0, 0xB0, 0xA0}, 8)}),
            {0, 0, 2, 2}, {C0, C1, Black, Black}},
        Hostile {"rleRunPastTheRow",
            concat({infoHeader(4, 2, 8, 1, 4), FourColours, Bytes {255, 1, 255, 2, 0, 0, 255, 3}}),
            {0, 0, 4, 2}, {C3, C3, C3, C3, C1, C1, C1, C1}},
        Hostile {"rleLiteralCutByTheEnd",
            concat({infoHeader(4, 1, 8, 1, 4), FourColours, Bytes {0, 200, 1, 2}}), {0, 0, 4, 1},
            {C1, C2, Black, Black}},
        Hostile {"rleDeltaPastThePicture",
            concat({infoHeader(4, 2, 4, 2, 4), FourColours, Bytes {0, 2, 250, 250, 4, 0x11}}),
            {0, 0, 4, 2}, {Black, Black, Black, Black, Black, Black, Black, Black}},
        Hostile {"rleOnTheWrongDepth", concat({infoHeader(2, 1, 24, 1), Bytes {2, 1, 0, 1}}),
            {0, 0, 2, 1}, {Black, Black}},
        Hostile {"masksCutShort", concat({infoHeader(2, 1, 16, 3), Bytes {0xFF, 0xFF}}),
            {0, 0, 2, 1}, {Black, Black}},
        Hostile {"unknownCompression", concat({infoHeader(1, 1, 24, 4), Bytes {1, 2, 3, 0}}),
            {0, 0, 1, 1}, {Black}},
        Hostile {"unknownDepth", concat({infoHeader(1, 1, 7), Bytes {1, 2, 3, 0}}), {0, 0, 1, 1},
            {Black}}),
    [](const auto& info) { return std::string(info.param.condition); });

} // namespace

// An area reaching beyond the picture is clipped: pixels outside stay as they were.
TEST(PictureRendererTest, AreaIsClippedToThePicture)
{
    const Picture picture
        = load(concat({infoHeader(2, 2, 24), pad({0x30, 0x20, 0x10, 0x30, 0x20, 0x10}, 8),
            pad({0xC0, 0xB0, 0xA0, 0xC0, 0xB0, 0xA0}, 8)}));
    Pixels out(9, Untouched);
    const PixelRect drawn = PictureRenderer::draw(picture, {-1, 1, 3, 3}, out.data(), 3);
    EXPECT_EQ(drawn.x, 0);
    EXPECT_EQ(drawn.y, 1);
    EXPECT_EQ(drawn.width, 2);
    EXPECT_EQ(drawn.height, 1);
    EXPECT_EQ(out,
        (Pixels {
            Untouched, C0, C0, Untouched, Untouched, Untouched, Untouched, Untouched, Untouched}));
}

// The view takes a size only from a picture with pixels and a width and height above 0.
TEST(PictureRendererTest, ExtentCoversOnlyPicturesWithPixels)
{
    Picture empty;
    EXPECT_EQ(PictureRenderer::extent(empty).width, 0);
    Pixels out(1, Untouched);
    EXPECT_EQ(PictureRenderer::draw(empty, {0, 0, 1, 1}, out.data(), 1).width, 0);
    EXPECT_EQ(out[0], Untouched);

    const Picture noWidth = load(infoHeader(0, 5, 24));
    EXPECT_EQ(PictureRenderer::extent(noWidth).width, 0);
    const Picture negativeWidth = load(infoHeader(-5, 5, 24));
    EXPECT_EQ(PictureRenderer::extent(negativeWidth).width, 0);

    const Picture topDown = load(concat({infoHeader(3, -4, 24), Bytes(48, 0)}));
    EXPECT_EQ(topDown.Height(), -4);
    EXPECT_EQ(PictureRenderer::extent(topDown).height, 4);

    const Picture lowest = load(infoHeader(1, INT_MIN, 24));
    EXPECT_EQ(PictureRenderer::extent(lowest).height, INT_MAX);
}
