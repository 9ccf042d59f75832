#pragma once

#include "tools/demo_character/raster.h"

#include <cstdint>
#include <vector>

// Figures are drawn in figure units: the figure stands centred on
// x = kFigureCentreX with its feet near y = 400, the way the first demo
// character fills its 508 x 448 canvas. A placement puts a figure on an
// edition's canvas, moved and scaled to lie over that edition's click areas:
// figure point (x, y) lands on canvas point
// (centreX + (x - kFigureCentreX) * scale, top + y * scale).
constexpr float kFigureCentreX = 256;

struct Placement {
    float centreX;
    float top;
    float scale;

    Point ToCanvas(Point figure) const
    {
        return {centreX + (figure.x - kFigureCentreX) * scale, top + figure.y * scale};
    }
};

// Draws shapes given in figure units onto a picture through a placement;
// line widths and outlines scale with the figure.
class Sketch {
public:
    Sketch(Raster& raster, const Placement& placement) : raster_(raster), placement_(placement) {}

    template <typename Shape> void Paint(const Shape& shape, uint32_t colour, uint32_t outline, float width)
    {
        ::Paint(raster_, Place(shape), colour, outline, width * placement_.scale);
    }
    template <typename Shape> void Fill(const Shape& shape, uint32_t colour, float grow = 0)
    {
        ::Fill(raster_, Place(shape), colour, grow * placement_.scale);
    }
    template <typename Shape> void FillOver(const Shape& shape, uint32_t colour, uint32_t over)
    {
        ::FillOver(raster_, Place(shape), colour, over);
    }
    void Stroke(const std::vector<Point>& points, float radius, uint32_t colour);

private:
    Oval Place(const Oval& shape) const;
    Capsule Place(const Capsule& shape) const;
    PolygonShape Place(const PolygonShape& shape) const;

    Raster& raster_;
    Placement placement_;
};
