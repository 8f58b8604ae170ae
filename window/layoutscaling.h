#pragma once

namespace window {

struct ControlGeometry
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const ControlGeometry&, const ControlGeometry&) = default;
};

struct WindowLayout
{
    int clientWidth = 0;
    int clientHeight = 0;
    ControlGeometry view;
    ControlGeometry slider;

    friend bool operator==(const WindowLayout&, const WindowLayout&) = default;
};

// The window as it was designed at 96 pixels per inch, where the window font's characters are
// 12 pixels high.
inline constexpr WindowLayout DesignedLayout {197, 175, {-3, -3, 200, 150}, {0, 150, 200, 21}};
inline constexpr int DesignedTextHeight = 12;
inline constexpr double DesignedPixelsPerInch = 96.0;

// The window font's character height at the given screen density.
int textHeightAt(double pixelsPerInch);

// Scales every edge by textHeight / 12, so neighbouring controls stay flush; unchanged at 12.
WindowLayout scaledLayout(const WindowLayout& layout, int textHeight);

} // namespace window
