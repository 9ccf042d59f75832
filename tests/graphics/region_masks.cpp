#include "tests/graphics/region_masks.h"

#include <cmath>
#include <cstring>

namespace {

void Put(Bitmap& image, int32_t x, int32_t y, uint32_t value)
{
    std::memcpy(image.PixelAddress(x, y), &value, sizeof value);
}

bool InEllipse(double x, double y, double cx, double cy, double rx, double ry)
{
    const double dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

// The figure in units of its box (0..1 across and down).
bool InFigure(double x, double y)
{
    const bool eyes = InEllipse(x, y, 0.45, 0.22, 0.02, 0.02) || InEllipse(x, y, 0.55, 0.22, 0.02, 0.02);
    const bool head = InEllipse(x, y, 0.5, 0.22, 0.15, 0.12) && !eyes;
    // Spikes of hair along the top of the head, each a triangle.
    bool spikes = false;
    for (int i = 0; i < 7; ++i) {
        const double centre = 0.38 + 0.04 * i, top = 0.03 + 0.02 * (i % 3);
        const double spread = 0.02 * (y - top) / (0.14 - top);
        spikes = spikes || (y >= top && y < 0.14 && x > centre - spread && x < centre + spread);
    }
    // Twin tails whose lower part falls apart into strands.
    const bool tails = (InEllipse(x, y, 0.27, 0.36, 0.07, 0.24) || InEllipse(x, y, 0.73, 0.36, 0.07, 0.24)) &&
                       !(y > 0.42 && static_cast<int>(x * 125) % 3 == 0);
    const bool body = InEllipse(x, y, 0.5, 0.5, 0.12, 0.16);
    const bool arms = InEllipse(x, y, 0.5, 0.45, 0.36, 0.035) && !InEllipse(x, y, 0.33, 0.45, 0.02, 0.012);
    bool fingers = false;
    for (int i = 0; i < 4; ++i) {
        const double dy = 0.43 + 0.013 * i;
        fingers = fingers || InEllipse(x, y, 0.13, dy, 0.035, 0.005) || InEllipse(x, y, 0.87, dy, 0.035, 0.005);
    }
    // A skirt widening downwards with a zigzag hem.
    const double phase = x * 50 - std::floor(x * 50);
    const double hem = 0.74 + 0.04 * (phase < 0.5 ? phase : 1 - phase);
    const double halfWidth = 0.1 + 0.25 * (y - 0.6);
    const bool skirt = y > 0.6 && y < hem && x > 0.5 - halfWidth && x < 0.5 + halfWidth;
    const bool legs = y >= 0.7 && y < 0.96 && ((x > 0.42 && x < 0.47) || (x > 0.53 && x < 0.58));
    const bool shoes = InEllipse(x, y, 0.43, 0.96, 0.04, 0.015) || InEllipse(x, y, 0.57, 0.96, 0.04, 0.015);
    return head || spikes || tails || body || arms || fingers || skirt || legs || shoes;
}

} // namespace

void PaintFigureMask(Bitmap& image, int32_t width, int32_t height)
{
    image.Create(width, height, 32, 0);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const bool filled = InFigure((x + 0.5) / width, (y + 0.5) / height);
            // Shades of one colour, alpha included, as a drawn figure has.
            Put(image, x, y, filled ? 0xFF000000u | static_cast<uint32_t>((x * 7 + y) & 0xFF) << 16 : kMaskKey);
        }
    }
}

void PaintNoiseMask(Bitmap& image, int32_t width, int32_t height, uint32_t perMille, uint32_t seed)
{
    image.Create(width, height, 32, 0);
    uint32_t state = seed;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            Put(image, x, y, (state >> 8) % 1000 < perMille ? 0x00FF0000u : kMaskKey);
        }
    }
}

bool BuildRegionRunByRun(Bitmap& image, uint32_t key, Region& out, const Rect& area)
{
    if (image.BitsPerPixel() != 32)
        return false;
    out.Release();
    out.CreateRect(0, 0, 0, 0);
    if (!image.Lock())
        return true;
    Rect scan = area;
    scan.SetIfEmpty(image.ImageRect());
    for (int32_t y = scan.top; y < scan.bottom; ++y) {
        int32_t runStart = -1;
        for (int32_t x = scan.left; x < scan.right; ++x) {
            uint32_t value;
            std::memcpy(&value, image.PixelAddress(x, y), sizeof value);
            if (runStart == -1 && value != key) {
                runStart = x;
            } else if (runStart != -1 && value == key) {
                Region run(runStart, y, x, y + 1);
                out.Or(run);
                runStart = -1;
            }
        }
        if (runStart != -1) {
            Region run(runStart, y, scan.right, y + 1);
            out.Or(run);
        }
    }
    image.Unlock();
    return true;
}
