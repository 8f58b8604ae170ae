#include "window/centring.h"

#include <gtest/gtest.h>

namespace {

TEST(Centring, PlacesTheFrameInTheMiddleNeverOffTheScreen)
{
    const struct
    {
        int screenWidth, screenHeight, windowWidth, windowHeight;
        window::ScreenPosition expected;
    } cases[] = {
        {1024, 768, 199, 196, {412, 286}},
        {1025, 769, 200, 196, {412, 286}}, // halves are dropped
        {1920, 1080, 199, 196, {860, 442}},
        {800, 600, 801, 603, {0, 0}}, // a window one pixel too large is not moved off
        {640, 480, 1000, 700, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.screenWidth << " x " << c.screenHeight);
        const window::ScreenPosition position
            = window::centredPosition(c.screenWidth, c.screenHeight, c.windowWidth, c.windowHeight);
        EXPECT_EQ(position.left, c.expected.left);
        EXPECT_EQ(position.top, c.expected.top);
    }
}

} // namespace
