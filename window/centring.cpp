#include "window/centring.h"

#include <algorithm>

namespace window {

ScreenPosition centredPosition(int screenWidth, int screenHeight, int windowWidth, int windowHeight)
{
    // Integer division truncates towards zero, as the placement wants.
    return {std::max(0, (screenWidth - windowWidth) / 2),
        std::max(0, (screenHeight - windowHeight) / 2)};
}

} // namespace window
