#include "window/layoutscaling.h"

#include <cmath>
#include <cstdlib>

namespace window {

namespace {

// value × numerator / denominator, rounded to the nearest integer with halves away from zero.
int scale(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long magnitude = (std::llabs(product) * 2 + denominator) / (2LL * denominator);
    return static_cast<int>(product < 0 ? -magnitude : magnitude);
}

ControlGeometry scaled(const ControlGeometry& control, int textHeight)
{
    ControlGeometry result;
    result.left = scale(control.left, textHeight, DesignedTextHeight);
    result.top = scale(control.top, textHeight, DesignedTextHeight);
    result.width
        = scale(control.left + control.width, textHeight, DesignedTextHeight) - result.left;
    result.height
        = scale(control.top + control.height, textHeight, DesignedTextHeight) - result.top;
    return result;
}

} // namespace

int textHeightAt(double pixelsPerInch)
{
    return static_cast<int>(
        std::lround(DesignedTextHeight * pixelsPerInch / DesignedPixelsPerInch));
}

WindowLayout scaledLayout(const WindowLayout& layout, int textHeight)
{
    return {scale(layout.clientWidth, textHeight, DesignedTextHeight),
        scale(layout.clientHeight, textHeight, DesignedTextHeight), scaled(layout.view, textHeight),
        scaled(layout.slider, textHeight)};
}

} // namespace window
