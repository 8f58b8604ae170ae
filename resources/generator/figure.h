#pragma once

#include "canvas.h"

#include <array>

struct Point
{
    double x = 0;
    double y = 0;
};

// One fighter at rest, in picture coordinates (y downwards, edges between pixels): a body like a
// truncated cone, a slit crossed by a short neck, a dome, a rod with a T-bar on top, and a blade
// beside the head on the side it faces.
struct FigureShape
{
    Colour base;
    double axis = 0;
    double bodyBottom = 126;
    double bodyBottomHalf = 29;
    double bodyTopHalf = 22.5;
    double neckHalf = 6;
    double domeHalf = 20;
    double rodHalf = 1.75;
    double barTop = 11;
    double barBottom = 23;
    double barHalf = 15;
    // The blade's corners, going round: two on its upper end, two on its lower end.
    std::array<Point, 4> blade;

    static constexpr double bodyTop = 73;
    static constexpr double slitTop = 71;
    static constexpr double domeTop = 48;
    static constexpr double footDepth = 2.5;
};

// How a figure stands in a scene: tilted about the middle of its base, moved, and with its blade
// swung about a point beside its head. Angles in radians, positive turning clockwise on screen.
struct Pose
{
    Point shift;
    double tilt = 0;
    double bladeSwing = 0;
    Point bladePivot;
    // Where the hand moves the blade to, after swinging it.
    Point bladeShift;
};

struct FigureSample
{
    double coverage = 0;
    Colour colour;
};

// The figure as seen at point `at` (a pixel's centre): how much of the pixel it covers and its
// shaded colour there.
FigureSample sampleFigure(const FigureShape& shape, const Pose& pose, Point at);

// Where a point along the blade's middle ends up in the scene: 0 at its lower end, 1 at its tip.
Point bladePoint(const FigureShape& shape, const Pose& pose, double along);

// Draws the figure over the canvas, edges smoothed.
void drawFigure(Canvas& canvas, const FigureShape& shape, const Pose& pose);
