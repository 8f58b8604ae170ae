#include "app/lastresorttext.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The text names the failure's kind, the executable without its folder, the place and the
// message, in the layout the player knows from the platform.
TEST(LastResortText, FillsInKindModulePlaceAndMessage)
{
    EXPECT_EQ(app::lastResortText("std::bad_alloc", "/usr/games/zoddle", 0x1a2b, "std::bad_alloc"),
        "std::bad_allocがﾓｼﾞｭｰﾙ zoddle の\n0x1a2b で発生しました。\nstd::bad_alloc.\n");
}

struct FullStopCase
{
    std::string message;
    std::string lastLine;
};

void PrintTo(const FullStopCase& fullStopCase, std::ostream* out)
{
    *out << '"' << fullStopCase.message << '"';
}

class LastResortFullStop : public testing::TestWithParam<FullStopCase>
{
};

// A full stop follows a message that has none; an empty message stays empty.
TEST_P(LastResortFullStop, IsAddedOnlyWhereMissing)
{
    const std::string text = app::lastResortText("E", "zoddle", 0, GetParam().message);
    const std::string ending = "で発生しました。\n" + GetParam().lastLine + "\n";
    EXPECT_TRUE(text.ends_with(ending)) << text;
}

INSTANTIATE_TEST_SUITE_P(Messages, LastResortFullStop,
    testing::Values(FullStopCase {"out of memory", "out of memory."},
        FullStopCase {"ends with one.", "ends with one."}, FullStopCase {"", ""},
        FullStopCase {"ﾒﾓﾘが足りません", "ﾒﾓﾘが足りません."}));

// The module name is cut at 63 characters, counted as characters, not bytes.
TEST(LastResortText, CutsTheModuleNameAt63Characters)
{
    const std::string longName = std::string(70, 'z');
    EXPECT_NE(app::lastResortText("E", "/x/" + longName, 0, "")
                  .find("ﾓｼﾞｭｰﾙ " + std::string(63, 'z') + " の"),
        std::string::npos);

    std::string japanese;
    std::string expected;
    for (int i = 0; i < 70; ++i) {
        japanese += "ｿ"; // three bytes in UTF-8
        if (i < 63)
            expected += "ｿ";
    }
    EXPECT_NE(app::lastResortText("E", japanese, 0, "").find("ﾓｼﾞｭｰﾙ " + expected + " の"),
        std::string::npos);
}

} // namespace
