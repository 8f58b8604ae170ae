#include "bmpbytes.h"
#include "picturetesting.h"

#include "pictures/pictureerror.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

using namespace pictures;

namespace {

constexpr std::uint32_t White = 0xFFFFFFFF;
const std::string ReadError = "ｽﾄﾘｰﾑからの読み込みｴﾗｰ";
const std::string InvalidImage = "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です";
const std::string OutOfMemory = "ﾒﾓﾘｽﾄﾘｰﾑの拡大中にﾒﾓﾘが足りなくなりました";
const std::string OutOfResources = "ｼｽﾃﾑ ﾘｿｰｽが足りません";

bool allWhite(const std::vector<std::uint32_t>& pixels)
{
    return std::all_of(pixels.begin(), pixels.end(), [](std::uint32_t p) { return p == White; });
}

std::string messageOf(Picture& picture, const Bytes& file, const BlockAllocator& allocate)
{
    try {
        picture.LoadFromBytes(file, allocate);
    } catch (const PictureError& error) {
        return error.what();
    }
    return "";
}

} // namespace

// A new picture is empty; width then height makes it blank, and only then does it have pixels.
TEST(PictureTest, SizingInTwoStepsMakesAWhiteBlankPicture)
{
    Picture picture;
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_EQ(picture.Height(), 0);
    EXPECT_EQ(picture.dataIdentity(), nullptr);

    picture.SetWidth(200);
    EXPECT_EQ(picture.Width(), 200);
    EXPECT_EQ(picture.Height(), 0);
    EXPECT_EQ(picture.dataIdentity(), nullptr);
    EXPECT_EQ(PictureRenderer::extent(picture).width, 0);

    picture.SetHeight(150);
    EXPECT_EQ(picture.Width(), 200);
    EXPECT_EQ(picture.Height(), 150);
    EXPECT_NE(picture.dataIdentity(), nullptr);
    const auto pixels = drawWhole(picture);
    EXPECT_EQ(pixels.size(), 200u * 150u);
    EXPECT_TRUE(allWhite(pixels));
}

// Blank pixels that cannot be had leave the picture at 200 × 0 with the system's message.
TEST(PictureTest, BlankWithoutMemoryFailsAndStaysWithoutPixels)
{
    Picture picture;
    picture.SetWidth(200, noMemory);
    try {
        picture.SetHeight(150, noMemory);
        FAIL() << "sizing succeeded without memory";
    } catch (const PictureError& error) {
        EXPECT_EQ(error.what(), OutOfResources);
    }
    EXPECT_EQ(picture.Width(), 200);
    EXPECT_EQ(picture.Height(), 0);
    EXPECT_EQ(picture.dataIdentity(), nullptr);
}

// A blank of absurd size is refused instead of being allocated.
TEST(PictureTest, HugeBlankIsRefusedWithTheSystemMessage)
{
    Picture picture;
    picture.SetWidth(0x7FFFFFFF);
    EXPECT_THROW(picture.SetHeight(0x7FFFFFFF), PictureError);
    EXPECT_EQ(picture.Height(), 0);
}

// Showing a picture hands the view a copy: it must share the block, not copy the pixels.
TEST(PictureTest, CopiesShareTheSameBlock)
{
    Picture stored;
    stored.LoadFromBytes(solidFile(200, 150, 0x123456));
    const Picture shown = stored;
    EXPECT_NE(stored.dataIdentity(), nullptr);
    EXPECT_EQ(shown.dataIdentity(), stored.dataIdentity());
    EXPECT_EQ(drawWhole(shown), drawWhole(stored));
}

struct FailingRead
{
    const char* condition;
    Bytes file;
    std::string message;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const FailingRead& row, std::ostream* out)
{
    *out << row.condition;
}

class PictureReadFailureTest : public ::testing::TestWithParam<FailingRead>
{
};

// Each refused file gives its message and leaves the blank picture exactly as it was.
TEST_P(PictureReadFailureTest, GivesTheMessageAndLeavesThePictureBlank)
{
    Picture picture = blankPicture();
    const void* blankData = picture.dataIdentity();

    EXPECT_EQ(messageOf(picture, GetParam().file, allocateBlock), GetParam().message);
    EXPECT_EQ(picture.Width(), 200);
    EXPECT_EQ(picture.Height(), 150);
    EXPECT_EQ(picture.dataIdentity(), blankData);
    EXPECT_TRUE(allWhite(drawWhole(picture)));
}

