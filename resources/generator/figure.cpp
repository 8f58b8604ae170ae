#include "figure.h"

#include <algorithm>
#include <cmath>

namespace {

struct Vector
{
    double x, y, z;
};

Vector normalized(Vector v)
{
    const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / length, v.y / length, v.z / length};
}

double dot(Vector a, Vector b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

double length(double x, double y)
{
    return std::sqrt(x * x + y * y);
}

Point rotated(Point p, Point centre, double angle)
{
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double dx = p.x - centre.x;
    const double dy = p.y - centre.y;
    return {centre.x + dx * c - dy * s, centre.y + dx * s + dy * c};
}

// Signed distances in pixels, negative inside.
double boxDistance(Point p, double left, double top, double right, double bottom)
{
    const double qx = std::abs(p.x - (left + right) / 2) - (right - left) / 2;
    const double qy = std::abs(p.y - (top + bottom) / 2) - (bottom - top) / 2;
    return length(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0);
}

double roundedBoxDistance(
    Point p, double left, double top, double right, double bottom, double radius)
{
    return boxDistance(p, left + radius, top + radius, right - radius, bottom - radius) - radius;
}

// An upright trapezoid symmetric about `axis`.
double trapezoidDistance(
    Point p, double axis, double top, double bottom, double topHalf, double bottomHalf)
{
    const double halfHeight = (bottom - top) / 2;
    const double px = std::abs(p.x - axis);
    const double py = (top + bottom) / 2 - p.y; // upwards
    const double k1x = topHalf, k1y = halfHeight;
    const double k2x = topHalf - bottomHalf, k2y = 2 * halfHeight;
    const double cax = px - std::min(px, py < 0 ? bottomHalf : topHalf);
    const double cay = std::abs(py) - halfHeight;
    const double t
        = std::clamp(((k1x - px) * k2x + (k1y - py) * k2y) / (k2x * k2x + k2y * k2y), 0.0, 1.0);
    const double cbx = px - k1x + k2x * t;
    const double cby = py - k1y + k2y * t;
    const double sign = cbx < 0 && cay < 0 ? -1 : 1;
    return sign * std::sqrt(std::min(cax * cax + cay * cay, cbx * cbx + cby * cby));
}

double ellipseDistance(Point p, Point centre, double rx, double ry)
{
    const double x = p.x - centre.x;
    const double y = p.y - centre.y;
    const double k0 = length(x / rx, y / ry);
    const double k1 = length(x / (rx * rx), y / (ry * ry));
    return k1 > 0 ? k0 * (k0 - 1) / k1 : -std::min(rx, ry);
}

double polygonDistance(Point p, const std::array<Point, 4>& v)
{
    double d = (p.x - v[0].x) * (p.x - v[0].x) + (p.y - v[0].y) * (p.y - v[0].y);
    double sign = 1;
    for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
        const double ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
        const double wx = p.x - v[i].x, wy = p.y - v[i].y;
        const double t = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0, 1.0);
        const double bx = wx - ex * t, by = wy - ey * t;
        d = std::min(d, bx * bx + by * by);
        const bool a = p.y >= v[i].y, b = p.y<v[j].y, c = ex * wy> ey * wx;
        if ((a && b && c) || (!a && !b && !c))
            sign = -sign;
    }
    return sign * std::sqrt(d);
}

// Unsigned distance from the line through a and b.
double lineDistance(Point p, Point a, Point b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    return std::abs((p.x - a.x) * dy - (p.y - a.y) * dx) / length(dx, dy);
}

double coverageOf(double distance)
{
    return std::clamp(0.5 - distance, 0.0, 1.0);
}

