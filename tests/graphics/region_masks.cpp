#include "tests/graphics/region_masks.h"

#include <cstring>

namespace {

void Put(Bitmap& image, int32_t x, int32_t y, uint32_t value)
{
    std::memcpy(image.PixelAddress(x, y), &value, sizeof value);
}

bool InEllipse(int32_t x, int32_t y, double cx, double cy, double rx, double ry)
{
    const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

} // namespace

void PaintFigureMask(Bitmap& image, int32_t width, int32_t height)
{
    image.Create(width, height, 32, 0);
    const double w = width, h = height;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const bool head = InEllipse(x, y, w * 0.5, h * 0.2, w * 0.18, h * 0.17);
            const bool body = InEllipse(x, y, w * 0.5, h * 0.55, w * 0.2, h * 0.25);
            const bool arms = InEllipse(x, y, w * 0.5, h * 0.45, w * 0.42, h * 0.06) &&
                              !InEllipse(x, y, w * 0.3, h * 0.47, w * 0.03, h * 0.02);
            const bool legs = y > h * 0.7 && y < h * 0.97 &&
                              ((x > w * 0.36 && x < w * 0.46) || (x > w * 0.54 && x < w * 0.64));
            const bool eye = InEllipse(x, y, w * 0.44, h * 0.18, w * 0.02, h * 0.02);
            const bool filled = (head && !eye) || body || arms || legs;
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