INSTANTIATE_TEST_SUITE_P(FailureTable, PictureReadFailureTest,
    ::testing::Values(FailingRead {"one byte", Bytes {'B'}, ReadError},
        FailingRead {"thirteen bytes", Bytes(13, 'B'), ReadError},
        FailingRead {"thirteen bytes starting BM",
            Bytes {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, ReadError},
        FailingRead {
            "not BM", concat({Bytes {'M', 'B'}, Bytes(12, 0), infoHeader(2, 2, 24)}), InvalidImage},
        FailingRead {"lower-case bm",
            concat({Bytes {'b', 'm'}, Bytes(12, 0), infoHeader(2, 2, 24)}), InvalidImage},
        FailingRead {"108-byte header", bmpFile(headerOfSize(108, 2, 2)), InvalidImage},
        FailingRead {"124-byte header", bmpFile(headerOfSize(124, 2, 2)), InvalidImage},
        FailingRead {"64-byte header", bmpFile(headerOfSize(64, 2, 2)), InvalidImage},
        FailingRead {"header size 0", bmpFile(Bytes(40, 0)), InvalidImage},
        // Our choice: a file that ends inside its bitmap header is a read past its end.
        FailingRead {"only the file header", bmpFile({}), ReadError},
        FailingRead {"header size cut short", bmpFile(Bytes {40, 0}), ReadError},
        FailingRead {
            "40-byte header cut short", bmpFile(firstBytes(infoHeader(2, 2, 24), 39)), ReadError},
        FailingRead {
            "12-byte header cut short", bmpFile(firstBytes(coreHeader(2, 2, 24), 11)), ReadError}),
    [](const auto& info) {
        std::string name = info.param.condition;
        std::replace_if(
            name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
        return name;
    });

// Without memory for the file's data the read fails with the memory stream's message.
TEST(PictureTest, NoMemoryForTheDataGivesTheMemoryStreamMessage)
{
    Picture picture = blankPicture();
    const void* blankData = picture.dataIdentity();
    EXPECT_EQ(messageOf(picture, solidFile(4, 4, 0), noMemory), OutOfMemory);
    EXPECT_EQ(picture.dataIdentity(), blankData);
    EXPECT_EQ(picture.Width(), 200);
}

// A file of length 0 is no failure: it makes the picture empty.
TEST(PictureTest, ZeroLengthFileMakesThePictureEmpty)
{
    Picture picture = blankPicture();
    picture.LoadFromBytes({});
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_EQ(picture.Height(), 0);
    EXPECT_EQ(picture.dataIdentity(), nullptr);
    EXPECT_EQ(PictureRenderer::extent(picture).width, 0);
}

struct ReadSize
{
    const char* condition;
    Bytes file;
    int width;
    int height;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const ReadSize& row, std::ostream* out)
{
    *out << row.condition;
}

class PictureReadSizeTest : public ::testing::TestWithParam<ReadSize>
{
};

// A loaded picture takes the header's width and height as stored.
TEST_P(PictureReadSizeTest, TakesTheHeadersSize)
{
    Picture picture = blankPicture();
    picture.LoadFromBytes(GetParam().file);
    EXPECT_EQ(picture.Width(), GetParam().width);
    EXPECT_EQ(picture.Height(), GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PictureReadSizeTest,
    ::testing::Values(ReadSize {"320x240", solidFile(320, 240, 0x00FF00), 320, 240},
        ReadSize {"100x75", solidFile(100, 75, 0x00FF00), 100, 75},
        // The core header's sizes are unsigned 16-bit: 40000 is not negative.
        ReadSize {"core header", bmpFile(concat({coreHeader(40000, 65535, 24), Bytes(8, 0)})),
            40000, 65535},
        ReadSize {"top-down", bmpFile(concat({infoHeader(2, -3, 24), Bytes(24, 0)})), 2, -3},
        ReadSize {"pixel data missing", bmpFile(infoHeader(7, 5, 8)), 7, 5}),
    [](const auto& info) {
        std::string name = info.param.condition;
        std::replace_if(
            name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
        return name;
    });

// The same pixels as a file, bottom row first.
TEST(PictureTest, LoadedPictureDrawsItsOwnPixels)
{
    Picture picture;
    picture.LoadFromBytes(solidFile(3, 2, 0xABCDEF));
    EXPECT_EQ(drawWhole(picture), std::vector<std::uint32_t>(6, 0xFFABCDEF));
}
