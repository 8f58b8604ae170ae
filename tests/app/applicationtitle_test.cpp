#include "app/applicationtitle.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TitleCase
{
    std::string executablePath;
    std::string title;
};

void PrintTo(const TitleCase& titleCase, std::ostream* out)
{
    *out << '"' << titleCase.executablePath << '"';
}

class ApplicationTitle : public testing::TestWithParam<TitleCase>
{
};

// The title is the file name up to its first dot, lower case after its first character.
TEST_P(ApplicationTitle, IsTheFileNameUpToItsFirstDotInTitleCase)
{
    EXPECT_EQ(app::applicationTitle(GetParam().executablePath), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(Names, ApplicationTitle,
    testing::Values(TitleCase {"MyGame.EXE", "Mygame"}, TitleCase {"ABC.exe", "Abc"},
        TitleCase {"tools.old.exe", "tools"}, TitleCase {"zoddle", "zoddle"},
        TitleCase {"/usr/games/ZODDLE", "Zoddle"},
        // A dot in a folder's name is not the file's extension.
        TitleCase {"/opt/zoddle.d/Game.bin", "Game"},
        TitleCase {"/home/user/.local/bin/zoddle", "zoddle"},
        // Upper and lower case reach beyond ASCII; the first character keeps its case.
        TitleCase {"/usr/bin/ÉCOLE", "École"}, TitleCase {"ｚＯＤＤＬＥ", "ｚｏｄｄｌｅ"},
        TitleCase {"/usr/bin/.hidden", ""}, TitleCase {"", ""}));

// A title never runs past 255 characters, and the cut never splits a character.
TEST(ApplicationTitleLength, StopsAt255CharactersWithoutSplittingOne)
{
    EXPECT_EQ(app::applicationTitle("/bin/" + std::string(300, 'A')), "A" + std::string(254, 'a'));

    const std::string wide = "\xF0\x9F\x8E\xAE"; // one character outside the basic plane
    const std::string title = app::applicationTitle(std::string(254, 'x') + wide + wide);
    EXPECT_EQ(title, std::string(254, 'x'));
}

} // namespace
