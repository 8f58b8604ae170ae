#include "picturetesting.h"

#include "pictures/bitmapformat.h"
#include "resources/startpicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace pictures;

namespace {

constexpr std::uint32_t Amber = 0xFFFFCC00;
constexpr int Width = 200;
constexpr int Height = 150;

struct Box
{
    int left = Width;
    int top = Height;
    int right = -1;
    int bottom = -1;

    bool operator==(const Box&) const = default;
};

class StartPictureTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        picture.LoadFromBytes(resources::startPictureBmp());
        pixels = drawWhole(picture);
        ASSERT_EQ(pixels.size(), std::size_t(Width) * Height);
    }

    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y) * Width + x]; }

    // Pixels of the figures in row y between the columns left and right, both included.
    int figurePixels(int y, int left, int right) const
    {
        int count = 0;
        for (int x = left; x <= right; ++x)
            count += at(x, y) != Amber;
        return count;
    }

    // The bounding box of the pixels that are not amber, within the columns given.
    Box figureBox(int left, int right) const
    {
        Box box;
        for (int y = 0; y < Height; ++y) {
            for (int x = left; x <= right; ++x) {
                if (at(x, y) == Amber)
                    continue;
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
        }
        return box;
    }

    Picture picture;
    std::vector<std::uint32_t> pixels;
};

} // namespace

// The built-in file is the 24-bit, 200 × 150 BMP file of 90,054 bytes with the usual header.
TEST_F(StartPictureTest, FileHeaderIsTheStandardOne)
{
    const auto file = resources::startPictureBmp();
    ASSERT_EQ(file.size(), 90054u);
    const std::uint8_t* bytes = file.data();
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(readUint32(bytes + 2), 90054u);
    EXPECT_EQ(readUint32(bytes + 6), 0u);
    EXPECT_EQ(readUint32(bytes + 10), 54u);
    EXPECT_EQ(readUint32(bytes + 14), 40u);
    EXPECT_EQ(readUint32(bytes + 18), 200u);
    EXPECT_EQ(readUint32(bytes + 22), 150u);
    EXPECT_EQ(readUint16(bytes + 26), 1u);
    EXPECT_EQ(readUint16(bytes + 28), 24u);
    EXPECT_EQ(readUint32(bytes + 30), 0u);
    EXPECT_EQ(readUint32(bytes + 34), 90000u);
    EXPECT_EQ(readUint32(bytes + 46), 0u);
    EXPECT_EQ(readUint32(bytes + 50), 0u);
    EXPECT_EQ(picture.Width(), 200);
    EXPECT_EQ(picture.Height(), 150);
}

TEST_F(StartPictureTest, AmberBackgroundHasItsExactSize)
{
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), Amber), 21771);
}

// Blue on the left within x 33–93, y 11–125; red on the right within x 107–164, y 22–124.
TEST_F(StartPictureTest, FiguresFillTheirBoxes)
{
    EXPECT_EQ(figureBox(0, 99), (Box {33, 11, 93, 125}));
    EXPECT_EQ(figureBox(100, 199), (Box {107, 22, 164, 124}));

    const auto toned = [&](int left, int right, auto isTone) {
        int figure = 0, inTone = 0;
        for (int y = 0; y < Height; ++y) {
            for (int x = left; x <= right; ++x) {
                const std::uint32_t p = at(x, y);
                if (p == Amber)
                    continue;
                ++figure;
                inTone += isTone((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
            }
        }
        return double(inTone) / figure;
    };
    EXPECT_GT(toned(0, 99, [](int r, int, int b) { return b > r; }), 0.9);
    EXPECT_GT(toned(100, 199, [](int r, int, int b) { return r > b; }), 0.9);
}

// The T-bar is a wide bar on a thin rod: blue in rows 11–22, red in rows 22–32.
TEST_F(StartPictureTest, TBarsStandOnThinRods)
{
    for (int y = 11; y <= 22; ++y)
        EXPECT_GE(figurePixels(y, 33, 81), y == 11 || y == 22 ? 8 : 20) << "blue row " << y;
    for (int y = 24; y <= 45; ++y)
        EXPECT_LE(figurePixels(y, 33, 81), 6) << "blue rod row " << y;
    EXPECT_EQ(figurePixels(10, 0, 199), 0);

    for (int y = 22; y <= 32; ++y)
        EXPECT_GE(figurePixels(y, 121, 164), y == 22 || y == 32 ? 8 : 20) << "red row " << y;
    for (int y = 34; y <= 45; ++y)
        EXPECT_LE(figurePixels(y, 121, 164), 6) << "red rod row " << y;
}

// Rows 71 and 72 are the slit: only the neck crosses it, between the dome and the body.
TEST_F(StartPictureTest, SlitCutsBetweenDomeAndBody)
{
    for (const auto& [left, right] : {std::pair {33, 81}, std::pair {121, 164}}) {
        for (int y : {71, 72})
            EXPECT_LE(figurePixels(y, left, right), 14) << "slit row " << y << " at " << left;
        EXPECT_GE(figurePixels(70, left, right), 30) << "dome above the slit at " << left;
        EXPECT_GE(figurePixels(73, left, right), 38) << "body below the slit at " << left;
    }
}

TEST_F(StartPictureTest, ShadingMakesAboutThreeThousandColours)
{
    const std::set<std::uint32_t> colours(pixels.begin(), pixels.end());
    EXPECT_GE(colours.size(), 2500u);
    EXPECT_LE(colours.size(), 3500u);
}
