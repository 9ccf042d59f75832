#include "base/graphics/bitmap.h"

#include "base/graphics/run_region_builder.h"
#include "base/window/region.h"

#include <cstring>

namespace {

// Finds where runs of the key colour start and end in one row of 32-bit
// pixels. Most of a window shape is long runs of one kind, so four pixels
// are tested at a time, as two 64-bit words; every test compares all 32
// bits of each pixel.
class KeyRowScanner {
public:
    KeyRowScanner(const uint8_t* row, int32_t width, uint32_t key)
        : row_(row), width_(width), key_(key), keyPair_(uint64_t{key} << 32 | key)
    {
    }
    int32_t Width() const { return width_; }

    // The first pixel from x on that is not the key, or the width.
    int32_t SkipKeys(int32_t x) const
    {
        while (x + 4 <= width_ && ((Pair(x) ^ keyPair_) | (Pair(x + 2) ^ keyPair_)) == 0)
            x += 4;
        while (x < width_ && Pixel(x) == key_)
            ++x;
        return x;
    }
    // The first pixel from x on that is the key, or the width.
    int32_t SkipOthers(int32_t x) const
    {
        while (x + 4 <= width_ && !HasZeroHalf(Pair(x) ^ keyPair_) && !HasZeroHalf(Pair(x + 2) ^ keyPair_))
            x += 4;
        while (x < width_ && Pixel(x) != key_)
            ++x;
        return x;
    }

private:
    uint32_t Pixel(int32_t x) const
    {
        uint32_t value;
        std::memcpy(&value, row_ + 4 * static_cast<size_t>(x), sizeof value);
        return value;
    }
    uint64_t Pair(int32_t x) const
    {
        uint64_t value;
        std::memcpy(&value, row_ + 4 * static_cast<size_t>(x), sizeof value);
        return value;
    }
    // True when either 32-bit half of word is 0.
    static bool HasZeroHalf(uint64_t word)
    {
        return (word & 0xFFFFFFFFu) == 0 || (word >> 32) == 0;
    }

    const uint8_t* row_;
    int32_t width_;
    uint32_t key_;
    uint64_t keyPair_;
};

} // namespace

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
        const KeyRowScanner row(lock_.PixelAt(scan.left, y, true), scan.Width(), key);
        for (int32_t x = 0; x < row.Width();) {
            const int32_t start = row.SkipKeys(x);
            if (start == row.Width())
                break;
            x = row.SkipOthers(start);
            builder.AddRun(scan.left + start, scan.left + x);
        }
        built = builder.EndRow(y);
    }
    built = builder.Finish(out) && built;
    Unlock();
    return built || Fail(kInvalidValue);
}
