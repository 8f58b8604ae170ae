#include "scenes.h"

#include "figure.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr int PictureWidth = 200;
constexpr int PictureHeight = 150;
constexpr Colour Amber {255, 204, 0};
// The start picture keeps exactly this many amber pixels; the rest belong to the figures.
constexpr int StartAmberPixels = 21771;

FigureShape blueFigure()
{
    FigureShape shape;
    shape.base = {64, 48, 224};
    shape.axis = 62;
    shape.bodyBottom = 126;
    shape.bodyBottomHalf = 29;
    shape.barTop = 11;
    shape.barBottom = 23;
    shape.blade = {{{89, 45}, {94, 45}, {87, 87}, {82, 87}}};
    return shape;
}

FigureShape redFigure()
{
    FigureShape shape;
    shape.base = {192, 24, 32};
    shape.axis = 136.5;
    shape.bodyBottom = 125;
    shape.bodyBottomHalf = 28.5;
    shape.barTop = 22;
    shape.barBottom = 33;
    shape.blade = {{{107.6, 38}, {113, 38}, {121, 89}, {116, 89}}};
    return shape;
}

// Shading rounded to steps of one and a half levels per channel: as smooth to the eye, and about
// 3,000 distinct colours rather than 4,000.
Colour quantized(Colour colour)
{
    const auto step = [](double value) { return 1.5 * std::round(value / 1.5); };
    return {step(colour.red), step(colour.green), step(colour.blue)};
}

bool sameColour(const Colour& a, const Colour& b)
{
    return std::lround(a.red) == std::lround(b.red) && std::lround(a.green) == std::lround(b.green)
        && std::lround(a.blue) == std::lround(b.blue);
}

// A soft light behind a figure that is ready.
void drawGlow(Canvas& canvas, Point centre, double radius)
{
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const double d = std::hypot(x + 0.5 - centre.x, y + 0.5 - centre.y) / radius;
            canvas.blend(x, y, {255, 250, 215}, 0.75 * std::exp(-2.5 * d * d));
        }
    }
}

// A soft shadow on the floor under the figure's foot, staying put when the figure tilts.
void drawShadow(Canvas& canvas, const FigureShape& shape, const Pose& pose)
{
    const Point centre {shape.axis + pose.shift.x, shape.bodyBottom - 1};
    const double rx = shape.bodyBottomHalf + 8;
    const double ry = 6;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const double dx = (x + 0.5 - centre.x) / rx;
            const double dy = (y + 0.5 - centre.y) / ry;
            const double d = dx * dx + dy * dy;
            if (d < 1)
                canvas.blend(x, y, {150, 90, 0}, 0.45 * (1 - d) * (1 - d));
        }
    }
}

double segmentDistance(Point p, Point a, Point b)
{
    const double ex = b.x - a.x, ey = b.y - a.y;
    const double t
        = std::clamp(((p.x - a.x) * ex + (p.y - a.y) * ey) / (ex * ex + ey * ey), 0.0, 1.0);
    return std::hypot(p.x - a.x - ex * t, p.y - a.y - ey * t);
}

// The flash of a hit: an eight-pointed star, white at the heart, and a ring of sparks.
void drawBurst(Canvas& canvas, Point centre)
{
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const double dx = x + 0.5 - centre.x;
            const double dy = y + 0.5 - centre.y;
            const double r = std::hypot(dx, dy);
            const double angle = std::atan2(dy, dx) + 0.2;
            const double spike = std::pow(std::abs(std::cos(4 * angle)), 6);
            const double edge = 7 + 15 * spike;
            const double coverage = std::clamp(edge - r + 0.5, 0.0, 1.0);
            if (coverage <= 0)
                continue;
            const double t = std::clamp(r / edge, 0.0, 1.0);
            const Colour heart {255, 255, 250};
            const Colour tip {255, 120, 20};
            canvas.blend(x, y, mix(heart, tip, t * t), coverage);
        }
    }
    // Sparks: short strokes with rounded ends, flying outwards between the star's points.
    for (int i = 0; i < 10; ++i) {
        const double angle = i * 2 * std::numbers::pi / 10 + 0.5;
        const double inner = 23 + 3 * (i % 3);
        const Point from {centre.x + inner * std::cos(angle), centre.y + inner * std::sin(angle)};
        const Point to {
            centre.x + (inner + 6) * std::cos(angle), centre.y + (inner + 6) * std::sin(angle)};
        for (int y = int(centre.y) - 40; y <= int(centre.y) + 40; ++y) {
            for (int x = int(centre.x) - 40; x <= int(centre.x) + 40; ++x) {
                const double d = segmentDistance({x + 0.5, y + 0.5}, from, to) - 0.6;
                canvas.blend(x, y, {255, 252, 225}, 0.85 * std::clamp(0.5 - d, 0.0, 1.0));
            }
        }
    }
}

} // namespace

