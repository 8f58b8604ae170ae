#pragma once

namespace window {

struct ScreenPosition
{
    int left = 0;
    int top = 0;

    friend bool operator==(const ScreenPosition&, const ScreenPosition&) = default;
};

// Where a window of the given outer size (frame and title bar included) stands centred on a
// screen of the given size; never off its top or left edge.
ScreenPosition centredPosition(
    int screenWidth, int screenHeight, int windowWidth, int windowHeight);

} // namespace window
