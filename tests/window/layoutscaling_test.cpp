#include "window/layoutscaling.h"

#include <gtest/gtest.h>

#include <ostream>

namespace window {

std::ostream& operator<<(std::ostream& out, const ControlGeometry& control)
{
    return out << "(" << control.left << ", " << control.top << ") " << control.width << " x "
               << control.height;
}

std::ostream& operator<<(std::ostream& out, const WindowLayout& layout)
{
    return out << "client " << layout.clientWidth << " x " << layout.clientHeight << ", view "
               << layout.view << ", slider " << layout.slider;
}

} // namespace window

namespace {

using window::WindowLayout;

TEST(LayoutScaling, TextHeightFollowsTheScreenDensity)
{
    const struct
    {
        double pixelsPerInch;
        int textHeight;
    } cases[] = {{96, 12}, {120, 15}, {144, 18}, {72, 9}, {100, 13}, {108, 14}, {95, 12}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pixelsPerInch << " ppi");
        EXPECT_EQ(window::textHeightAt(c.pixelsPerInch), c.textHeight);
    }
}

// Each edge is scaled and rounded with halves away from zero, so neighbours stay flush.
TEST(LayoutScaling, ScalesEveryEdgeOfTheDesignedLayout)
{
    const struct
    {
        int textHeight;
        WindowLayout expected;
    } cases[] = {
        {12, window::DesignedLayout},
        {15, {246, 219, {-4, -4, 250, 188}, {0, 188, 250, 26}}},
        {18, {296, 263, {-5, -5, 301, 226}, {0, 225, 300, 32}}},
        {9, {148, 131, {-2, -2, 150, 112}, {0, 113, 150, 15}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "text height " << c.textHeight);
        EXPECT_EQ(window::scaledLayout(window::DesignedLayout, c.textHeight), c.expected);
    }
}

} // namespace