// Soft light from the upper left and in front; edges turned away from the viewer darken.
Colour shade(Colour base, Vector normal, double gloss)
{
    const Vector n = normalized(normal);
    const Vector light = normalized({-0.55, 0.6, 0.6});
    const Vector halfway = normalized({light.x, light.y, light.z + 1});
    const double diffuse = std::max(0.0, dot(n, light));
    const double specular = std::pow(std::max(0.0, dot(n, halfway)), 24) * gloss;
    const double rim = 0.45 + 0.55 * std::pow(std::max(0.0, n.z), 0.8);
    const double lit = (0.32 + 0.8 * diffuse) * rim;
    return {base.red * lit + 255 * specular, base.green * lit + 255 * specular,
        base.blue * lit + 255 * specular};
}

Vector uprightCylinderNormal(double across)
{
    const double u = std::clamp(across, -1.0, 1.0);
    return {u, 0, std::sqrt(1 - u * u)};
}

// Paints parts back to front, each over what is under it.
class Layers
{
public:
    void add(double coverage, Colour colour)
    {
        if (coverage <= 0)
            return;
        red = red * (1 - coverage) + colour.red * coverage;
        green = green * (1 - coverage) + colour.green * coverage;
        blue = blue * (1 - coverage) + colour.blue * coverage;
        total = total * (1 - coverage) + coverage;
    }

    FigureSample result() const
    {
        if (total <= 0)
            return {};
        return {total, {red / total, green / total, blue / total}};
    }

private:
    double red = 0, green = 0, blue = 0, total = 0;
};

} // namespace

