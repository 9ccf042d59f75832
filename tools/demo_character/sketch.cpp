#include "tools/demo_character/sketch.h"

void Sketch::Stroke(const std::vector<Point>& points, float radius, uint32_t colour)
{
    ::Stroke(raster_, Place(PolygonShape{points}).corners, radius * placement_.scale, colour);
}

Oval Sketch::Place(const Oval& shape) const
{
    const Point centre = placement_.ToCanvas({shape.cx, shape.cy});
    return {centre.x, centre.y, shape.rx * placement_.scale, shape.ry * placement_.scale};
}

Capsule Sketch::Place(const Capsule& shape) const
{
    return {placement_.ToCanvas(shape.from), placement_.ToCanvas(shape.to), shape.radius * placement_.scale};
}

PolygonShape Sketch::Place(const PolygonShape& shape) const
{
    PolygonShape placed;
    for (const Point& corner : shape.corners)
        placed.corners.push_back(placement_.ToCanvas(corner));
    return placed;
}
