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

bool sameColour(const Colour& a, const Colour& b)
{
    return std::lround(a.red) == std::lround(b.red) && std::lround(a.green) == std::lround(b.green)
        && std::lround(a.blue) == std::lround(b.blue);
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
        at = mix(Amber, pixel.colour, pixel.coverage);
        if (sameColour(at, Amber))
            at.blue += 1;
    }
    return canvas;
}

Canvas samplePicture(int number)
{
    Canvas canvas(PictureWidth, PictureHeight, Amber);
    Pose blue, red;
    (void)number;
    drawFigure(canvas, blueFigure(), blue);
    drawFigure(canvas, redFigure(), red);
    return canvas;
}
