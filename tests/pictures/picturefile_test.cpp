#include "bmpbytes.h"
#include "picturetesting.h"
#include "workingdirectory.h"

#include "pictures/pictureerror.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using namespace pictures;

namespace {

const std::string CannotOpenData1 = "ﾌｧｲﾙ DATA1.bmp は開けません";

class PictureFileTest : public WorkingDirectoryTest
{
protected:
    // The message of reading DATA1.bmp into a blank picture, which must stay blank on failure.
    std::string readData1(const BlockAllocator& allocate = allocateBlock)
    {
        picture = blankPicture();
        const void* blankData = picture.dataIdentity();
        try {
            picture.LoadFromFile("DATA1.bmp", allocate);
        } catch (const PictureError& error) {
            EXPECT_EQ(picture.dataIdentity(), blankData);
            return error.what();
        }
        return "";
    }

    Picture picture;
};

} // namespace

// Missing, a directory, a FIFO (which must not hang) and a device cannot be opened.
TEST_F(PictureFileTest, WhatIsNoRegularFileCannotBeOpened)
{
    EXPECT_EQ(readData1(), CannotOpenData1);

    std::filesystem::create_directory("DATA1.bmp");
    EXPECT_EQ(readData1(), CannotOpenData1);
    std::filesystem::remove("DATA1.bmp");

    ASSERT_EQ(::mkfifo("DATA1.bmp", 0600), 0);
    EXPECT_EQ(readData1(), CannotOpenData1);
    std::filesystem::remove("DATA1.bmp");

    std::filesystem::create_symlink("/dev/zero", "DATA1.bmp");
    EXPECT_EQ(readData1(), CannotOpenData1);
}

// The name is used as written: the message names it exactly so.
TEST_F(PictureFileTest, MessageNamesTheFileAsWritten)
{
    try {
        picture.LoadFromFile("sub/DATA9.bmp");
        FAIL() << "a missing file was read";
    } catch (const PictureError& error) {
        EXPECT_STREQ(error.what(), "ﾌｧｲﾙ sub/DATA9.bmp は開けません");
    }
}

// A file another program holds with an exclusive lock counts as one that cannot be opened.
TEST_F(PictureFileTest, FileLockedByAnotherProgramCannotBeOpened)
{
    writeFile("DATA1.bmp", solidFile(2, 2, 0));
    int locked[2], release[2];
    ASSERT_EQ(::pipe(locked), 0);
    ASSERT_EQ(::pipe(release), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        // The other program: takes the lock, says so, and holds it until told to let go (or
        // until the test ends, which closes the other end of the pipe).
        ::close(locked[0]);
        ::close(release[1]);
        const int fd = ::open("DATA1.bmp", O_RDONLY);
        const char taken = fd >= 0 && ::flock(fd, LOCK_EX) == 0 ? 'L' : 'E';
        char ignored;
        if (::write(locked[1], &taken, 1) == 1 && ::read(release[0], &ignored, 1) >= 0)
            ::_exit(0);
        ::_exit(1);
    }
    ::close(locked[1]);
    ::close(release[0]);
    char state = 0;
    ASSERT_EQ(::read(locked[0], &state, 1), 1);
    ASSERT_EQ(state, 'L');
    EXPECT_EQ(readData1(), CannotOpenData1);

    ::close(release[1]);
    ::close(locked[0]);
    ::waitpid(holder, nullptr, 0);
    EXPECT_EQ(readData1(), "");
    EXPECT_EQ(picture.Width(), 2);
}

TEST_F(PictureFileTest, FileWithoutReadPermissionCannotBeOpened)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads files whatever their permissions";
    writeFile("DATA1.bmp", solidFile(2, 2, 0));
    std::filesystem::permissions("DATA1.bmp", std::filesystem::perms::none);
    EXPECT_EQ(readData1(), CannotOpenData1);
}

// The file is closed after reading, also after a failure: nothing keeps it locked.
TEST_F(PictureFileTest, FileIsClosedAfterReadingAndAfterFailing)
{
    for (const Bytes& content :
        {solidFile(2, 2, 0), Bytes {'X', 'Y', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}) {
        writeFile("DATA1.bmp", content);
        readData1();
        const int other = ::open("DATA1.bmp", O_RDONLY);
        ASSERT_GE(other, 0);
        EXPECT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
        ::close(other);
    }
}

// A file too large to hold is refused with the memory message before any of it is read.
TEST_F(PictureFileTest, HugeFileIsRefusedWithTheMemoryMessage)
{
    writeFile("DATA1.bmp", solidFile(2, 2, 0));
    ASSERT_EQ(::truncate("DATA1.bmp", off_t(MaxBlockSize) + 15), 0);
    EXPECT_EQ(readData1(), "ﾒﾓﾘｽﾄﾘｰﾑの拡大中にﾒﾓﾘが足りなくなりました");
    // The limit is the block after the file header: a file just at it is read.
    ASSERT_EQ(::truncate("DATA1.bmp", off_t(MaxBlockSize) + 14), 0);
    EXPECT_EQ(readData1(), "");
}

TEST_F(PictureFileTest, NoMemoryForTheFileGivesTheMemoryMessage)
{
    writeFile("DATA1.bmp", solidFile(2, 2, 0));
    EXPECT_EQ(readData1(noMemory), "ﾒﾓﾘｽﾄﾘｰﾑの拡大中にﾒﾓﾘが足りなくなりました");
}

struct CaseCase
{
    const char* condition;
    std::vector<std::string> files;
    // Width of the picture read, 0 when the file cannot be opened.
    int width;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const CaseCase& row, std::ostream* out)
{
    *out << row.condition;
}

class PictureFileCaseTest : public WorkingDirectoryTest,
                            public ::testing::WithParamInterface<CaseCase>
{
};

// Without a file of the exact name, the one entry matching it ignoring case is read; with
// several such entries none is preferred and the file cannot be opened.
TEST_P(PictureFileCaseTest, FindsTheOneEntryMatchingIgnoringCase)
{
    // Each file is told apart by its width: the n-th listed is n pixels wide.
    int width = 1;
    for (const std::string& name : GetParam().files)
        writeFile(name, solidFile(width++, 1, 0));

    Picture picture = blankPicture();
    if (GetParam().width == 0) {
        try {
            picture.LoadFromFile("DATA1.bmp");
            FAIL() << "a file was read";
        } catch (const PictureError& error) {
            EXPECT_EQ(error.what(), CannotOpenData1);
        }
        EXPECT_EQ(picture.Width(), 200);
    } else {
        picture.LoadFromFile("DATA1.bmp");
        EXPECT_EQ(picture.Width(), GetParam().width);
    }
}

INSTANTIATE_TEST_SUITE_P(Names, PictureFileCaseTest,
    ::testing::Values(CaseCase {"lower", {"data1.bmp"}, 1}, CaseCase {"upper", {"DATA1.BMP"}, 1},
        CaseCase {"exactBeatsOthers", {"data1.bmp", "DATA1.bmp", "DATA1.BMP"}, 2},
        CaseCase {"twoOthersAreAmbiguous", {"data1.bmp", "DATA1.BMP"}, 0},
        CaseCase {"otherNamesDoNotCount", {"DATA1.bmp.bak", "DATA11.bmp", "xDATA1.bmp"}, 0}),
    [](const auto& info) { return std::string(info.param.condition); });