Canvas startPicture()
{
    const FigureShape figures[] = {blueFigure(), redFigure()};
    struct Covered
    {
        double coverage;
        int index;
        Colour colour;
    };
    std::vector<Covered> covered;
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            for (const FigureShape& figure : figures) {
                const FigureSample sample = sampleFigure(figure, Pose(), {x + 0.5, y + 0.5});
                if (sample.coverage > 0)
                    covered.push_back({sample.coverage, y * PictureWidth + x, sample.colour});
            }
        }
    }
    // The figures keep the pixels they cover most; the faintest edge pixels give way to amber
    // so that the background has its exact size.
    std::stable_sort(covered.begin(), covered.end(),
        [](const Covered& a, const Covered& b) { return a.coverage > b.coverage; });
    const std::size_t figurePixels = PictureWidth * PictureHeight - StartAmberPixels;
    covered.resize(std::min(covered.size(), figurePixels));

    Canvas canvas(PictureWidth, PictureHeight, Amber);
    for (const Covered& pixel : covered) {
        Colour& at = canvas.at(pixel.index % PictureWidth, pixel.index / PictureWidth);
        at = quantized(mix(Amber, pixel.colour, pixel.coverage));
        if (sameColour(at, Amber))
            at.blue += 1;
    }
    return canvas;
}

Canvas samplePicture(int number)
{
    const FigureShape blue = blueFigure();
    const FigureShape red = redFigure();
    // The blades turn about the hand that holds them, at their lower end.
    Pose bluePose;
    bluePose.bladePivot = {84.5, 84};
    Pose redPose;
    redPose.bladePivot = {118.5, 86};
    Canvas canvas(PictureWidth, PictureHeight, Amber);

    switch (number) {
    case 2: // Player 1 ready: blue leans back with its blade raised, glowing.
        bluePose.tilt = -0.08;
        bluePose.bladeShift = {2, -24};
        bluePose.bladeSwing = 0.3;
        drawGlow(canvas, {62, 72}, 60);
        break;
    case 3: // Player 2 ready: red likewise.
        redPose.tilt = 0.08;
        redPose.bladeShift = {-2, -24};
        redPose.bladeSwing = -0.3;
        drawGlow(canvas, {136, 74}, 58);
        break;
    case 4: // Player 2 scores: red lunges and strikes, blue reels back.
        redPose.shift = {-12, 0};
        redPose.tilt = -0.14;
        redPose.bladeShift = {-4, -16};
        redPose.bladeSwing = -1.45;
        bluePose.shift = {-6, 0};
        bluePose.tilt = -0.28;
        break;
    case 5: // Player 1 scores: blue lunges and strikes, red reels back.
        bluePose.shift = {12, 0};
        bluePose.tilt = 0.14;
        bluePose.bladeShift = {4, -16};
        bluePose.bladeSwing = 1.45;
        redPose.shift = {6, 0};
        redPose.tilt = 0.28;
        break;
    default: // Idle: both at rest.
        break;
    }

    drawShadow(canvas, blue, bluePose);
    drawShadow(canvas, red, redPose);
    // The striker is drawn last, so that its blade passes in front of the one it hits; the flash
    // comes where the blade meets the other figure.
    if (number == 4) {
        drawFigure(canvas, blue, bluePose);
        drawFigure(canvas, red, redPose);
        drawBurst(canvas, bladePoint(red, redPose, 0.8));
    } else {
        drawFigure(canvas, red, redPose);
        drawFigure(canvas, blue, bluePose);
        if (number == 5)
            drawBurst(canvas, bladePoint(blue, bluePose, 0.8));
    }
    return canvas;
}