FigureSample sampleFigure(const FigureShape& shape, const Pose& pose, Point at)
{
    const Point base {shape.axis, shape.bodyBottom};
    const Point moved {at.x - pose.shift.x, at.y - pose.shift.y};
    const Point p = rotated(moved, base, -pose.tilt);
    const double axis = shape.axis;
    Layers layers;

    const double bodyHeight = shape.bodyBottom - FigureShape::bodyTop;
    const double cone = trapezoidDistance(
        p, axis, FigureShape::bodyTop, shape.bodyBottom, shape.bodyTopHalf, shape.bodyBottomHalf);
    // Seen a little from above, the foot of the cone is a curve, lowest in the middle.
    const double footTop = shape.bodyBottom - FigureShape::footDepth;
    const double foot = p.y > footTop
        ? ellipseDistance(p, {axis, footTop}, shape.bodyBottomHalf + 0.5, FigureShape::footDepth)
        : -bodyHeight;
    const double bodyDistance = std::max(cone, foot);
    if (bodyDistance < 0.5) {
        const double down = std::clamp((p.y - FigureShape::bodyTop) / bodyHeight, 0.0, 1.0);
        const double half = shape.bodyTopHalf + (shape.bodyBottomHalf - shape.bodyTopHalf) * down;
        const Vector across = uprightCylinderNormal((p.x - axis) / half);
        // The cone faces a little upwards; its upper rim catches the light, its foot is in shade.
        const double rim = std::clamp(1.5 - (p.y - FigureShape::bodyTop), 0.0, 1.0);
        Colour colour = shade(shape.base, {across.x, 0.2 + 1.2 * rim, across.z}, 0.35);
        colour = mix(colour, {0, 0, 0}, 0.3 * std::pow(down, 3));
        layers.add(coverageOf(bodyDistance), colour);
    }

    const double neckDistance = boxDistance(p, axis - shape.neckHalf, FigureShape::slitTop - 0.5,
        axis + shape.neckHalf, FigureShape::bodyTop + 0.5);
    if (neckDistance < 0.5) {
        const Colour colour = shade(mix(shape.base, {0, 0, 0}, 0.35),
            uprightCylinderNormal((p.x - axis) / shape.neckHalf), 0.2);
        layers.add(coverageOf(neckDistance), colour);
    }

    const double domeHeight = FigureShape::slitTop - FigureShape::domeTop;
    const double domeDistance
        = std::max(ellipseDistance(p, {axis, FigureShape::slitTop}, shape.domeHalf, domeHeight),
            p.y - FigureShape::slitTop);
    if (domeDistance < 0.5) {
        const double u = (p.x - axis) / shape.domeHalf;
        const double v = (FigureShape::slitTop - p.y) / domeHeight;
        const double z = std::sqrt(std::max(0.0, 1 - u * u - v * v));
        layers.add(coverageOf(domeDistance), shade(shape.base, {u, v, z}, 0.6));
    }

    const double rodDistance = boxDistance(p, axis - shape.rodHalf, shape.barBottom - 1,
        axis + shape.rodHalf, FigureShape::domeTop + 1.5);
    if (rodDistance < 0.5) {
        const Colour colour = shade(mix(shape.base, {255, 255, 255}, 0.15),
            uprightCylinderNormal((p.x - axis) / shape.rodHalf), 0.5);
        layers.add(coverageOf(rodDistance), colour);
    }

    const double barRadius = (shape.barBottom - shape.barTop) / 2;
    const double barDistance = roundedBoxDistance(
        p, axis - shape.barHalf, shape.barTop, axis + shape.barHalf, shape.barBottom, barRadius);
    if (barDistance < 0.5) {
        const double v = std::clamp((shape.barTop + barRadius - p.y) / barRadius, -1.0, 1.0);
        const double beyond = std::abs(p.x - axis) - (shape.barHalf - barRadius);
        const double w = beyond > 0 ? std::copysign(beyond / barRadius, p.x - axis) : 0;
        const Vector normal {w, v, std::sqrt(std::max(0.0, 1 - v * v - w * w))};
        layers.add(coverageOf(barDistance), shade(shape.base, normal, 0.55));
    }

    const Point onBlade = rotated(
        {p.x - pose.bladeShift.x, p.y - pose.bladeShift.y}, pose.bladePivot, -pose.bladeSwing);
    const auto& blade = shape.blade;
    const double bladeDistance = polygonDistance(onBlade, blade);
    if (bladeDistance < 0.5) {
        const double top = std::min(blade[0].y, blade[1].y);
        const double bottom = std::max(blade[2].y, blade[3].y);
        const double along = std::clamp((onBlade.y - top) / (bottom - top), 0.0, 1.0);
        // Across the plate from its left long edge to its right one: a ridge down the middle
        // catches the light on one side and falls into shade on the other.
        const double left = lineDistance(onBlade, blade[3], blade[0]);
        const double right = lineDistance(onBlade, blade[1], blade[2]);
        const double across = std::clamp(left / (left + right), 0.0, 1.0);
        const Colour steel = mix(shape.base, {228, 230, 240}, 0.55);
        Colour colour = shade(steel, {1.3 * (across - 0.5), 0.45 - 0.6 * along, 0.75}, 0.5);
        // Its outline is darker, like the rest of the figure's edges.
        colour = mix(colour, {0, 0, 0}, 0.35 * std::clamp(1 + bladeDistance, 0.0, 1.0));
        layers.add(coverageOf(bladeDistance), colour);
    }
    return layers.result();
}

Point bladePoint(const FigureShape& shape, const Pose& pose, double along)
{
    const auto& blade = shape.blade;
    const Point low {(blade[2].x + blade[3].x) / 2, (blade[2].y + blade[3].y) / 2};
    const Point tip {(blade[0].x + blade[1].x) / 2, (blade[0].y + blade[1].y) / 2};
    const Point rest {low.x + (tip.x - low.x) * along, low.y + (tip.y - low.y) * along};
    const Point swung = rotated(rest, pose.bladePivot, pose.bladeSwing);
    const Point held {swung.x + pose.bladeShift.x, swung.y + pose.bladeShift.y};
    const Point tilted = rotated(held, {shape.axis, shape.bodyBottom}, pose.tilt);
    return {tilted.x + pose.shift.x, tilted.y + pose.shift.y};
}

void drawFigure(Canvas& canvas, const FigureShape& shape, const Pose& pose)
{
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const FigureSample sample = sampleFigure(shape, pose, {x + 0.5, y + 0.5});
            canvas.blend(x, y, sample.colour, sample.coverage);
        }
    }
}
