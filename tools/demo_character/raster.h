#pragma once

#include <cstdint>
#include <vector>

// A picture being drawn: 32-bit pixels 0x00RRGGBB, rows top-down. It covers
// the canvas rectangle (left, top, width, height), so every shape is given
// in canvas coordinates and a picture placed at (left, top) on the canvas
// lines up with what was drawn. Shapes are cut off at the picture's edges.
//
// Edges are hard (no smoothing): a pixel is either the key colour or a
// colour of the drawing, never a blend of the two.
class Raster {
public:
    Raster(int left, int top, int width, int height, uint32_t background);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The pixel at canvas (x, y); the background colour outside the picture.
    uint32_t At(int x, int y) const;
    void Set(int x, int y, uint32_t colour);
    const std::vector<uint32_t>& Pixels() const { return pixels_; }

    void FillRect(int x, int y, int width, int height, uint32_t colour);

private:
    int left_;
    int top_;
    int width_;
    int height_;
    uint32_t background_;
    std::vector<uint32_t> pixels_;
};

struct Point {
    float x;
    float y;
};

constexpr float kPi = 3.14159265f;

inline float Radians(float degrees)
{
    return degrees * kPi / 180;
}

// The three kinds of shape the character is made of. Each can be drawn
// grown by a margin, which is how outlines are made: the grown shape in
// the outline colour first, then the shape itself on top.
struct Oval {
    float cx, cy, rx, ry;
};

// A thick line with round ends: every point within radius of the segment.
struct Capsule {
    Point from, to;
    float radius;
};

// A filled polygon (even-odd rule), corners in order.
struct PolygonShape {
    std::vector<Point> corners;
};

void Fill(Raster& raster, const Oval& shape, uint32_t colour, float grow = 0);
// Fills only the pixels of the shape that hold the colour over, so that a
// part stays inside the part it is drawn on.
void FillOver(Raster& raster, const Oval& shape, uint32_t colour, uint32_t over);
void FillOver(Raster& raster, const PolygonShape& shape, uint32_t colour, uint32_t over);
void Fill(Raster& raster, const Capsule& shape, uint32_t colour, float grow = 0);
void Fill(Raster& raster, const PolygonShape& shape, uint32_t colour, float grow = 0);

// The shape in colour with an outline of width pixels around it.
template <typename Shape> void Paint(Raster& raster, const Shape& shape, uint32_t colour, uint32_t outline, float width)
{
    Fill(raster, shape, outline, width);
    Fill(raster, shape, colour);
}

// A line through the points, radius thick, with round joints.
void Stroke(Raster& raster, const std::vector<Point>& points, float radius, uint32_t colour);

// Points along an elliptic arc, angles in degrees (0 = right, 90 = down).
std::vector<Point> Arc(const Oval& ellipse, float fromDegrees, float toDegrees, int steps = 16);
