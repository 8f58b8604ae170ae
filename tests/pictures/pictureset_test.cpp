#include "bmpbytes.h"
#include "picturetesting.h"
#include "workingdirectory.h"

#include "pictures/pictureerror.h"
#include "pictures/pictureset.h"
#include "pictures/picturesethooks.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

using namespace pictures;

namespace {

enum class State {
    Blank,
    Empty,
    Loaded,
};

// The picture of DATAk.bmp as the tests write it: (10 + k) × 5, so each is told apart.
int loadedWidth(int k)
{
    return 10 + k;
}

State stateOf(const Picture& picture, int k)
{
    if (picture.Width() == 0 && picture.Height() == 0)
        return State::Empty;
    if (picture.Width() == loadedWidth(k) && picture.Height() == 5)
        return State::Loaded;
    EXPECT_EQ(picture.Width(), 200);
    EXPECT_EQ(picture.Height(), 150);
    return State::Blank;
}

class PictureSetTest : public WorkingDirectoryTest
{
protected:
    void SetUp() override
    {
        WorkingDirectoryTest::SetUp();
        for (int k = 1; k <= 5; ++k)
            writeFile(name(k), solidFile(loadedWidth(k), 5, 0x336699));
    }

    static std::string name(int k) { return "DATA" + std::to_string(k) + ".bmp"; }

    // Runs the picture work of the window's creation; returns the message of its failure.
    std::string createAndLoad(const BlockAllocator& allocate = allocateBlock)
    {
        const PictureSetHooks hooks {
            [this](Picture& picture, const std::string& file) {
                if (opened.empty())
                    allBlankBeforeTheFirstFile = allSlotsBlank();
                opened.push_back(file);
                picture.LoadFromFile(file);
            },
            allocate,
        };
        try {
            createAndLoadPictures(slots, hooks);
        } catch (const PictureError& error) {
            return error.what();
        }
        return "";
    }

    bool allSlotsBlank() const
    {
        return std::all_of(bitmaps.begin(), bitmaps.end(), [](const std::optional<Picture>& p) {
            return p && p->Width() == 200 && p->Height() == 150 && p->dataIdentity();
        });
    }

    std::vector<std::string> namesUpTo(int last) const
    {
        std::vector<std::string> names;
        for (int k = 1; k <= last; ++k)
            names.push_back(name(k));
        return names;
    }

    std::array<std::optional<Picture>, 5> bitmaps;
    const PictureSlots slots {&bitmaps[0], &bitmaps[1], &bitmaps[2], &bitmaps[3], &bitmaps[4]};
    std::vector<std::string> opened;
    bool allBlankBeforeTheFirstFile = false;
};

} // namespace

// All five files read, in order, after all five pictures were made blank.
TEST_F(PictureSetTest, ReadsTheFiveFilesInOrderAfterMakingFiveBlanks)
{
    EXPECT_EQ(createAndLoad(), "");
    EXPECT_TRUE(allBlankBeforeTheFirstFile);
    EXPECT_EQ(opened, namesUpTo(5));
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(stateOf(*bitmaps[k - 1], k), State::Loaded) << name(k);
}

// A zero-length DATA2.bmp is no failure: picture 2 is empty and the later files are still read.
TEST_F(PictureSetTest, ZeroLengthData2LeavesAnEmptyPictureAndReadsOn)
{
    writeFile(name(2), {});
    EXPECT_EQ(createAndLoad(), "");
    EXPECT_EQ(opened, namesUpTo(5));
    EXPECT_EQ(stateOf(*bitmaps[1], 2), State::Empty);
    EXPECT_EQ(PictureRenderer::extent(*bitmaps[1]).width, 0);
    for (int k : {1, 3, 4, 5})
        EXPECT_EQ(stateOf(*bitmaps[k - 1], k), State::Loaded) << name(k);
}

// The public entry reads the real working directory the same way.
TEST_F(PictureSetTest, PublicEntryReadsTheWorkingDirectory)
{
    std::filesystem::remove(name(4));
    try {
        createAndLoadPictures(slots);
        FAIL() << "a missing DATA4.bmp was not reported";
    } catch (const PictureError& error) {
        EXPECT_STREQ(error.what(), "ﾌｧｲﾙ DATA4.bmp は開けません");
    }
    EXPECT_EQ(stateOf(*bitmaps[2], 3), State::Loaded);
    EXPECT_EQ(stateOf(*bitmaps[3], 4), State::Blank);
    EXPECT_EQ(stateOf(*bitmaps[4], 5), State::Blank);
}

