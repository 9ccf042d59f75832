#include "tools/demo_character/raster.h"

#include <algorithm>
#include <cmath>

Raster::Raster(int left, int top, int width, int height, uint32_t background)
    : left_(left), top_(top), width_(width), height_(height), background_(background),
      pixels_(static_cast<size_t>(width) * static_cast<size_t>(height), background)
{
}

uint32_t Raster::At(int x, int y) const
{
    const int column = x - left_;
    const int row = y - top_;
    if (column < 0 || row < 0 || column >= width_ || row >= height_)
        return background_;
    return pixels_[static_cast<size_t>(row) * static_cast<size_t>(width_) + static_cast<size_t>(column)];
}

void Raster::Set(int x, int y, uint32_t colour)
{
    const int column = x - left_;
    const int row = y - top_;
    if (column < 0 || row < 0 || column >= width_ || row >= height_)
        return;
    pixels_[static_cast<size_t>(row) * static_cast<size_t>(width_) + static_cast<size_t>(column)] = colour;
}

void Raster::FillRect(int x, int y, int width, int height, uint32_t colour)
{
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column)
            Set(column, row, colour);
}

namespace {

// Sets every pixel of the box whose centre passes the test.
template <typename Inside>
void FillWhere(Raster& raster, float left, float top, float right, float bottom, uint32_t colour, Inside inside)
{
    const int x0 = std::max(raster.Left(), static_cast<int>(std::floor(left)));
    const int y0 = std::max(raster.Top(), static_cast<int>(std::floor(top)));
    const int x1 = std::min(raster.Left() + raster.Width(), static_cast<int>(std::ceil(right)) + 1);
    const int y1 = std::min(raster.Top() + raster.Height(), static_cast<int>(std::ceil(bottom)) + 1);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (inside(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f))
                raster.Set(x, y, colour);
}

float SegmentDistance(Point p, Point a, Point b)
{
    const float dx = b.x - a.x;
    const float dy = b.y - a.y;
    const float length2 = dx * dx + dy * dy;
    float t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0f, 1.0f);
    const float ex = a.x + t * dx - p.x;
    const float ey = a.y + t * dy - p.y;
    return std::sqrt(ex * ex + ey * ey);
}

bool InsidePolygon(const std::vector<Point>& corners, Point p)
{
    bool inside = false;
    for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const Point& a = corners[i];
        const Point& b = corners[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

bool InsideEllipse(const Oval& shape, float x, float y)
{
    const float u = (x - shape.cx) / shape.rx;
    const float v = (y - shape.cy) / shape.ry;
    return u * u + v * v <= 1;
}

struct Bounds {
    float left, top, right, bottom;
};

Bounds BoundsOf(const std::vector<Point>& corners)
{
    Bounds bounds{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
    for (const Point& p : corners) {
        bounds.left = std::min(bounds.left, p.x);
        bounds.right = std::max(bounds.right, p.x);
        bounds.top = std::min(bounds.top, p.y);
        bounds.bottom = std::max(bounds.bottom, p.y);
    }
    return bounds;
}

} // namespace

void Fill(Raster& raster, const Oval& shape, uint32_t colour, float grow)
{
    const Oval grown{shape.cx, shape.cy, shape.rx + grow, shape.ry + grow};
    if (grown.rx <= 0 || grown.ry <= 0)
        return;
    FillWhere(raster, grown.cx - grown.rx, grown.cy - grown.ry, grown.cx + grown.rx, grown.cy + grown.ry, colour,
              [&](float x, float y) { return InsideEllipse(grown, x, y); });
}

void FillOver(Raster& raster, const Oval& shape, uint32_t colour, uint32_t over)
{
    if (shape.rx <= 0 || shape.ry <= 0)
        return;
    FillWhere(raster, shape.cx - shape.rx, shape.cy - shape.ry, shape.cx + shape.rx, shape.cy + shape.ry, colour, [&](float x, float y) {
        return InsideEllipse(shape, x, y) && raster.At(static_cast<int>(x), static_cast<int>(y)) == over;
    });
}

void Fill(Raster& raster, const Capsule& shape, uint32_t colour, float grow)
{
    const float r = shape.radius + grow;
    FillWhere(raster, std::min(shape.from.x, shape.to.x) - r, std::min(shape.from.y, shape.to.y) - r,
              std::max(shape.from.x, shape.to.x) + r, std::max(shape.from.y, shape.to.y) + r, colour,
              [&](float x, float y) { return SegmentDistance({x, y}, shape.from, shape.to) <= r; });
}

void Fill(Raster& raster, const PolygonShape& shape, uint32_t colour, float grow)
{
    if (shape.corners.size() < 3)
        return;
    const Bounds b = BoundsOf(shape.corners);
    FillWhere(raster, b.left - grow, b.top - grow, b.right + grow, b.bottom + grow, colour, [&](float x, float y) {
        if (InsidePolygon(shape.corners, {x, y}))
            return true;
        if (grow <= 0)
            return false;
        for (size_t i = 0, j = shape.corners.size() - 1; i < shape.corners.size(); j = i++)
            if (SegmentDistance({x, y}, shape.corners[j], shape.corners[i]) <= grow)
                return true;
        return false;
    });
}

void FillOver(Raster& raster, const PolygonShape& shape, uint32_t colour, uint32_t over)
{
    if (shape.corners.size() < 3)
        return;
    const Bounds b = BoundsOf(shape.corners);
    FillWhere(raster, b.left, b.top, b.right, b.bottom, colour, [&](float x, float y) {
        return InsidePolygon(shape.corners, {x, y}) && raster.At(static_cast<int>(x), static_cast<int>(y)) == over;
    });
}

void Stroke(Raster& raster, const std::vector<Point>& points, float radius, uint32_t colour)
{
    if (points.size() == 1)
        Fill(raster, Capsule{points[0], points[0], radius}, colour);
    for (size_t i = 1; i < points.size(); ++i)
        Fill(raster, Capsule{points[i - 1], points[i], radius}, colour);
}

std::vector<Point> Arc(const Oval& ellipse, float fromDegrees, float toDegrees, int steps)
{
    std::vector<Point> points;
    for (int i = 0; i <= steps; ++i) {
        const float angle = Radians(fromDegrees + (toDegrees - fromDegrees) * static_cast<float>(i) / static_cast<float>(steps));
        points.push_back({ellipse.cx + ellipse.rx * std::cos(angle), ellipse.cy + ellipse.ry * std::sin(angle)});
    }
    return points;
}
