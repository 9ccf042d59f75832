#include "tools/demo_character/backdrops.h"

#include "tools/demo_character/figure.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr uint32_t kShadow = 0x606870;
constexpr uint32_t kClockRim = 0xC88C3C;
constexpr uint32_t kClockFace = 0xFCF6E0;
constexpr uint32_t kHourHand = 0xAA3246;
constexpr int kClockSize = 106;

// The shadow's ellipse under a figure, in figure units.
constexpr float kShadowY = 404;

Oval ShadowOf(const Placement& figure, bool small)
{
    const Point centre = figure.ToCanvas({kFigureCentreX, kShadowY});
    return {centre.x, centre.y, (small ? 56.0f : 86.0f) * figure.scale, (small ? 8.0f : 13.0f) * figure.scale};
}

} // namespace

Raster DrawShadow(const std::vector<Placement>& figures, bool small)
{
    // The picture holds the full-size shadows, so that both sizes share
    // one place on the canvas.
    float left = 1e9f, top = 1e9f, right = -1e9f, bottom = -1e9f;
    for (const Placement& figure : figures) {
        const Oval full = ShadowOf(figure, false);
        left = std::min(left, full.cx - full.rx);
        right = std::max(right, full.cx + full.rx);
        top = std::min(top, full.cy - full.ry);
        bottom = std::max(bottom, full.cy + full.ry);
    }
    const int x = static_cast<int>(std::floor(left)) - 4;
    const int y = static_cast<int>(std::floor(top)) - 4;
    Raster raster(x, y, static_cast<int>(std::ceil(right)) + 4 - x, static_cast<int>(std::ceil(bottom)) + 4 - y, kKeyColour);
    for (const Placement& figure : figures)
        Fill(raster, ShadowOf(figure, small), kShadow);
    return raster;
}

Raster DrawClock(int left, int top, int hour)
{
    Raster raster(left, top, kClockSize, kClockSize, kKeyColour);
    const Point c{left + kClockSize / 2.0f, top + kClockSize / 2.0f};
    Paint(raster, Oval{c.x, c.y, 48, 48}, kClockRim, kOutline, kLine);
    Fill(raster, Oval{c.x, c.y, 40, 40}, kClockFace);
    for (int mark = 0; mark < 12; ++mark) {
        const float angle = Radians(mark * 30.0f - 90);
        const float inner = mark % 3 == 0 ? 28.0f : 32.0f;
        Stroke(raster, {{c.x + inner * std::cos(angle), c.y + inner * std::sin(angle)}, {c.x + 36 * std::cos(angle), c.y + 36 * std::sin(angle)}},
               mark % 3 == 0 ? 2.5f : 1.5f, kOutline);
    }
    const float hourAngle = Radians(static_cast<float>(hour % 12) * 30 - 90);
    Stroke(raster, {c, {c.x, c.y - 30}}, 2, kOutline);
    Stroke(raster, {c, {c.x + 20 * std::cos(hourAngle), c.y + 20 * std::sin(hourAngle)}}, 4, kHourHand);
    Fill(raster, Oval{c.x, c.y, 5, 5}, kOutline);
    return raster;
}