struct ThirdFile
{
    const char* condition;
    std::function<void()> prepare;
    std::string message;
    State third;
    int lastOpened;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const ThirdFile& row, std::ostream* out)
{
    *out << row.condition;
}

class PictureSetFailureTest : public PictureSetTest, public ::testing::WithParamInterface<ThirdFile>
{
};

// Each row of the failure table, happening to DATA3.bmp: the message, picture 3 afterwards,
// which files were opened, and the pictures after it.
TEST_P(PictureSetFailureTest, StopsAtTheFirstFailureOnly)
{
    GetParam().prepare();
    EXPECT_EQ(createAndLoad(), GetParam().message);
    EXPECT_EQ(opened, namesUpTo(GetParam().lastOpened));
    EXPECT_EQ(stateOf(*bitmaps[0], 1), State::Loaded);
    EXPECT_EQ(stateOf(*bitmaps[1], 2), State::Loaded);
    EXPECT_EQ(stateOf(*bitmaps[2], 3), GetParam().third);
    const State later = GetParam().lastOpened == 5 ? State::Loaded : State::Blank;
    EXPECT_EQ(stateOf(*bitmaps[3], 4), later);
    EXPECT_EQ(stateOf(*bitmaps[4], 5), later);
}

void writeData3(const Bytes& bytes)
{
    std::ofstream file("DATA3.bmp", std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

INSTANTIATE_TEST_SUITE_P(FailureTable, PictureSetFailureTest,
    ::testing::Values(ThirdFile {"missing", [] { std::filesystem::remove("DATA3.bmp"); },
                          "ﾌｧｲﾙ DATA3.bmp は開けません", State::Blank, 3},
        ThirdFile {"zeroLength", [] { writeData3({}); }, "", State::Empty, 5},
        ThirdFile {"thirteenBytes", [] { writeData3(Bytes(13, 'B')); }, "ｽﾄﾘｰﾑからの読み込みｴﾗｰ",
            State::Blank, 3},
        ThirdFile {"notBM",
            [] {
                writeData3(concat({Bytes {'P', 'K'}, Bytes(12, 0), infoHeader(2, 2, 24)}));
            },
            "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です", State::Blank, 3},
        ThirdFile {"header108", [] { writeData3(bmpFile(headerOfSize(108, 2, 2))); },
            "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です", State::Blank, 3},
        ThirdFile {"noMemory",
            [] {
                writeData3(solidFile(2, 2, 0));
                ASSERT_EQ(::truncate("DATA3.bmp", off_t(MaxBlockSize) + 100), 0);
            },
            "ﾒﾓﾘｽﾄﾘｰﾑの拡大中にﾒﾓﾘが足りなくなりました", State::Blank, 3}),
    [](const auto& info) { return std::string(info.param.condition); });

// When the third blank cannot get its pixels, it stays 200 × 0, the later pictures are never
// made and no file is opened.
TEST_F(PictureSetTest, BlankWithoutPixelsStopsBeforeAnyFile)
{
    int allocations = 0;
    const BlockAllocator thirdFails
        = [&](std::size_t size) { return ++allocations == 3 ? nullptr : allocateBlock(size); };
    EXPECT_EQ(createAndLoad(thirdFails), "ｼｽﾃﾑ ﾘｿｰｽが足りません");
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(stateOf(*bitmaps[0], 1), State::Blank);
    EXPECT_EQ(stateOf(*bitmaps[1], 2), State::Blank);
    ASSERT_TRUE(bitmaps[2].has_value());
    EXPECT_EQ(bitmaps[2]->Width(), 200);
    EXPECT_EQ(bitmaps[2]->Height(), 0);
    EXPECT_EQ(bitmaps[2]->dataIdentity(), nullptr);
    EXPECT_EQ(PictureRenderer::extent(*bitmaps[2]).width, 0);
    EXPECT_FALSE(bitmaps[3].has_value());
    EXPECT_FALSE(bitmaps[4].has_value());
}
