#include "base/graphics/bitmap.h"

#include "base/graphics/run_region_builder.h"
#include "base/window/region.h"

#include <cstring>

bool Bitmap::BuildRegion(uint32_t key, Region& out, const Rect& area)
{
    SetError(0);
    if (layout_.bitsPerPixel != 32)
        return false;
    out.Release();
    out.CreateRect(0, 0, 0, 0);
    if (!Lock())
        return true;
    // Pixels outside the image are not there to read.
    Rect scan = area;
    scan.SetIfEmpty(imageRect_);
    imageRect_.Intersection(scan, scan);

    RunRegionBuilder builder;
    bool built = true;
    for (int32_t y = scan.top; built && y < scan.bottom && scan.left < scan.right; ++y) {
        const uint8_t* pixel = lock_.PixelAt(scan.left, y, true);
        int32_t runStart = -1;
        for (int32_t x = scan.left; x < scan.right; ++x, pixel += 4) {
            uint32_t value;
            std::memcpy(&value, pixel, sizeof value);
            if (runStart < 0 && value != key) {
                runStart = x;
            } else if (runStart >= 0 && value == key) {
                builder.AddRun(runStart, x);
                runStart = -1;
            }
        }
        if (runStart >= 0)
            builder.AddRun(runStart, scan.right);
        built = builder.EndRow(y);
    }
    built = builder.Finish(out) && built;
    Unlock();
    return built || Fail(kInvalidValue);
}
